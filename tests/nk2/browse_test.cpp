#include "browse_window.h"
#include "nk2/browse.h"
#include "nk2_generator.h"
#include "platform/message_box.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QListView>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <cerrno>
#include <cstring>
#include <unistd.h>

using quillet::core::BannerMessage;
using quillet::platform::FileDialog;
using quillet::platform::MessageBox;
using quillet::test::bannerOf;
using quillet::test::BrowseWindow;
using quillet::test::kSample;

namespace {

const QString kNoSelection = bannerOf(BannerMessage::DisplayingNoSelection);

QString notice(bool withMarker) {
    return QString::fromStdString(quillet::core::pleaseWaitText(withMarker));
}

QString couldNotOpen(const QString& path, int error) {
    return QStringLiteral("Could not open %1: %2")
        .arg(path, QString::fromLatin1(std::strerror(error)));
}

using Browse = BrowseWindow;

TEST_F(Browse, ShowsEveryBannerInOrderAndEndsReadyForTheNext) {
    browse(writeFile(QStringLiteral("tiny.nk2"), "xSMTP:a@b\x02"));

    const QString shown = bannerOf(BannerMessage::Displaying, 100);
    EXPECT_EQ(
        banners,
        QStringList(
            {bannerOf(BannerMessage::BrowsingForFile), bannerOf(BannerMessage::ClickBrowse),
             // Exchange scan: one step, no marker; then the duplicate step.
             bannerOf(BannerMessage::LoadingFile), bannerOf(BannerMessage::LoadingDomain, 20),
             bannerOf(BannerMessage::RemovingDuplicates),
             // SMTP scan of a file under 50 bytes: one address, one empty step.
             bannerOf(BannerMessage::LoadingSmtpStart), bannerOf(BannerMessage::LoadingSmtp, 50),
             bannerOf(BannerMessage::LoadingSmtp, 50), bannerOf(BannerMessage::ResolvingStart),
             bannerOf(BannerMessage::Resolving, 200),
             // Closing step: the address column holds "", the address, "".
             notice(true), notice(false), QStringLiteral("Finished reading file..."), shown, shown,
             shown, shown}));
    EXPECT_EQ(child<StatusBanner>(form, names::statusBanner)->text(), shown);
    ASSERT_EQ(rows(), 1);
    EXPECT_EQ(cell(0, 0), QStringLiteral("1"));
    EXPECT_EQ(cell(0, 1), QString());
    EXPECT_EQ(cell(0, 2), QStringLiteral("a@b\x02"));
    EXPECT_EQ(child<QLabel>(form, names::entryCount)->text(), QStringLiteral("1"));
    EXPECT_TRUE(buttonsEnabled());
    for (QWidget* hint : form.findChildren<QWidget*>(
             QRegularExpression(QStringLiteral("^(startHereLabel|startHereArrow.*)$")))) {
        EXPECT_TRUE(hint->isHidden()) << hint->objectName().toStdString();
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(FileDialog::lastRequest().title, QStringLiteral("Choose your NK2 file."));
    EXPECT_EQ(FileDialog::lastRequest().filter,
              QStringLiteral("NK2 Files (*.NK2);;Outlook 2010+ Autocomplete Streams "
                             "(*.dat);;All files (*)"));
}

TEST_F(Browse, FillsTheGridWithNamesAndAddressesAndNumbersOnAcrossLoads) {
    browse(kSample);
    ASSERT_EQ(rows(), 12);
    EXPECT_EQ(cell(0, 1), QStringLiteral("PJONES"));
    EXPECT_EQ(cell(3, 0), QStringLiteral("4"));
    EXPECT_EQ(cell(3, 1), QStringLiteral("Mary Smith"));
    EXPECT_EQ(cell(3, 2), QStringLiteral("MARY.SMITH@EXAMPLE.ORG"));
    EXPECT_EQ(cell(6, 1), QStringLiteral("王芳"));
    EXPECT_EQ(cell(11, 2), QStringLiteral("HELPDESK@EXAMPLE.ORG"));
    EXPECT_EQ(cell(11, 3), QString());

    namespace gen = quillet::testdata;
    browse(writeFile(QStringLiteral("wide.NK2"),
                     gen::nk2File({gen::smtpEntry("Łukasz Żak", "lukasz.zak@example.pl", true),
                                   gen::smtpEntry("Αλέξης Παππάς", "alexis@example.gr", true)})));
    ASSERT_EQ(rows(), 14);
    EXPECT_EQ(cell(12, 0), QStringLiteral("13"));
    EXPECT_EQ(cell(12, 1), QStringLiteral("Łukasz Żak"));
    EXPECT_EQ(cell(12, 2), QStringLiteral("LUKASZ.ZAK@EXAMPLE.PL"));
    EXPECT_EQ(cell(13, 1), QStringLiteral("Αλέξης Παππάς"));

    browse(kSample);
    ASSERT_EQ(rows(), 26);
    EXPECT_EQ(cell(14, 0), QStringLiteral("15"));
    EXPECT_EQ(cell(17, 1), QStringLiteral("Mary Smith"));
    EXPECT_EQ(child<QLabel>(form, names::entryCount)->text(), QStringLiteral("26"));
    // The scan takes the sample's SMTP addresses in capitals from their search keys.
    EXPECT_EQ(
        child<StatusBanner>(form, names::statusBanner)->text(),
        QString::fromStdString(quillet::core::bannerNote(
            "File, Read Every Entry... (Ctrl+R) gives 11 addresses in their own letter case.")));
}

// Everything that could start a second load while one runs: File, Open, Browse (enabled again
// for the last rows), and a drop. None may; each attempt has a dialog answer queued, so one
// that wrongly starts loads a second file instead of waiting for a real dialog.
TEST_F(Browse, NothingStartsASecondLoadWhileOneRuns) {
    const QString other = writeFile(QStringLiteral("other.nk2"), "xSMTP:late@b\x02");
    QMimeData dropped;
    dropped.setUrls({QUrl::fromLocalFile(other)});
    int loadingSteps = 0;
    int disabledSteps = 0;
    int busySteps = 0;
    bool triedWhileShowing = false;
    QObject::connect(
        child<StatusBanner>(form, names::statusBanner), &StatusBanner::messageChanged,
        [&](const QString& text) {
            if (text.contains(QStringLiteral("Loading SMTP Adresses"))) {
                ++loadingSteps;
                disabledSteps += !child<QPushButton>(form, names::browseButton)->isEnabled() &&
                                 !child<QPushButton>(form, names::exportButton)->isEnabled();
                busySteps += QApplication::overrideCursor() &&
                             QApplication::overrideCursor()->shape() == Qt::WaitCursor;
                if (loadingSteps == 1) {
                    FileDialog::setNextFileName(other);
                    child<QAction>(form, names::openAction)->trigger();
                    FileDialog::setNextFileName(other);
                    child<QPushButton>(form, names::browseButton)->click();
                    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton,
                                          Qt::NoModifier);
                    QCoreApplication::sendEvent(&form, &enter);
                    EXPECT_FALSE(enter.isAccepted());
                    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton,
                                    Qt::NoModifier);
                    QCoreApplication::sendEvent(&form, &drop);
                    EXPECT_FALSE(drop.isAccepted());
                }
            }
            if (text.contains(QStringLiteral("Displaying List")) && !triedWhileShowing) {
                triedWhileShowing = true;
                EXPECT_TRUE(child<QPushButton>(form, names::browseButton)->isEnabled());
                EXPECT_TRUE(child<quillet::nk2::Browse>(form, names::browse)->running());
                FileDialog::setNextFileName(other);
                QTest::mouseClick(child<QPushButton>(form, names::browseButton), Qt::LeftButton);
                FileDialog::setNextFileName(other);
                child<QAction>(form, names::openAction)->trigger();
            }
        });
    browse(kSample);

