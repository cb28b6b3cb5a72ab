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
#include <new>

namespace quillet::nk2 {
namespace {

const QString kPattern = QStringLiteral("*.NK2");
const QString kDialogTitle = QStringLiteral("Choose your NK2 file.");
// Outlook 2010 and later keep the cache as a mailbox stream; exported to a file it has the
// same layout, commonly as Stream_Autocomplete_*.dat.
const QString kDialogFilter =
    QStringLiteral("NK2 Files (*.NK2);;Outlook 2010+ Autocomplete Streams (*.dat);;All files (*)");
const QString kNoTypeChosen = QStringLiteral("You must choose an e-mail type!");
const QString kNameNotRepresentable =
    QStringLiteral("its name cannot be represented here (it is not valid UTF-8); "
                   "drop the file onto the window instead");

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

// Lets the window answer while a large file is read: a pause between steps when one is due.
class PacedRead : public core::ReadObserver {
public:
    explicit PacedRead(core::LoaderHost& host) : host_(host) {}
    void show(const char*, std::size_t) override {
        if (host_.pauseDue()) {
            host_.wait(core::WaitTicks(1));
        }
    }
    void stop() override {}

private:
    core::LoaderHost& host_;
};

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
    withDialog(kDialogTitle,
               [this](std::string fileBytes, const core::LoadOptions& options,
                      core::LoaderHost& host) { scan(std::move(fileBytes), options, host); });
}

void Browse::withDialog(const QString& title, const Reading& reading) {
    if (running_) {
        return;
    }
    const RunningFlag running(running_);
    const GridFocusAtEnd gridFocus(controls_);
    if (!start()) {
        return;
    }
    const QString path = platform::FileDialog::getOpenFileName(&controls_.window, title,
                                                               initialFolder(), kDialogFilter);
    if (path.isEmpty()) {
        TableLoaderHost host(controls_);
        core::finishWithoutFile(host);
        return;
    }
    // The dialog gives names as text: bytes that are not UTF-8 are already lost there.
    if (path.contains(QChar::ReplacementCharacter) && !QFile::exists(path)) {
        TableLoaderHost host(controls_);
        core::finishWithoutFile(host);
        controls_.banner.setMessage(
            QString::fromStdString(core::couldNotOpenText(path.toStdString(), "")) +
            kNameNotRepresentable);
        return;
    }
    load(QFile::encodeName(path), reading);
}

void Browse::file(const QString& path) {
    fileNamed(QFile::encodeName(path));
}

void Browse::fileNamed(const QByteArray& localName) {
    if (running_) {
        return;
    }
    const RunningFlag running(running_);
    const GridFocusAtEnd gridFocus(controls_);
    if (start()) {
        load(localName,
             [this](std::string fileBytes, const core::LoadOptions& options,
                    core::LoaderHost& host) { scan(std::move(fileBytes), options, host); });
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
void Browse::load(const QByteArray& localName, const Reading& reading) {
    TableLoaderHost host(controls_);
    controls_.banner.setMessage(core::BannerMessage::ClickBrowse);
    const QString path = QFile::decodeName(localName);
    PacedRead pacing(host);
    core::FileBytes file =
        core::readFileBytes(localName.toStdString(), core::kInputSizeLimit, &pacing);
    if (!file.ok) {
        core::finishWithoutFile(host);
        // After the closing step, which writes the banner last: this way the reason stays.
        controls_.banner.setMessage(
            QString::fromStdString(core::couldNotOpenText(path.toStdString(), file.reason)));
        return;
    }
    controls_.table.loadedFiles().push_back(file.identity);
    loadingPath_ = path;
    try {
        reading(std::move(file.bytes), loadOptions(controls_), host);
    } catch (const std::bad_alloc&) {
        // The rows loaded so far stay; the closing step gives the buttons back.
        core::finishWithoutFile(host);
        controls_.banner.setMessage(QStringLiteral("Could not load ") + path +
                                    QStringLiteral(": not enough memory"));
    }
}

void Browse::scan(std::string fileBytes, const core::LoadOptions& options,
                  core::LoaderHost& host) const {
    const int rowsBefore = controls_.table.grid().rows();
    core::loadNk2(fileBytes, options, host);
    const bool foundNone = controls_.table.grid().rows() == rowsBefore;
    if (foundNone) {
        // Otherwise the load would end on "100% done." as if something had been found.
        controls_.banner.setMessage(QStringLiteral("No e-mail addresses were found in ") +
                                    loadingPath_ + QLatin1Char('.'));
    }
    if (afterScan_) {
        afterScan_(fileBytes, options, loadingPath_, foundNone);
    }
}

} // namespace quillet::nk2
