#pragma once

#include "core/file_identity.h"

class QCheckBox;
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
        const QCheckBox& utf8Box; // CSV and TAB in UTF-8 rather than Windows-1252
        QLineEdit& exportPathEdit;
        widgets::StatusBanner& banner;
        const core::FileIdentities& loadedFiles; // never written into
    };

    explicit ExportCommand(const Controls& controls) : controls_(controls) {}

    // True when the whole export is in the file.
    bool exportNow();
    void fileTypePicked();
    // A save dialog for the chosen type, opened on the current export path; the chosen file
    // becomes the export path.
    void chooseFile();

private:
    void reportAbort();

    Controls controls_;
};

} // namespace quillet::exporter
