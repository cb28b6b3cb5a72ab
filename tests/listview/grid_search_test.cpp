#include "list_window.h"
#include "listview/edit_entry_dialog.h"
#include "platform/beep.h"
#include "support/grid_cells.h"
#include "support/qt_printers.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using quillet::test::cellText;

using quillet::listview::EditEntryDialog;
using quillet::platform::beepCount;

namespace {

QString selected(int rows, int position) {
    return QStringLiteral("Finished reading file, %1 e-mail addresses found.").arg(rows) +
           QString(88, QLatin1Char(' ')) +
           QStringLiteral("Selected %1 of %2").arg(position).arg(rows);
}

class GridClick : public ListWindow {};

TEST_F(GridClick, ReportsThePositionAfterARemovalWhileColumnZeroKeepsItsNumber) {
    fillTo(57);
    clickCell(2, 1);
    EXPECT_EQ(banner(), selected(57, 3));
    EXPECT_EQ(child<QLineEdit>(form, names::clipboardEdit)->text(), "Person 3");

    clickCell(0, 2);
    child<QPushButton>(form, names::removeButton)->click();
    ASSERT_EQ(grid().rows(), 56);
    clickCell(1, 1);
    EXPECT_EQ(banner(), selected(56, 2));
    EXPECT_EQ(cellText(grid(), 1, 0), "3");
    EXPECT_EQ(child<QLineEdit>(form, names::clipboardEdit)->text(), "Person 3");
}

TEST_F(GridClick, CopiesTheCellIntoTheEditDialogCreatedHidden) {
    fillTo(3);
    ASSERT_EQ(form.findChild<EditEntryDialog*>(), nullptr);
    clickCell(1, 2);
    auto* dialog = form.findChild<EditEntryDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(child<QLineEdit>(*dialog, names::entryEdit)->text(), "person.2@example.org");
    clickCell(2, 0);
    EXPECT_EQ(child<QLineEdit>(*dialog, names::entryEdit)->text(), "3");
    EXPECT_EQ(form.findChildren<EditEntryDialog*>().size(), 1);
}

TEST_F(GridClick, TakesTheTopRowIntoTheWheelCounter) {
    fillTo(80);
    grid().setTopRow(20);
    ASSERT_EQ(grid().topRow(), 20);
    clickVisibleCell(22, 1);
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->wheelTopRow(), 20);
    EXPECT_EQ(banner(), selected(80, 23));
}

TEST_F(GridClick, KeyboardMovesLeaveTheStatusAsTheLastClickSetIt) {
    fillTo(5);
    clickCell(0, 1);
    QTest::keyClick(&grid(), Qt::Key_Down);
    EXPECT_EQ(grid().currentCell().row, 1);
    EXPECT_EQ(banner(), selected(5, 1));
    EXPECT_EQ(child<QLineEdit>(form, names::clipboardEdit)->text(), "Person 1");
}

TEST_F(GridClick, DoesNothingOnAnEmptyGrid) {
    child<QLineEdit>(form, names::clipboardEdit)->setText(QStringLiteral("kept"));
    const QString before = banner();
    emit grid().clickedByUser();
    QTest::mouseClick(grid().viewport(), Qt::LeftButton);
    EXPECT_EQ(banner(), before);
    EXPECT_EQ(child<QLineEdit>(form, names::clipboardEdit)->text(), "kept");
    EXPECT_EQ(form.findChild<EditEntryDialog*>(), nullptr);
}

TEST_F(GridClick, ClampsTheWheelCounterPastSixteenBits) {
    fillTo(33000);
    grid().setTopRow(32900);
    ASSERT_EQ(grid().topRow(), 32900);
    clickVisibleCell(32901, 1);
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->wheelTopRow(), 32767);
    EXPECT_EQ(banner(), selected(33000, 32902));

    // The search reaches rows past the 16-bit range too.
    child<QLineEdit>(form, names::searchEdit)->setText(QStringLiteral("person 32990"));
    EXPECT_EQ(grid().currentCell().row, 32989);
}

class Search : public ListWindow {
protected:
    Search() {
        addRows({{"Alice Smith", "alice@example.org"},
                 {"BOB JONES", "bob@example.com"},
                 {"Bob Jones", "Bobby@Example.com"},
                 {"Carol", "carol@example.net"}});
        fillTo(100); // enough rows for a found row to scroll to the top
        clickInto(child<QLineEdit>(form, names::searchEdit));
    }

