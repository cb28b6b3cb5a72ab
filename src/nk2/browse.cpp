#include "nk2/browse.h"

#include "app/find_file.h"
#include "app/form1.h"
#include "app/line_control.h"
#include "app/special_folder.h"
#include "core/file_bytes.h"
#include "core/nk2_load.h"
#include "nk2/form_loader_host.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/special_folders.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSet>

namespace quillet::nk2 {
namespace {

const QString kPattern = QStringLiteral("*.NK2");
const QString kDialogTitle = QStringLiteral("Choose your NK2 file.");
const QString kDialogFilter = QStringLiteral("NK2 Files (*.NK2)");
const QString kNoTypeChosen = QStringLiteral("You must choose an e-mail type!");

// Windows with a Browse operation in progress.
QSet<const app::Form1*> running;

// Marks form as loading for the life of one Browse operation.
class RunningLoad {
public:
    explicit RunningLoad(const app::Form1& form) : form_(form) { running.insert(&form_); }
    ~RunningLoad() { running.remove(&form_); }

    RunningLoad(const RunningLoad&) = delete;
    RunningLoad& operator=(const RunningLoad&) = delete;

private:
    const app::Form1& form_;
};

core::TypeBoxes typeBoxes(const app::Form1& form) {
    return {form.Check1->isChecked(), form.Check2->isChecked(), form.Check3->isChecked(),
            form.Check4->isChecked()};
}

// The first steps of every Browse: buttons off, the "Start Here" hint away, a type chosen.
// Returns false when the operation already ended because no type is chosen.
bool start(app::Form1& form, FormLoaderHost& host) {
    form.Command1->setEnabled(false);
    form.Command2->setEnabled(false);
    for (QWidget* hint : {static_cast<QWidget*>(form.Label20), static_cast<QWidget*>(form.Line14),
                          static_cast<QWidget*>(form.Line15), static_cast<QWidget*>(form.Line16)}) {
        hint->hide();
    }
    if (!form.Check1->isChecked() && !form.Check2->isChecked()) {
        platform::MessageBox::message(&form, form.windowTitle(), kNoTypeChosen);
        core::finishWithoutFile(host);
        return false;
    }
    form.setBanner(core::BannerMessage::BrowsingForFile);
    return true;
}

// The folder holding the user's NK2 file below the application data's "Microsoft" folder,
// upper-cased as the search leaves it; without one, that "Microsoft" folder itself.
QString initialFolder() {
    QString root = app::GetSpecialFolder(platform::AppData) + QStringLiteral("Microsoft");
    QString pattern = kPattern;
    const QString found = app::FindFile(root, pattern);
    return found.endsWith(kPattern) ? found.chopped(kPattern.size()) : root;
}

// From the chosen file to the last grid row.
void load(app::Form1& form, FormLoaderHost& host, const QString& path) {
    form.setBanner(core::BannerMessage::ClickBrowse);
    const core::FileBytes file = core::readFileBytes(QFile::encodeName(path).toStdString());
    if (!file.ok) {
        core::finishWithoutFile(host);
        // After the closing step, which writes the banner last: this way the reason stays.
        form.setBanner(
            QString::fromStdString(core::couldNotOpenText(path.toStdString(), file.reason)));
        return;
    }
    core::loadNk2(file.bytes, typeBoxes(form), host);
}

} // namespace

bool loadRunning(const app::Form1& form) {
    return running.contains(&form);
}

void browseWithDialog(app::Form1& form) {
    if (loadRunning(form)) {
        return;
    }
    const RunningLoad guard(form);
    FormLoaderHost host(form);
    if (!start(form, host)) {
        return;
    }
    const QString path =
        platform::FileDialog::getOpenFileName(&form, kDialogTitle, initialFolder(), kDialogFilter);
    if (path.isEmpty()) {
        core::finishWithoutFile(host);
        return;
    }
    load(form, host, path);
}

void browseFile(app::Form1& form, const QString& path) {
    if (loadRunning(form)) {
        return;
    }
    const RunningLoad guard(form);
    FormLoaderHost host(form);
    if (start(form, host)) {
        load(form, host, path);
    }
}

} // namespace quillet::nk2

namespace quillet::app {

void Form1::Command1_Click() {
    nk2::browseWithDialog(*this);
}

} // namespace quillet::app
