#include "nk2/read_every_entry.h"

#include "core/banner.h"
#include "core/scan_review.h"
#include "core/structure_load.h"
#include "core/structure_merge.h"
#include "nk2/browse.h"
#include "widgets/address_grid.h"
#include "widgets/address_table.h"
#include "widgets/status_banner.h"

#include <QAction>

namespace quillet::nk2 {
namespace {

QString bannerWith(const QString& message) {
    return QString::fromStdString(core::bannerNote(message.toStdString()));
}

} // namespace

ReadEveryEntry::ReadEveryEntry(const BrowseControls& controls, Browse& browse,
                               const QAction& menuItem)
    : QObject(&controls.window), controls_(controls), browse_(browse), menuItem_(menuItem) {
    browse_.setAfterScan(
        [this](std::string_view fileBytes, const core::LoadOptions& options, const QString& path,
               bool foundNone) { tellWhatTheScanGotWrong(fileBytes, options, path, foundNone); });
}

void ReadEveryEntry::withDialog() {
    browse_.withDialog(
        QStringLiteral("Choose the NK2 file to read entry by entry."),
        [this](std::string fileBytes, const core::LoadOptions& options, core::LoaderHost& host) {
            read(std::move(fileBytes), options, host);
        });
}

void ReadEveryEntry::read(std::string fileBytes, const core::LoadOptions& options,
                          core::LoaderHost& host) {
    core::StructureRead read = core::readStructureAddresses(fileBytes, options, host);
    // The rows need the file no more: a huge cache's bytes go before its rows are made.
    std::string().swap(fileBytes);
    widgets::AddressModel& addresses = controls_.table.grid().addresses();
    core::StructureMerge merge = core::mergeStructure(addresses.rows(), std::move(read.addresses));
    for (auto& [row, cells] : merge.improved) {
        addresses.setRow(static_cast<int>(row), std::move(cells));
    }
    const int rowsBefore = addresses.rowCount();
    core::appendStructureAddresses(std::move(merge.added), host);
    // After the closing step, which writes the banner last: this way the summary stays.
    const core::Nk2Structure& structure = read.structure;
    QString summary = QStringLiteral("Read Every Entry: %1 %2 added, %3 improved.")
                          .arg(addresses.rowCount() - rowsBefore)
                          .arg(addresses.rowCount() - rowsBefore == 1 ? QStringLiteral("row")
                                                                      : QStringLiteral("rows"))
                          .arg(merge.improved.size());
    if (structure.leftOutTooLong > 0) {
        summary += QStringLiteral(" %1 left out: an address longer than %2 bytes.")
                       .arg(structure.leftOutTooLong)
                       .arg(core::kStructureTextLimit);
    }
    if (!structure.complete) {
        summary += u' ' + QString::fromStdString(core::structureProblemText(structure));
    }
    controls_.banner.setMessage(bannerWith(summary));
}

// The scan stops after its step budget and takes names and letter case from nearby bytes; when
// the file's structure holds more, the user learns what and where to get it rather than
// believing the file read right, and learns of a damaged file or one that is no NK2 file.
void ReadEveryEntry::tellWhatTheScanGotWrong(std::string_view fileBytes,
                                             const core::LoadOptions& options, const QString& path,
                                             bool foundNone) {
    const core::ScanReview review =
        core::reviewScan(fileBytes, options, controls_.table.grid().addresses().rows());
    if (foundNone && !review.nk2) {
        controls_.banner.setMessage(QStringLiteral("No e-mail addresses were found in ") + path +
                                    QStringLiteral(": it is not an NK2 file."));
        return;
    }
    const std::string note = core::reviewNote(
        review, menuItem_.shortcut().toString(QKeySequence::NativeText).toStdString());
    if (!note.empty()) {
        controls_.banner.setMessage(QString::fromStdString(core::bannerNote(note)));
    }
}

} // namespace quillet::nk2