    EXPECT_GT(loadingSteps, 0);
    EXPECT_EQ(disabledSteps, loadingSteps);
    EXPECT_EQ(busySteps, loadingSteps);
    EXPECT_TRUE(triedWhileShowing);
    EXPECT_EQ(banners.count(bannerOf(BannerMessage::BrowsingForFile)), 1);
    ASSERT_EQ(rows(), 12);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(child<quillet::nk2::Browse>(form, names::browse)->running());

    // The last queued answer is still there for the next Browse.
    child<QAction>(form, names::openAction)->trigger();
    ASSERT_EQ(rows(), 13);
    EXPECT_EQ(cell(12, 2), QStringLiteral("late@b\x02"));
}

TEST_F(Browse, WithNoTypeChosenSaysSoAndEndsWithoutTheDialog) {
    browse(kSample);
    child<QCheckBox>(form, names::smtpBox)->setChecked(false);
    child<QCheckBox>(form, names::exchangeBox)->setChecked(false);
    banners.clear();
    MessageBox::setNextAnswer(MessageBox::Answer::Ok);
    child<QPushButton>(form, names::browseButton)->click();

    EXPECT_EQ(MessageBox::shownCount(), 1);
    EXPECT_EQ(MessageBox::lastShown().title, QStringLiteral("Quillet"));
    EXPECT_EQ(MessageBox::lastShown().text, QStringLiteral("You must choose an e-mail type!"));
    EXPECT_FALSE(banners.contains(bannerOf(BannerMessage::BrowsingForFile)));
    ASSERT_GE(banners.size(), 2);
    EXPECT_EQ(banners.last(), kNoSelection);
    EXPECT_TRUE(buttonsEnabled());
    EXPECT_EQ(rows(), 12);
    EXPECT_EQ(child<QLabel>(form, names::entryCount)->text(), QStringLiteral("12"));
}

