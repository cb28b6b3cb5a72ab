#include "support/grid_cells.h"
#include "support/qt_printers.h"
#include "widgets/address_grid.h"

#include <QApplication>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using quillet::test::appendRowText;
using quillet::test::cellText;
using quillet::test::setCellText;
using quillet::widgets::AddressGrid;

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    PaintCounter(QWidget* widget, int& count) : count_(count) { widget->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        count_ += event->type() == QEvent::Paint;
        return false;
    }

private:
    int& count_;
};

TEST(AddressGrid, CellsOutsideTheGridReadEmptyAndIgnoreWrites) {
    AddressGrid grid;
    EXPECT_EQ(grid.currentText(), QString());
    grid.setCurrentText(QStringLiteral("x")); // no rows: nothing to write
    EXPECT_EQ(grid.rows(), 0);
    appendRowText(grid, QStringLiteral("1\ta\tb\t"));
    EXPECT_EQ(cellText(grid, 1, 0), QString());
    EXPECT_EQ(cellText(grid, 0, 4), QString());
    EXPECT_EQ(cellText(grid, -1, 0), QString());
    setCellText(grid, 5, 1, QStringLiteral("ignored"));
    setCellText(grid, 0, 2, QStringLiteral("new") + QChar(u'\0') + QStringLiteral("cut"));
    EXPECT_EQ(cellText(grid, 0, 2), QStringLiteral("new"));
}

TEST(AddressGrid, CurrentCellSelectionAndRemoval) {
    AddressGrid grid;
    for (int i = 1; i <= 5; ++i) {
        appendRowText(grid, QStringLiteral("%1\tname%1\taddr%1\t").arg(i));
    }
    EXPECT_EQ(grid.currentCell().row, 0);
    EXPECT_EQ(grid.currentCell().column, 0);
    grid.selectRange({3, 2}, {3, 3});
    EXPECT_EQ(grid.currentCell().row, 3);
    EXPECT_EQ(grid.currentCell().column, 2);
    EXPECT_EQ(grid.selectionCorner().row, 3);
    EXPECT_EQ(grid.selectionCorner().column, 3);
    EXPECT_EQ(grid.currentText(), QStringLiteral("addr4"));
    grid.setCurrentText(QStringLiteral("changed"));
    EXPECT_EQ(cellText(grid, 3, 2), QStringLiteral("changed"));

    grid.setCurrentCell({1, 1});
    EXPECT_EQ(grid.currentText(), QStringLiteral("name2"));
    grid.addresses().remove(1);
    grid.addresses().remove(9);
    ASSERT_EQ(grid.rows(), 4);
    EXPECT_EQ(cellText(grid, 1, 0), QStringLiteral("3")); // nothing renumbered
    grid.addresses().clear();
    EXPECT_EQ(grid.rows(), 0);
    EXPECT_EQ(grid.addresses().columnCount(), quillet::core::kColumnCount);
}

TEST(AddressGrid, TopRowFollowsRowsJustAppended) {
    AddressGrid grid;
    grid.resize(300, 200);
    grid.show();
    for (int i = 0; i < 100; ++i) {
        appendRowText(grid, QStringLiteral("%1\tn\ta\t").arg(i + 1));
    }
    grid.setTopRow(40);
    EXPECT_EQ(grid.topRow(), 40);
    grid.setTopRow(0);
    EXPECT_EQ(grid.topRow(), 0);
    grid.setTopRow(99); // as far as the grid allows: the last row stays on the last line
    EXPECT_GT(grid.topRow(), 40);
    EXPECT_LT(grid.topRow(), 99);
}

TEST(AddressGrid, ClickingACellReportsAfterMakingItCurrent) {
    AddressGrid grid;
    grid.resize(400, 200);
    grid.show();
    appendRowText(grid, QStringLiteral("1\ta\tb\t"));
    appendRowText(grid, QStringLiteral("2\tc\td\t"));
    int clicks = 0;
    int rowAtClick = -1;
    QObject::connect(&grid, &AddressGrid::clickedByUser, [&] {
        ++clicks;
        rowAtClick = grid.currentCell().row;
    });
    const QRect cell = grid.visualRect(grid.model()->index(1, 1));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(rowAtClick, 1);
    EXPECT_EQ(grid.currentText(), QStringLiteral("c"));
}

// What the window shows: the offscreen platform grabs its backing store, which holds only what
// was painted (QWidget::grab would paint afresh).
QImage onScreen(QWidget& widget) {
    return widget.screen()->grabWindow(widget.winId()).toImage();
}

// Runs the layouts and the repaints they ask for.
void settle() {
    for (int round = 0; round < 3; ++round) {
        QApplication::processEvents();
    }
}

// Rows appended below the visible ones leave the visible cells unpainted, yet the grid shows
// exactly what a grid filled in one go shows; a change in sight still repaints them.
TEST(AddressGrid, AppendingOutOfSightRepaintsNoVisibleCell) {
    // Neither grid takes the focus, so neither shows a current cell.
    const auto showGrid = [](AddressGrid& grid) {
        grid.setFocusPolicy(Qt::NoFocus);
        grid.resize(300, 200);
        grid.show();
    };
    AddressGrid grid;
    showGrid(grid);
    // Whether the window shows what a grid filled in one go with the same rows shows.
    const auto showsItsRows = [&] {
        AddressGrid reference;
        showGrid(reference);
        for (int r = 0; r < grid.rows(); ++r) {
            QStringList cells;
            for (int c = 0; c < quillet::core::kColumnCount; ++c) {
                cells << cellText(grid, r, c);
            }
            appendRowText(reference, cells.join(u'\t'));
        }
        settle();
        reference.verticalScrollBar()->setValue(grid.verticalScrollBar()->value());
        settle();
        return onScreen(grid) == onScreen(reference);
    };
    int cellPaints = 0;
    PaintCounter counter(grid.viewport(), cellPaints);
    for (int i = 0; i < 60; ++i) {
        appendRowText(grid, QStringLiteral("%1\tname%1\taddr%1\t").arg(i + 1));
        settle();
        if (i == 4) {
            EXPECT_TRUE(showsItsRows());
        }
    }
    const int paintsWhileFilling = cellPaints;
    EXPECT_LT(paintsWhileFilling, 30); // one per row only while rows land in sight

    appendRowText(grid, QStringLiteral("61\tlast\taddr61\t"));
    settle();
    EXPECT_EQ(cellPaints, paintsWhileFilling);
    EXPECT_TRUE(showsItsRows());

    // Changes in sight next to an append, before the layout runs, still show.
    appendRowText(grid, QStringLiteral("62\tx\ty\t"));
    setCellText(grid, 0, 1, QStringLiteral("changed"));
    settle();
    EXPECT_GT(cellPaints, paintsWhileFilling);
    EXPECT_TRUE(showsItsRows());
    grid.addresses().remove(1);
    appendRowText(grid, QStringLiteral("63\tx\ty\t"));
    settle();
    EXPECT_TRUE(showsItsRows());
    appendRowText(grid, QStringLiteral("64\tx\ty\t"));
    grid.addresses().remove(1);
    settle();
    EXPECT_TRUE(showsItsRows());

    grid.setTopRow(61);
    settle();
    EXPECT_TRUE(showsItsRows());
}

} // namespace
