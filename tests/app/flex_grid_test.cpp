#include "app/flex_grid.h"
#include "qt_printers.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using quillet::app::FlexGrid;

namespace {

QStringList rowTexts(const FlexGrid& grid, int row) {
    QStringList cells;
    for (int c = 0; c < FlexGrid::kColumns; ++c) {
        cells << grid.textMatrix(row, c);
    }
    return cells;
}

TEST(FlexGrid, AppendedTextIsSplitIntoFourColumns) {
    FlexGrid grid;
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

TEST(FlexGrid, CellsOutsideTheGridReadEmptyAndIgnoreWrites) {
    FlexGrid grid;
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

TEST(FlexGrid, CurrentCellSelectionAndRemoval) {
    FlexGrid grid;
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
    EXPECT_EQ(grid.columnCount(), FlexGrid::kColumns);
}

TEST(FlexGrid, TopRowFollowsRowsJustAppended) {
    FlexGrid grid;
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

TEST(FlexGrid, ClickingACellReportsAfterMakingItCurrent) {
    FlexGrid grid;
    grid.resize(400, 200);
    grid.show();
    grid.addItem(QStringLiteral("1\ta\tb\t"));
    grid.addItem(QStringLiteral("2\tc\td\t"));
    int clicks = 0;
    int rowAtClick = -1;
    QObject::connect(&grid, &FlexGrid::Click, [&] {
        ++clicks;
        rowAtClick = grid.row();
    });
    const QRect cell = grid.visualRect(grid.model()->index(1, 1));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(rowAtClick, 1);
    EXPECT_EQ(grid.text(), QStringLiteral("c"));
}

} // namespace
