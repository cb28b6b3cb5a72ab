#include "app/main_window.h"
#include "app/wheel_filter.h"
#include "support/find_child.h"
#include "support/grid_cells.h"
#include "widgets/address_grid.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSpontaneKeyEvent>
#include <QWheelEvent>
#include <gtest/gtest.h>

using quillet::app::MainWindow;

namespace {

class Wheel : public ::testing::Test {
protected:
    Wheel() {
        form.show();
        child<AddressGrid>(form, names::addressGrid)->resetList();
        for (int i = 1; i <= kRows; ++i) {
            quillet::test::appendRowText(*child<AddressGrid>(form, names::addressGrid),
                                         QStringLiteral("%1\tname\taddress\t").arg(i));
        }
        new quillet::app::WheelFilter(form, *child<AddressGrid>(form, names::addressGrid),
                                      *child<QComboBox>(form, names::fileTypeBox));
        child<AddressGrid>(form, names::addressGrid)->setFocus();
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
    MainWindow form;
};

TEST_F(Wheel, OneRowPerWheelEventWhileTheGridHasTheFocus) {
    QWidget* viewport = child<AddressGrid>(form, names::addressGrid)->viewport();
    ASSERT_EQ(form.focusWidget(), child<AddressGrid>(form, names::addressGrid));

    EXPECT_TRUE(turn(viewport, -120)); // toward the user
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->wheelTopRow(), 1);
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->topRow(), 1);

    turn(viewport, -360); // a big turn is still one event, one row
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->wheelTopRow(), 2);
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->topRow(), 2);

    turn(viewport, -15); // a small one too
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->wheelTopRow(), 3);

    turn(viewport, 0); // no distance counts as away from the user
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->wheelTopRow(), 2);
    turn(viewport, 120);
    turn(viewport, 120);
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->wheelTopRow(), 0);
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->topRow(), 0);

    turn(viewport, 120); // at the top: nothing moves
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->wheelTopRow(), 0);
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->topRow(), 0);
}

TEST_F(Wheel, StopsAtTheLastRow) {
    child<AddressGrid>(form, names::addressGrid)->setWheelTopRow(kRows - 1);
    turn(child<AddressGrid>(form, names::addressGrid)->viewport(), -120);
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->wheelTopRow(), kRows - 1);
    turn(child<AddressGrid>(form, names::addressGrid)->viewport(), 120);
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->wheelTopRow(), kRows - 2);
}

TEST_F(Wheel, ScrollBarsAndTheRestOfTheWindowScrollTheFocusedGridByOneRow) {
    turn(child<AddressGrid>(form, names::addressGrid)->verticalScrollBar(), -120);
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->wheelTopRow(), 1);
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->topRow(), 1);
    turn(child<QLabel>(form, names::entryCount),
         -120); // a label ignores the wheel: it reaches the window
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->wheelTopRow(), 2);
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->topRow(), 2);
}

TEST_F(Wheel, NothingScrollsWhileAnotherControlHasTheFocus) {
    child<QLineEdit>(form, names::searchEdit)->setFocus();
    ASSERT_EQ(form.focusWidget(), child<QLineEdit>(form, names::searchEdit));
    EXPECT_TRUE(turn(child<AddressGrid>(form, names::addressGrid)->viewport(), -120));
    turn(child<AddressGrid>(form, names::addressGrid)->verticalScrollBar(), -120);
    turn(child<QLineEdit>(form, names::searchEdit), -120);
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->wheelTopRow(), 0);
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->topRow(), 0);
}

TEST_F(Wheel, OtherControlsKeepTheirOwnWheelHandling) {
    child<QComboBox>(form, names::fileTypeBox)->addItem(QStringLiteral("CSV"));
    child<QComboBox>(form, names::fileTypeBox)->addItem(QStringLiteral("TAB"));
    child<QComboBox>(form, names::fileTypeBox)->setFocus();
    turn(child<QComboBox>(form, names::fileTypeBox), -120);
    EXPECT_EQ(child<QComboBox>(form, names::fileTypeBox)->currentIndex(), 1);
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->wheelTopRow(), 0);
}

TEST_F(Wheel, ATurnOverTheFileTypeBoxIsNeverAPick) {
    auto* box = child<QComboBox>(form, names::fileTypeBox);
    box->addItem(QStringLiteral("CSV"));
    box->addItem(QStringLiteral("TAB"));
    int picks = 0;
    QObject::connect(box, &QComboBox::activated, [&picks] { ++picks; });
    child<AddressGrid>(form, names::addressGrid)->setFocus();

    // The grid has the focus: the turn scrolls the grid wherever the pointer is.
    EXPECT_TRUE(turn(box, -120));
    EXPECT_TRUE(turn(box->lineEdit(), -120));
    EXPECT_EQ(box->currentIndex(), 0);
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->wheelTopRow(), 2);

    // The box has it: the type steps on, still without a pick.
    box->setFocus();
    turn(box, -120);
    turn(box, -120); // past the last type: stays
    EXPECT_EQ(box->currentIndex(), 1);
    turn(box, 120);
    EXPECT_EQ(box->currentIndex(), 0);
    EXPECT_EQ(picks, 0);
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->wheelTopRow(), 2);
}

TEST_F(Wheel, CounterNeverPassesItsSixteenBitTop) {
    child<AddressGrid>(form, names::addressGrid)->setWheelTopRow(32767);
    child<AddressGrid>(form, names::addressGrid)
        ->addresses()
        .append(quillet::core::AddressRows(40000));
    child<AddressGrid>(form, names::addressGrid)->setFocus();
    turn(child<AddressGrid>(form, names::addressGrid)->viewport(), -120);
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->wheelTopRow(), 32767);
}

} // namespace
