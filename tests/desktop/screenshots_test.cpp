#include "desktop_window.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "support/grid_cells.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

// Not a check: scripts/screenshots.sh runs this with QUILLET_SCREENSHOT_DIR set to save one
// picture of each window state the user meets; anywhere else it is skipped.
namespace {

const QString kSample = QStringLiteral(QUILLET_EXAMPLES_DIR "/sample.nk2");

class DesktopScreenshots : public DesktopWindow {
protected:
    void save(QWidget& window, const char* state) {
        QTest::qWait(50); // let the window system paint it
        const QString scale = QString::number(qRound(window.devicePixelRatioF() * 100));
        const QString path = QDir(folder).filePath(QString::fromLatin1(state) + u'-' + scale +
                                                   QStringLiteral(".png"));
        EXPECT_TRUE(window.grab().save(path)) << path.toStdString();
    }

    // Presses Export Now! and saves the confirmation box, answering it with Yes.
    void exportConfirmed(const char* state) {
        QTimer::singleShot(300, [this, state] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            if (state != nullptr) {
                save(*box, state);
            }
            auto* question = qobject_cast<QMessageBox*>(box);
            ASSERT_NE(question, nullptr);
            question->defaultButton()->click(); // Yes
        });
        child<QPushButton>(form, names::exportButton)->click();
    }

    QString folder = qEnvironmentVariable("QUILLET_SCREENSHOT_DIR");
};

TEST_F(DesktopScreenshots, EveryWindowState) {
    if (folder.isEmpty()) {
        GTEST_SKIP() << "QUILLET_SCREENSHOT_DIR not set";
    }
    form.start();
    auto* path = child<QLineEdit>(form, names::exportPathEdit);
    path->setText(QStringLiteral("/home/ana/Documents/quillet.csv"));
    save(form, "start");

    quillet::platform::FileDialog::setNextFileName(kSample);
    child<QPushButton>(form, names::browseButton)->click();
    child<AddressGrid>(form, names::addressGrid)->setCurrentCell({2, 1});
    emit child<AddressGrid>(form, names::addressGrid)->clickedByUser();
    save(form, "loaded");

    child<QPushButton>(form, names::addButton)->click();
    auto* add = child<QDialog>(form, names::addEntryDialog);
    child<QLineEdit>(*add, names::newNameEdit)->setText(QStringLiteral("Ana Lima"));
    child<QLineEdit>(*add, names::newAddressEdit)->setText(QStringLiteral("ana@example.org"));
    save(*add, "add");
    add->reject();

    child<QPushButton>(form, names::editButton)->click();
    auto* edit = child<QDialog>(form, names::editEntryDialog);
    save(*edit, "edit");
    edit->reject();

    child<QAction>(form, names::helpAction)->trigger();
    auto* help = child<QWidget>(form, names::helpAboutWindow);
    save(*help, "help");
    auto* page = help->findChild<QScrollArea*>();
    page->verticalScrollBar()->setValue(child<QLabel>(*help, "todayTitle")->y());
    save(*help, "help-today");
    page->verticalScrollBar()->setValue(0);
    child<QAction>(form, names::aboutAction)->trigger();
    save(*help, "about");
    help->hide();

    exportConfirmed("export-confirm");
    // A folder cannot be written as a file: the export fails and says so in the banner.
    path->setText(QStringLiteral("/home"));
    exportConfirmed(nullptr);
    save(form, "failed-export");

    // Scrolled down to Export Now!, as a small screen has it: the result is still in sight.
    const QTemporaryDir out;
    path->setText(out.filePath(QStringLiteral("quillet.csv")));
    child<QScrollArea>(form, "clientScroller")
        ->ensureWidgetVisible(child<QPushButton>(form, names::exportButton));
    exportConfirmed(nullptr);
    save(form, "exported");
}

} // namespace
