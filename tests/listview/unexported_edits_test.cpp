#include "list_window.h"
#include "platform/cooperative_wait.h"
#include "platform/message_box.h"

#include <QCloseEvent>
#include <QTemporaryDir>
#include <cstdlib>

using quillet::platform::MessageBox;

namespace {

// Exit, closing the window and Clear ask only when rows were added, edited or removed by hand
// since the last export.
class UnexportedEdits : public ListWindow {
protected:
    UnexportedEdits() {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        quillet::platform::setWaitTickLength(std::chrono::nanoseconds(1)); // export's pauses
    }
    ~UnexportedEdits() override { quillet::platform::setWaitTickLength(savedTick); }

    void addByHand(const char* name) {
        child<QPushButton>(form, names::addButton)->click();
        child<QLineEdit>(form, names::newNameEdit)->setText(QString::fromLatin1(name));
        child<QPushButton>(form, names::confirmAddButton)->click();
    }

    void exitAndReportSurvival() {
        child<QAction>(form, names::exitAction)->trigger();
        std::_Exit(kStillRunning);
    }

    static constexpr int kStillRunning = 3;
    std::chrono::nanoseconds savedTick = quillet::platform::waitTickLength();
};

TEST_F(UnexportedEdits, LoadedRowsAloneNeverAsk) {
    addRows({{"Ann", "ann@example.org"}, {"Bo", "bo@example.org"}});
    const int shown = MessageBox::shownCount();
    child<QPushButton>(form, names::clearButton)->click();
    EXPECT_EQ(MessageBox::shownCount(), shown);
    EXPECT_EQ(grid().rows(), 0);
    addRows({{"Ann", "ann@example.org"}});
    EXPECT_EXIT(exitAndReportSurvival(), ::testing::ExitedWithCode(0), "");
}

TEST_F(UnexportedEdits, ClearAsksAfterAnAddAndNoKeepsTheRows) {
    addRows({{"Ann", "ann@example.org"}});
    addByHand("Zoe");
    ASSERT_EQ(grid().rows(), 2);

    MessageBox::setNextAnswer(MessageBox::Answer::No);
    child<QPushButton>(form, names::clearButton)->click();
    EXPECT_TRUE(MessageBox::lastShown().text.endsWith(QStringLiteral("Clear the list anyway?")));
    EXPECT_EQ(grid().rows(), 2);
    EXPECT_EQ(child<QLabel>(form, names::entryCount)->text(), "2");

    MessageBox::setNextAnswer(MessageBox::Answer::Yes);
    child<QAction>(form, names::clearAction)->trigger();
    EXPECT_EQ(grid().rows(), 0);

    // An emptied list has nothing left to lose.
    const int shown = MessageBox::shownCount();
    child<QPushButton>(form, names::clearButton)->click();
    EXPECT_EQ(MessageBox::shownCount(), shown);
}

TEST_F(UnexportedEdits, EditAndRemoveCountAsChangesAndExitAsks) {
    addRows({{"Ann", "ann@example.org"}, {"Bo", "bo@example.org"}});
    clickCell(0, 1);
    child<QPushButton>(form, names::removeButton)->click();
    MessageBox::setNextAnswer(MessageBox::Answer::No);
    child<QAction>(form, names::exitAction)->trigger(); // returns: the process goes on
    EXPECT_TRUE(MessageBox::lastShown().text.endsWith(QStringLiteral("Exit anyway?")));

    MessageBox::setNextAnswer(MessageBox::Answer::No);
    QCloseEvent close;
    QApplication::sendEvent(&form, &close);
    EXPECT_FALSE(close.isAccepted());
    EXPECT_TRUE(form.isVisible());

    MessageBox::setNextAnswer(MessageBox::Answer::Yes);
    EXPECT_EXIT(exitAndReportSurvival(), ::testing::ExitedWithCode(0), "");
}

TEST_F(UnexportedEdits, SavingAnEditAsksAndASuccessfulExportEndsTheQuestion) {
    QTemporaryDir folder;
    addRows({{"Ann", "ann@example.org"}});
    clickCell(0, 2);
    child<QPushButton>(form, names::editButton)->click();
    child<QLineEdit>(form, names::entryEdit)->setText(QStringLiteral("ann@example.net"));
    child<QPushButton>(form, names::saveToListButton)->click();

    // A declined export keeps the question.
    MessageBox::setNextAnswer(MessageBox::Answer::No);
    child<QPushButton>(form, names::exportButton)->click();
    MessageBox::setNextAnswer(MessageBox::Answer::No);
    child<QPushButton>(form, names::clearButton)->click();
    EXPECT_EQ(grid().rows(), 1);

    child<QLineEdit>(form, names::exportPathEdit)->setText(folder.filePath("out.csv"));
    MessageBox::setNextAnswer(MessageBox::Answer::Yes);
    child<QPushButton>(form, names::exportButton)->click();
    const int shown = MessageBox::shownCount();
    child<QPushButton>(form, names::clearButton)->click();
    EXPECT_EQ(MessageBox::shownCount(), shown);
    EXPECT_EQ(grid().rows(), 0);
}

} // namespace