    // Types the text key by key into the search box; returns the beeps it caused.
    int type(const QString& text) {
        const int before = beepCount();
        QTest::keyClicks(child<QLineEdit>(form, names::searchEdit), text);
        return beepCount() - before;
    }

    void expectFound(int row, int column) {
        EXPECT_EQ(grid().currentCell().row, row);
        EXPECT_EQ(grid().currentCell().column, column);
        EXPECT_EQ(grid().selectionCorner().row, row);
        EXPECT_EQ(grid().selectionCorner().column, 3);
        EXPECT_EQ(grid().topRow(), row);
    }
};

TEST_F(Search, FindsAWholeNameTypedInAnyCaseBeepingUntilItIsWhole) {
    ASSERT_EQ(child<QLineEdit>(form, names::searchEdit)->text(), "");
    // "b", "bo", ... "bob jone" match no whole name: one beep each; "bob jones" matches.
    EXPECT_EQ(type(QStringLiteral("bob jones")), 8);
    expectFound(1, 1); // the upper one of the two equal names
}

TEST_F(Search, NeedsTheWholeTextAndCountsBlanks) {
    EXPECT_EQ(type(QStringLiteral("alice")), 5);
    child<QLineEdit>(form, names::searchEdit)->clear();
    // The eleventh key completes the name; the trailing blank then makes it no match.
    EXPECT_EQ(type(QStringLiteral("Alice Smith ")), 11);
    child<QLineEdit>(form, names::searchEdit)->clear();
    EXPECT_EQ(type(QStringLiteral("ALICE SMITH")), 10);
    expectFound(0, 1); // the first row is found like any other
}

TEST_F(Search, LooksInTheAddressColumnWithTheEmailOption) {
    child<QRadioButton>(form, names::searchByAddress)->click();
    EXPECT_EQ(type(QStringLiteral("Carol")), 5);
    child<QLineEdit>(form, names::searchEdit)->clear();
    const int before = beepCount();
    child<QLineEdit>(form, names::searchEdit)->setText(QStringLiteral("bobby@example.COM"));
    EXPECT_EQ(beepCount(), before);
    expectFound(2, 2);
}

TEST_F(Search, WritesNeitherBannerNorClipboardBoxNorWheelCounter) {
    clickCell(3, 1);
    const QString status = banner();
    child<QLineEdit>(form, names::searchEdit)->setText(QStringLiteral("person 50"));
    expectFound(49, 1);
    EXPECT_EQ(banner(), status);
    EXPECT_EQ(child<QLineEdit>(form, names::clipboardEdit)->text(), "Carol");
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->wheelTopRow(), 0);
    // Clicking the found row shows its status.
    clickCell(49, 1);
    EXPECT_EQ(banner(), selected(100, 50));
}

TEST_F(Search, EmptyTextIsSilentAndAnEmptyGridBeeps) {
    child<QLineEdit>(form, names::searchEdit)->setText(QStringLiteral("Carol"));
    int before = beepCount();
    child<QLineEdit>(form, names::searchEdit)->clear();
    EXPECT_EQ(beepCount(), before);

    child<AddressGrid>(form, names::addressGrid)->resetList();
    child<QLineEdit>(form, names::searchEdit)->setText(QStringLiteral("Carol"));
    EXPECT_EQ(beepCount(), before + 1);
}

class SearchBox : public ListWindow {};

TEST_F(SearchBox, AClickEmptiesOnlyThePlaceholder) {
    ASSERT_EQ(child<QLineEdit>(form, names::searchEdit)->text(),
              "Type a name or e-mail address...");
    const int before = beepCount();
    clickInto(child<QLineEdit>(form, names::searchEdit));
    EXPECT_EQ(child<QLineEdit>(form, names::searchEdit)->text(), "");
    clickInto(child<QLineEdit>(form, names::searchEdit));
    EXPECT_EQ(child<QLineEdit>(form, names::searchEdit)->text(), "");
    EXPECT_EQ(beepCount(), before);

    child<QLineEdit>(form, names::searchEdit)
        ->setText(QStringLiteral("type a name or e-mail address..."));
    clickInto(child<QLineEdit>(form, names::searchEdit));
    EXPECT_EQ(child<QLineEdit>(form, names::searchEdit)->text(),
              "type a name or e-mail address...");
}

} // namespace
