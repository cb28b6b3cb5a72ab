#include "nk2/browse.h"

#include "core/file_bytes.h"
#include "core/nk2_load.h"
#include "nk2/table_loader_host.h"
#include "platform/file_dialog.h"
#include "platform/folder_search.h"
#include "platform/message_box.h"
#include "platform/special_folders.h"
#include "widgets/address_grid.h"
#include "widgets/address_table.h"
#include "widgets/object_names.h"
#include "widgets/start_here_hint.h"
#include "widgets/status_banner.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>

namespace quillet::nk2 {
namespace {

const QString kPattern = QStringLiteral("*.NK2");
const QString kDialogTitle = QStringLiteral("Choose your NK2 file.");
// Outlook 2010 and later keep the cache as a mailbox stream; exported to a file it has the
// same layout, commonly as Stream_Autocomplete_*.dat.
const QString kDialogFilter =
    QStringLiteral("NK2 Files (*.NK2);;Outlook 2010+ Autocomplete Streams (*.dat)");
const QString kNoTypeChosen = QStringLiteral("You must choose an e-mail type!");

core::LoadOptions loadOptions(const BrowseControls& controls) {
    return {controls.smtpBox.isChecked(), controls.exchangeBox.isChecked(),
            controls.smtpNamesSwitch.isChecked(), controls.exchangeNamesSwitch.isChecked()};
}

// The folder holding the user's NK2 file below the application data's "Microsoft" folder,
// upper-cased as the search leaves it; without one, that "Microsoft" folder itself.
QString initialFolder() {
    QString root = platform::specialFolderWithSeparator(platform::SpecialFolder::AppData) +
                   QStringLiteral("Microsoft");
    QString pattern = kPattern;
    const QString found = platform::findFolderWithFile(root, pattern);
    return found.endsWith(kPattern) ? found.chopped(kPattern.size()) : root;
}

} // namespace

// Marks the load as running for the life of one Browse operation.
class Browse::RunningFlag {
public:
    explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningFlag() { flag_ = false; }

    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    bool& flag_;
};

// Disabling Browse during the load hands the focus to the next control; whatever way the
// operation ends, the focus goes to the grid, where the user works with what was read.
class Browse::GridFocusAtEnd {
public:
    explicit GridFocusAtEnd(const BrowseControls& controls) : controls_(controls) {}
    ~GridFocusAtEnd() { controls_.table.grid().setFocus(); }

    GridFocusAtEnd(const GridFocusAtEnd&) = delete;
    GridFocusAtEnd& operator=(const GridFocusAtEnd&) = delete;

private:
    const BrowseControls& controls_;
};

Browse::Browse(const BrowseControls& controls) : QObject(&controls.window), controls_(controls) {
    setObjectName(QString::fromLatin1(names::browse));
}

void Browse::withDialog() {
    withDialog([this](std::string_view fileBytes, const core::LoadOptions& options,
                      core::LoaderHost& host) { scan(fileBytes, options, host); });
}

void Browse::withDialog(const Reading& reading) {
    if (running_) {
        return;
    }
    const RunningFlag running(running_);
    const GridFocusAtEnd gridFocus(controls_);
    if (!start()) {
        return;
    }
    const QString path = platform::FileDialog::getOpenFileName(&controls_.window, kDialogTitle,
                                                               initialFolder(), kDialogFilter);
    if (path.isEmpty()) {
        TableLoaderHost host(controls_);
        core::finishWithoutFile(host);
        return;
    }
    load(path, reading);
}

void Browse::file(const QString& path) {
    if (running_) {
        return;
    }
    const RunningFlag running(running_);
    const GridFocusAtEnd gridFocus(controls_);
    if (start()) {
        load(path, [this](std::string_view fileBytes, const core::LoadOptions& options,
                          core::LoaderHost& host) { scan(fileBytes, options, host); });
    }
}

// The first steps of every Browse: buttons off, the "Start Here" hint away, a type chosen.
// Returns false when the operation already ended because no type is chosen.
bool Browse::start() {
    controls_.browseButton.setEnabled(false);
    controls_.exportButton.setEnabled(false);
    controls_.startHere.setVisible(false);
    if (!controls_.smtpBox.isChecked() && !controls_.exchangeBox.isChecked()) {
        platform::MessageBox::message(&controls_.window, controls_.window.windowTitle(),
                                      kNoTypeChosen);
        TableLoaderHost host(controls_);
        core::finishWithoutFile(host);
        return false;
    }
    controls_.banner.setMessage(core::BannerMessage::BrowsingForFile);
    return true;
}

// From the chosen file to the last grid row.
void Browse::load(const QString& path, const Reading& reading) {
    TableLoaderHost host(controls_);
    controls_.banner.setMessage(core::BannerMessage::ClickBrowse);
    const core::FileBytes file = core::readFileBytes(QFile::encodeName(path).toStdString());
    if (!file.ok) {
        core::finishWithoutFile(host);
        // After the closing step, which writes the banner last: this way the reason stays.
        controls_.banner.setMessage(
            QString::fromStdString(core::couldNotOpenText(path.toStdString(), file.reason)));
        return;
    }
    loadingPath_ = path;
    reading(file.bytes, loadOptions(controls_), host);
}

void Browse::scan(std::string_view fileBytes, const core::LoadOptions& options,
                  core::LoaderHost& host) const {
    const int rowsBefore = controls_.table.grid().rows();
    core::loadNk2(fileBytes, options, host);
    if (controls_.table.grid().rows() == rowsBefore) {
        // Otherwise the load would end on "100% done." as if something had been found.
        controls_.banner.setMessage(QStringLiteral("No e-mail addresses were found in ") +
                                    loadingPath_ + QLatin1Char('.'));
    }
    if (afterScan_) {
        afterScan_(fileBytes, options);
    }
}

} // namespace quillet::nk2
