#pragma once

#include "nk2/browse_controls.h"

#include <QObject>
#include <string>
#include <string_view>

class QAction;

namespace quillet::core {
class LoaderHost;
struct LoadOptions;
} // namespace quillet::core

namespace quillet::nk2 {

class Browse;

// File, "Read Every Entry...": opens a file the way Browse does and appends every entry of the
// chosen types that the file's structure holds, one row per distinct address, improving the rows
// the grid already holds. After each of Browse's scans it also tells, in the banner, what the
// scan left out or got otherwise than the structure (addresses, names, letter case), where a
// damaged file stops, and that a file without addresses is no NK2 file.
class ReadEveryEntry : public QObject {
    Q_OBJECT

public:
    ReadEveryEntry(const BrowseControls& controls, Browse& browse, const QAction& menuItem);

    // Does nothing while a load runs.
    void withDialog();

private:
    void read(std::string fileBytes, const core::LoadOptions& options, core::LoaderHost& host);
    void tellWhatTheScanGotWrong(std::string_view fileBytes, const core::LoadOptions& options,
                                 const QString& path, bool foundNone);

    BrowseControls controls_;
    Browse& browse_;
    const QAction& menuItem_;
};

} // namespace quillet::nk2
