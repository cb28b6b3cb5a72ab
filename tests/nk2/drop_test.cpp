#include "browse_window.h"
#include "nk2/drop_loader.h"
#include "nk2_generator.h"
#include "platform/message_box.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>
#include <fstream>
#include <memory>
#include <vector>

using quillet::core::BannerMessage;
using quillet::platform::FileDialog;
using quillet::test::bannerOf;
using quillet::test::BrowseWindow;
using quillet::test::kSample;

namespace {

std::unique_ptr<QMimeData> filesData(const QStringList& paths) {
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString& path : paths) {
        urls << QUrl::fromLocalFile(path);
    }
    data->setUrls(urls);
    return data;
}

class Drop : public BrowseWindow {
protected:
    // Whether target lets the drag in (the cursor shows it may be dropped).
    bool enters(QWidget* target, const QMimeData& data, Qt::DropActions actions = Qt::CopyAction,
                Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QDragEnterEvent enter(QPoint(20, 20), actions, &data, Qt::LeftButton, keys);
        QCoreApplication::sendEvent(target, &enter);
        return enter.isAccepted();
    }

    // Drags data onto target and drops it there, then lets a load it starts run to its end.
    // Returns the action the drop was accepted with, or IgnoreAction.
    Qt::DropAction drops(QWidget* target, const QMimeData& data,
                         Qt::DropActions actions = Qt::CopyAction,
                         Qt::KeyboardModifiers keys = Qt::NoModifier) {
        enters(target, data, actions, keys);
        QDropEvent drop(QPointF(20, 20), actions, &data, Qt::LeftButton, keys);
        QCoreApplication::sendEvent(target, &drop);
        QCoreApplication::processEvents();
        return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
    }
};

TEST_F(Drop, OneNk2FileInAnyCaseLoadsAsBrowseDoesWithoutTheDialog) {
    const QString upper = writeFile(QStringLiteral("Outlook.NK2"), "xSMTP:a@b\x02");
    const QString lower = writeFile(QStringLiteral("copy.nk2"), "xSMTP:c@d\x02");
    for (const QString& path : {upper, lower}) {
        EXPECT_TRUE(enters(&form, *filesData({path}))) << path.toStdString();
    }

    EXPECT_EQ(drops(&form, *filesData({upper})), Qt::CopyAction);
    const QStringList firstDrop = banners;
    banners.clear();
    browse(upper);
    // The same texts from "Browsing for File..." on as a Browse that chose the file.
    ASSERT_FALSE(firstDrop.isEmpty());
    EXPECT_EQ(firstDrop.first(), bannerOf(BannerMessage::BrowsingForFile));
    EXPECT_EQ(firstDrop, banners);
    EXPECT_EQ(FileDialog::lastRequest().title, QStringLiteral("Choose your NK2 file."));

    // Onto a text box, which otherwise takes dropped text, and numbered on.
    // A source that would rather move the file gets a copy; one that can only move it is
    // refused, or it would delete the user's file.
    // (Shift asks for a move.)
    EXPECT_EQ(drops(&form, *filesData({lower}), Qt::CopyAction | Qt::MoveAction, Qt::ShiftModifier),
              Qt::CopyAction);
    EXPECT_EQ(drops(&form, *filesData({lower}), Qt::MoveAction), Qt::IgnoreAction);
    EXPECT_TRUE(QFile::exists(lower));

    // File managers offer the path as text too.
    const std::unique_ptr<QMimeData> withText = filesData({lower});
    withText->setText(lower);
    EXPECT_TRUE(enters(child<QLineEdit>(form, names::searchEdit), *withText));
    const QString searchText = child<QLineEdit>(form, names::searchEdit)->text();
    EXPECT_EQ(drops(child<QLineEdit>(form, names::searchEdit), *withText), Qt::CopyAction);
    EXPECT_EQ(child<QLineEdit>(form, names::searchEdit)->text(), searchText);
    ASSERT_EQ(rows(), 4);
    EXPECT_EQ(cell(0, 2), QStringLiteral("a@b\x02"));
    EXPECT_EQ(cell(1, 2), QStringLiteral("a@b\x02"));
    EXPECT_EQ(cell(2, 2), QStringLiteral("c@d\x02"));
    EXPECT_EQ(cell(3, 0), QStringLiteral("4"));
    EXPECT_EQ(cell(3, 2), QStringLiteral("c@d\x02"));
    EXPECT_TRUE(buttonsEnabled());
}