TEST_F(Browse, CancelledDialogLeavesTheGridAsItWas) {
    browse(kSample);
    const QString before = cell(5, 1);
    banners.clear();
    browse(QString());

    ASSERT_GE(banners.size(), 2);
    EXPECT_EQ(banners.first(), bannerOf(BannerMessage::BrowsingForFile));
    EXPECT_FALSE(banners.contains(bannerOf(BannerMessage::ClickBrowse)));
    EXPECT_EQ(banners.last(), kNoSelection);
    EXPECT_EQ(child<StatusBanner>(form, names::statusBanner)->text(), kNoSelection);
    EXPECT_EQ(rows(), 12);
    EXPECT_EQ(cell(5, 1), before);
    EXPECT_EQ(child<QLabel>(form, names::entryCount)->text(), QStringLiteral("12"));
    EXPECT_TRUE(buttonsEnabled());
}

TEST_F(Browse, DialogOpensWhereTheNk2FileLiesElseInTheMicrosoftFolder) {
    const auto sameFolder = [](const QString& a, const QString& b) {
        return QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath();
    };
    const QString microsoft = profile.makeDir(QStringLiteral("Microsoft"));
    browse(QString());
    EXPECT_TRUE(sameFolder(FileDialog::lastRequest().folder, microsoft))
        << FileDialog::lastRequest().folder.toStdString();

    profile.makeDir(QStringLiteral("Microsoft/Outlook"));
    profile.makeFile(QStringLiteral("Microsoft/Office/Profiles/Outlook.nk2"));
    browse(QString());
    EXPECT_TRUE(sameFolder(FileDialog::lastRequest().folder,
                           microsoft + QStringLiteral("/Office/Profiles")))
        << FileDialog::lastRequest().folder.toStdString();
    // The folder handed over is the upper-cased one, with its separator.
    EXPECT_TRUE(FileDialog::lastRequest().folder.endsWith(QDir::separator()));
}

