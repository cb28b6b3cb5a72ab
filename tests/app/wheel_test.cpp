#include "app/flex_grid.h"
#include "app/form1.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSpontaneKeyEvent>
#include <QWheelEvent>
#include <gtest/gtest.h>

using quillet::app::Form1;

namespace {

class Wheel : public ::testing::Test {
protected:
    Wheel() {
        form.show();
        form.resetGrid();
        for (int i = 1; i <= kRows; ++i) {
            form.MSFlexGrid1->addItem(QStringLiteral("%1\tname\taddress\t").arg(i));
        }
        form.installWheelScrolling();
        form.MSFlexGrid1->setFocus();
    }

    // One wheel notch (or part of one) as the window system delivers it to the widget under
    // the pointer; returns whether anyone took it.
    bool turn(QWidget* target, int distance) {
        const QPointF at(target->width() / 2.0, target->height() / 2.0);
        QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, distance), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&event);
        qApp->notify(target, &event);
        return event.isAccepted();
    }

    static constexpr int kRows = 60;
    Form1 form;
};

TEST_F(Wheel, OneRowPerWheelEventWhileTheGridHasTheFocus) {
    QWidget* viewport = form.MSFlexGrid1->viewport();
    ASSERT_EQ(form.focusWidget(), form.MSFlexGrid1);

    EXPECT_TRUE(turn(viewport, -120)); // toward the user
    EXPECT_EQ(form.GridTopRow, 1);
    EXPECT_EQ(form.MSFlexGrid1->topRow(), 1);

    turn(viewport, -360); // a big turn is still one event, one row
    EXPECT_EQ(form.GridTopRow, 2);
    EXPECT_EQ(form.MSFlexGrid1->topRow(), 2);

    turn(viewport, -15); // a small one too
    EXPECT_EQ(form.GridTopRow, 3);

    turn(viewport, 0); // no distance counts as away from the user
    EXPECT_EQ(form.GridTopRow, 2);
    turn(viewport, 120);
    turn(viewport, 120);
    EXPECT_EQ(form.GridTopRow, 0);
    EXPECT_EQ(form.MSFlexGrid1->topRow(), 0);

    turn(viewport, 120); // at the top: nothing moves
    EXPECT_EQ(form.GridTopRow, 0);
    EXPECT_EQ(form.MSFlexGrid1->topRow(), 0);
}

TEST_F(Wheel, StopsAtTheLastRow) {
    form.GridTopRow = kRows - 1;
    turn(form.MSFlexGrid1->viewport(), -120);
    EXPECT_EQ(form.GridTopRow, kRows - 1);
    turn(form.MSFlexGrid1->viewport(), 120);
    EXPECT_EQ(form.GridTopRow, kRows - 2);
}

TEST_F(Wheel, ScrollBarsAndTheRestOfTheWindowScrollTheFocusedGridByOneRow) {
    turn(form.MSFlexGrid1->verticalScrollBar(), -120);
    EXPECT_EQ(form.GridTopRow, 1);
    EXPECT_EQ(form.MSFlexGrid1->topRow(), 1);
    turn(form.Label5, -120); // a label ignores the wheel: it reaches the window
    EXPECT_EQ(form.GridTopRow, 2);
    EXPECT_EQ(form.MSFlexGrid1->topRow(), 2);
}

TEST_F(Wheel, NothingScrollsWhileAnotherControlHasTheFocus) {
    form.Text2->setFocus();
    ASSERT_EQ(form.focusWidget(), form.Text2);
    EXPECT_TRUE(turn(form.MSFlexGrid1->viewport(), -120));
    turn(form.MSFlexGrid1->verticalScrollBar(), -120);
    turn(form.Text2, -120);
    EXPECT_EQ(form.GridTopRow, 0);
    EXPECT_EQ(form.MSFlexGrid1->topRow(), 0);
}

TEST_F(Wheel, OtherControlsKeepTheirOwnWheelHandling) {
    form.Combo1->addItem(QStringLiteral("CSV"));
    form.Combo1->addItem(QStringLiteral("TAB"));
    form.Combo1->setFocus();
    turn(form.Combo1, -120);
    EXPECT_EQ(form.Combo1->currentIndex(), 1);
    EXPECT_EQ(form.GridTopRow, 0);
}

TEST_F(Wheel, CounterNeverPassesItsSixteenBitTop) {
    form.GridTopRow = 32767;
    form.MSFlexGrid1->setRows(40000);
    form.MSFlexGrid1->setFocus();
    turn(form.MSFlexGrid1->viewport(), -120);
    EXPECT_EQ(form.GridTopRow, 32767);
}

} // namespace
