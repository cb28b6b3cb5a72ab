#pragma once

#include "core/file_identity.h"

class QComboBox;
class QLineEdit;
class QWidget;

namespace quillet::widgets {
class AddressModel;
class StatusBanner;
} // namespace quillet::widgets

namespace quillet::exporter {

// Export: appends the address list to the export file after the user confirms; a file type
// picked from the list proposes a matching export path. The files loaded into the list are
// never the export's target.
class ExportCommand {
public:
    struct Controls {
        QWidget& window; // parent of the confirmation
        const widgets::AddressModel& addresses;
        const QComboBox& fileTypeBox;
        QLineEdit& exportPathEdit;
        widgets::StatusBanner& banner;
        const core::FileIdentities& loadedFiles; // never written into
    };

    explicit ExportCommand(const Controls& controls) : controls_(controls) {}

    // True when the whole export is in the file.
    bool exportNow();
    void fileTypePicked();

private:
    void reportAbort();

    Controls controls_;
};

} // namespace quillet::exporter