// The real dialog, closed by the test once it has listed the folder.
TEST_F(Browse, RealDialogListsNk2FilesInAnyLetterCaseAndStreamsInTheSecondFilter) {
    profile.makeFile(QStringLiteral("Microsoft/Outlook/outlook.nk2"));
    profile.makeFile(QStringLiteral("Microsoft/Outlook/Other.NK2"));
    profile.makeFile(QStringLiteral("Microsoft/Outlook/notes.txt"));
    profile.makeFile(QStringLiteral("Microsoft/Outlook/Stream_Autocomplete_0_4A3F.dat"));
    QStringList listed;
    QString streamListed;
    QString title;
    QString folder;
    bool ownDialog = false;
    // Events run during the folder search too: wait for the dialog itself.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            return;
        }
        poll.stop();
        title = dialog->windowTitle();
        folder = dialog->directory().canonicalPath();
        ownDialog = dialog->testOption(QFileDialog::DontUseNativeDialog);
        auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
        const auto shown = [view] { return view ? view->model()->rowCount(view->rootIndex()) : 0; };
        EXPECT_TRUE(QTest::qWaitFor([&] { return shown() >= 2; }));
        for (int row = 0; row < shown(); ++row) {
            listed << view->model()->index(row, 0, view->rootIndex()).data().toString();
        }
        dialog->selectNameFilter(dialog->nameFilters().value(1));
        const auto first = [view] {
            return view->model()->index(0, 0, view->rootIndex()).data().toString();
        };
        EXPECT_TRUE(QTest::qWaitFor([&] { return shown() == 1 && first().endsWith(".dat"); }));
        streamListed = first();
        dialog->reject();
    });
    poll.start(10);
    child<QPushButton>(form, names::browseButton)->click();

    EXPECT_EQ(title, QStringLiteral("Choose your NK2 file."));
    EXPECT_TRUE(ownDialog);
    EXPECT_EQ(folder,
              QDir(profile.appData() + QStringLiteral("/Microsoft/Outlook")).canonicalPath());
    listed.sort();
    EXPECT_EQ(listed, QStringList({QStringLiteral("Other.NK2"), QStringLiteral("outlook.nk2")}));
    EXPECT_EQ(streamListed, QStringLiteral("Stream_Autocomplete_0_4A3F.dat"));
    EXPECT_EQ(child<StatusBanner>(form, names::statusBanner)->text(), kNoSelection);
}

TEST_F(Browse, UnreadableFileIsNamedWithItsReasonAndChangesNothing) {
    browse(kSample);
    const QString missing = files.filePath(QStringLiteral("missing.nk2"));
    browse(missing);
    ASSERT_GE(banners.size(), 2);
    EXPECT_EQ(banners.last(), couldNotOpen(missing, ENOENT));
    EXPECT_EQ(child<StatusBanner>(form, names::statusBanner)->text(),
              couldNotOpen(missing, ENOENT));
    // The closing step ran as for a cancelled dialog, before the reason was shown.
    EXPECT_EQ(banners.at(banners.size() - 2), kNoSelection);

    const QString folder = files.path();
    browse(folder);
    EXPECT_EQ(child<StatusBanner>(form, names::statusBanner)->text(), couldNotOpen(folder, EISDIR));

    if (geteuid() != 0) {
        const QString locked = writeFile(QStringLiteral("locked.nk2"), "SMTP:x@y\x02");
        QFile::setPermissions(locked, QFileDevice::WriteOwner);
        browse(locked);
        EXPECT_EQ(child<StatusBanner>(form, names::statusBanner)->text(),
                  couldNotOpen(locked, EACCES));
    }
    EXPECT_EQ(rows(), 12);
    EXPECT_EQ(child<QLabel>(form, names::entryCount)->text(), QStringLiteral("12"));
    EXPECT_TRUE(buttonsEnabled());
    EXPECT_FALSE(child<quillet::nk2::Browse>(form, names::browse)->running());
}

} // namespace