// Outlook 2010 and later keep the cache as a mailbox stream, exported as a .dat file.
TEST_F(Drop, AnOutlookStreamLoadsThroughDropAndBrowseLikeTheSameCacheAsNk2) {
    using namespace quillet::testdata;
    const QString nk2 = writeFile(QStringLiteral("sample.nk2"), nk2File(sampleEntries()));
    const QString stream = writeFile(QStringLiteral("Stream_Autocomplete_0_4A3F.dat"),
                                     autocompleteStream(sampleEntries()));
    const QString upper = writeFile(QStringLiteral("AUTOCOMPLETE.DAT"), "SMTP:a@b\x02");
    EXPECT_TRUE(enters(&form, *filesData({upper})));

    browse(nk2);
    const int perLoad = rows();
    ASSERT_EQ(perLoad, 12);
    EXPECT_EQ(drops(&form, *filesData({stream})), Qt::CopyAction);
    browse(stream);
    ASSERT_EQ(rows(), 3 * perLoad);
    // Exchange aliases keep the letter case of the text they were read from, which differs.
    for (int row = 0; row < perLoad; ++row) {
        for (int load = 1; load < 3; ++load) {
            for (int col = 1; col < 3; ++col) {
                EXPECT_EQ(
                    cell(load * perLoad + row, col).compare(cell(row, col), Qt::CaseInsensitive), 0)
                    << row << " " << col;
            }
        }
    }
    EXPECT_EQ(cell(3 * perLoad - 1, 0), QString::number(3 * perLoad));
    EXPECT_TRUE(buttonsEnabled());
}

TEST_F(Drop, AFileNamedOnTheCommandLineLoadsAsADroppedOneAndTheGridGetsTheFocus) {
    EXPECT_EQ(drops(&form, *filesData({kSample})), Qt::CopyAction);
    const QStringList dropped = banners;
    const int droppedRows = rows();
    ASSERT_GT(droppedRows, 0);

    banners.clear();
    form.openFile(QFile::encodeName(kSample));
    EXPECT_EQ(banners, dropped);
    EXPECT_EQ(rows(), 2 * droppedRows);
    EXPECT_EQ(form.focusWidget(), child<AddressGrid>(form, names::addressGrid));
    EXPECT_FALSE(form.windowIcon().isNull());
}

TEST_F(Drop, AnythingElseIsRefusedAndDoesNothing) {
    const QString text = writeFile(QStringLiteral("notes.txt"), "SMTP:a@b\x02");
    const QString nk2 = writeFile(QStringLiteral("a.nk2"), "SMTP:a@b\x02");
    std::vector<std::unique_ptr<QMimeData>> refused;
    refused.push_back(filesData({text}));
    refused.push_back(filesData({nk2, kSample}));
    refused.push_back(filesData({nk2 + QStringLiteral(".bak")}));
    refused.push_back(std::make_unique<QMimeData>());
    refused.back()->setText(nk2);
    refused.push_back(std::make_unique<QMimeData>());
    refused.back()->setUrls({QUrl(QStringLiteral("https://example.org/a.nk2"))});
    for (const auto& data : refused) {
        EXPECT_FALSE(enters(&form, *data)) << data->urls().size();
        EXPECT_EQ(drops(&form, *data), Qt::IgnoreAction);
    }
    EXPECT_TRUE(banners.isEmpty());
    EXPECT_EQ(rows(), 0);
    EXPECT_TRUE(buttonsEnabled());
    EXPECT_EQ(quillet::nk2::DropLoader::nk2File(nullptr), QString());
}

TEST_F(Drop, ANameThatIsNotUtf8OpensByItsBytes) {
    const QByteArray name = QFile::encodeName(files.path()) + "/caf\xE9.nk2";
    std::ofstream(name.toStdString(), std::ios::binary) << "xSMTP:a@b\x02";
    auto data = std::make_unique<QMimeData>();
    data->setUrls({QUrl::fromEncoded("file://" + name.toPercentEncoding("/"))});
    EXPECT_EQ(drops(&form, *data), Qt::CopyAction);
    ASSERT_EQ(rows(), 1);
    EXPECT_EQ(cell(0, 2), QStringLiteral("a@b\x02"));

    // The file dialog hands names over as text, where those bytes are already lost.
    const QString lost = files.path() + QStringLiteral("/caf\uFFFD.nk2");
    browse(lost);
    ASSERT_FALSE(banners.isEmpty());
    EXPECT_EQ(banners.last(), QStringLiteral("Could not open ") + lost +
                                  QStringLiteral(": its name cannot be represented here (it is "
                                                 "not valid UTF-8); drop the file onto the "
                                                 "window instead"));
    EXPECT_EQ(rows(), 1);
}

TEST_F(Drop, NeedsAChosenTypeLikeBrowse) {
    child<QCheckBox>(form, names::smtpBox)->setChecked(false);
    child<QCheckBox>(form, names::exchangeBox)->setChecked(false);
    quillet::platform::MessageBox::setNextAnswer(quillet::platform::MessageBox::Answer::Ok);
    EXPECT_EQ(drops(&form, *filesData({kSample})), Qt::CopyAction);
    EXPECT_EQ(quillet::platform::MessageBox::lastShown().text,
              QStringLiteral("You must choose an e-mail type!"));
    ASSERT_FALSE(banners.isEmpty());
    EXPECT_EQ(banners.last(), bannerOf(BannerMessage::DisplayingNoSelection));
    EXPECT_EQ(rows(), 0);
    EXPECT_TRUE(buttonsEnabled());
}

} // namespace
