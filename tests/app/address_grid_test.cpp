#include "qt_printers.h"
#include "widgets/address_grid.h"

#include <QApplication>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

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

QStringList rowTexts(const AddressGrid& grid, int row) {
    QStringList cells;
    for (int c = 0; c < AddressGrid::kColumns; ++c) {
        cells << grid.textMatrix(row, c);
    }
    return cells;
}

TEST(AddressGrid, AppendedTextIsSplitIntoFourColumns) {
    AddressGrid grid;
    grid.addItem(QStringLiteral("1\tAnn Example\tann@example.com\t"));
    grid.addItem(QStringLiteral("2\tonly a name"));
    grid.addItem(QStringLiteral("3\ta\tb\tc\tdropped\tand this"));
    grid.addItem(QString());
    grid.addItem(QStringLiteral("5\tNa") + QChar(u'\0') + QStringLiteral("me\tx@y") + QChar(u'\0') +
                 QStringLiteral("\t"));
    grid.addItem(QStringLiteral("6\tZoë Ünïcode\tzoe@example.com\t"));
    ASSERT_EQ(grid.rows(), 6);
    EXPECT_EQ(rowTexts(grid, 0), QStringList({"1", "Ann Example", "ann@example.com", ""}));
    EXPECT_EQ(rowTexts(grid, 1), QStringList({"2", "only a name", "", ""}));
    EXPECT_EQ(rowTexts(grid, 2), QStringList({"3", "a", "b", "c"}));
    EXPECT_EQ(rowTexts(grid, 3), QStringList({"", "", "", ""}));
    EXPECT_EQ(rowTexts(grid, 4), QStringList({"5", "Na", "x@y", ""}));
    EXPECT_EQ(rowTexts(grid, 5),
              QStringList({"6", QStringLiteral("Zoë Ünïcode"), "zoe@example.com", ""}));
}

TEST(AddressGrid, CellsOutsideTheGridReadEmptyAndIgnoreWrites) {
    AddressGrid grid;
    EXPECT_EQ(grid.text(), QString());
    grid.setText(QStringLiteral("x")); // no rows: nothing to write
    EXPECT_EQ(grid.rows(), 0);
    grid.addItem(QStringLiteral("1\ta\tb\t"));
    EXPECT_EQ(grid.textMatrix(1, 0), QString());
    EXPECT_EQ(grid.textMatrix(0, 4), QString());
    EXPECT_EQ(grid.textMatrix(-1, 0), QString());
    grid.setTextMatrix(5, 1, QStringLiteral("ignored"));
    grid.setTextMatrix(0, 2, QStringLiteral("new") + QChar(u'\0') + QStringLiteral("cut"));
    EXPECT_EQ(grid.textMatrix(0, 2), QStringLiteral("new"));
}

TEST(AddressGrid, CurrentCellSelectionAndRemoval) {
    AddressGrid grid;
    for (int i = 1; i <= 5; ++i) {
        grid.addItem(QStringLiteral("%1\tname%1\taddr%1\t").arg(i));
    }
    EXPECT_EQ(grid.row(), 0);
    EXPECT_EQ(grid.col(), 0);
    grid.selectRange(3, 2, 3, 3);
    EXPECT_EQ(grid.row(), 3);
    EXPECT_EQ(grid.col(), 2);
    EXPECT_EQ(grid.rowSel(), 3);
    EXPECT_EQ(grid.colSel(), 3);
    EXPECT_EQ(grid.text(), QStringLiteral("addr4"));
    grid.setText(QStringLiteral("changed"));
    EXPECT_EQ(grid.textMatrix(3, 2), QStringLiteral("changed"));

    grid.setCurrent(1, 1);
    EXPECT_EQ(grid.text(), QStringLiteral("name2"));
    grid.removeItem(1);
    grid.removeItem(9);
    ASSERT_EQ(grid.rows(), 4);
    EXPECT_EQ(grid.textMatrix(1, 0), QStringLiteral("3")); // nothing renumbered
    grid.setRows(0);
    EXPECT_EQ(grid.rows(), 0);
    EXPECT_EQ(grid.columnCount(), AddressGrid::kColumns);
}

TEST(AddressGrid, TopRowFollowsRowsJustAppended) {
    AddressGrid grid;
    grid.resize(300, 200);
    grid.show();
    for (int i = 0; i < 100; ++i) {
        grid.addItem(QStringLiteral("%1\tn\ta\t").arg(i + 1));
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
    grid.addItem(QStringLiteral("1\ta\tb\t"));
    grid.addItem(QStringLiteral("2\tc\td\t"));
    int clicks = 0;
    int rowAtClick = -1;
    QObject::connect(&grid, &AddressGrid::clickedByUser, [&] {
        ++clicks;
        rowAtClick = grid.row();
    });
    const QRect cell = grid.visualRect(grid.model()->index(1, 1));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(rowAtClick, 1);
    EXPECT_EQ(grid.text(), QStringLiteral("c"));
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
            for (int c = 0; c < AddressGrid::kColumns; ++c) {
                cells << grid.textMatrix(r, c);
            }
            reference.addItem(cells.join(u'\t'));
        }
        settle();
        reference.verticalScrollBar()->setValue(grid.verticalScrollBar()->value());
        settle();
        return onScreen(grid) == onScreen(reference);
    };
    int cellPaints = 0;
    PaintCounter counter(grid.viewport(), cellPaints);
    for (int i = 0; i < 60; ++i) {
        grid.addItem(QStringLiteral("%1\tname%1\taddr%1\t").arg(i + 1));
        settle();
        if (i == 4) {
            EXPECT_TRUE(showsItsRows());
        }
    }
    const int paintsWhileFilling = cellPaints;
    EXPECT_LT(paintsWhileFilling, 30); // one per row only while rows land in sight

    grid.addItem(QStringLiteral("61\tlast\taddr61\t"));
    settle();
    EXPECT_EQ(cellPaints, paintsWhileFilling);
    EXPECT_TRUE(showsItsRows());

    // Changes in sight next to an append, before the layout runs, still show.
    grid.addItem(QStringLiteral("62\tx\ty\t"));
    grid.setTextMatrix(0, 1, QStringLiteral("changed"));
    settle();
    EXPECT_GT(cellPaints, paintsWhileFilling);
    EXPECT_TRUE(showsItsRows());
    grid.removeItem(1);
    grid.addItem(QStringLiteral("63\tx\ty\t"));
    settle();
    EXPECT_TRUE(showsItsRows());
    grid.addItem(QStringLiteral("64\tx\ty\t"));
    grid.removeItem(1);
    settle();
    EXPECT_TRUE(showsItsRows());

    grid.setTopRow(61);
    settle();
    EXPECT_TRUE(showsItsRows());
}

} // namespace
