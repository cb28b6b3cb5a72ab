#include "app/wheel_filter.h"
#include "desktop_window.h"
#include "platform/file_dialog.h"
#include "support/grid_cells.h"
#include "widgets/object_names.h"

#include <QApplication>
#include <QDialog>
#include <QScrollBar>
#include <QSpontaneKeyEvent>
#include <QWheelEvent>

using quillet::test::cellText;

namespace {

const QString kSample = QStringLiteral(QUILLET_EXAMPLES_DIR "/sample.nk2");

class DesktopKeys : public DesktopWindow {
protected:
    DesktopKeys() { EXPECT_TRUE(QTest::qWaitForWindowActive(&form)); }

    AddressGrid& grid() { return *child<AddressGrid>(form, names::addressGrid); }

    void browseSample() {
        quillet::platform::FileDialog::setNextFileName(kSample);
        child<QPushButton>(form, names::browseButton)->setFocus();
        QTest::keyClick(child<QPushButton>(form, names::browseButton), Qt::Key_Space);
        ASSERT_GT(grid().rows(), 5);
    }

    // One wheel notch toward the user over target, as the window system delivers it.
    void wheelOver(QWidget* target) {
        const QPointF at(target->width() / 2.0, target->height() / 2.0);
        QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&event);
        qApp->notify(target, &event);
    }
};

TEST_F(DesktopKeys, CtrlEExitsFromEveryControl) {
    QAction* exitAction = child<QAction>(form, names::exitAction);
    QObject::disconnect(exitAction, &QAction::triggered, nullptr, nullptr); // not the real end
    int exits = 0;
    QObject::connect(exitAction, &QAction::triggered, [&exits] { ++exits; });
    int expected = 0;
    for (const char* name : {names::exportPathEdit, names::searchEdit, names::clipboardEdit,
                             names::fileTypeBox, names::addressGrid, names::browseButton}) {
        SCOPED_TRACE(name);
        auto* control = child<QWidget>(form, name);
        control->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::ControlModifier);
        EXPECT_EQ(exits, ++expected);
    }
}

TEST_F(DesktopKeys, MenusOpenWithAltLetterAndF10) {
    for (const auto& [key, menu] :
         {std::pair{Qt::Key_F, names::fileMenu}, std::pair{Qt::Key_E, names::editMenu},
          std::pair{Qt::Key_G, names::sortMenu}, std::pair{Qt::Key_I, names::infoMenu}}) {
        SCOPED_TRACE(menu);
        QTest::keyClick(&form, key, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return child<QMenu>(form, menu)->isVisible(); }));
        QTest::keyClick(child<QMenu>(form, menu), Qt::Key_Escape);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !child<QMenu>(form, menu)->isVisible(); }));
    }
    QTest::keyClick(&form, Qt::Key_F10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return child<QMenu>(form, names::fileMenu)->isVisible(); }));
    QTest::keyClick(child<QMenu>(form, names::fileMenu), Qt::Key_Escape);
}

TEST_F(DesktopKeys, EscapeClosesHelpAndAboutEnterPressesTheDialogsMainButtons) {
    for (const char* item : {names::helpAction, names::aboutAction}) {
        child<QAction>(form, item)->trigger();
        auto* help = child<QWidget>(form, names::helpAboutWindow);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
        QTest::keyClick(help, Qt::Key_Escape);
        EXPECT_FALSE(help->isVisible()) << item;
    }

    const int before = grid().rows();
    QTest::mouseClick(child<QPushButton>(form, names::addButton), Qt::LeftButton);
    auto* add = child<QDialog>(form, names::addEntryDialog);
    QTest::keyClicks(child<QLineEdit>(*add, names::newNameEdit), QStringLiteral("Ana"));
    QTest::keyClicks(child<QLineEdit>(*add, names::newAddressEdit), QStringLiteral("ana@x.org"));
    QTest::keyClick(child<QLineEdit>(*add, names::newAddressEdit), Qt::Key_Return);
    EXPECT_FALSE(add->isVisible());
    ASSERT_EQ(grid().rows(), before + 1);
    EXPECT_EQ(cellText(grid(), before, 1), QStringLiteral("Ana"));

    grid().setCurrentCell({before, 1});
    QTest::mouseClick(child<QPushButton>(form, names::editButton), Qt::LeftButton);
    auto* edit = child<QDialog>(form, names::editEntryDialog);
    child<QLineEdit>(*edit, names::entryEdit)->selectAll();
    QTest::keyClicks(child<QLineEdit>(*edit, names::entryEdit), QStringLiteral("Bea"));
    QTest::keyClick(child<QLineEdit>(*edit, names::entryEdit), Qt::Key_Enter);
    EXPECT_FALSE(edit->isVisible());
    EXPECT_EQ(cellText(grid(), before, 1), QStringLiteral("Bea"));

    // Escape cancels instead.
    QTest::mouseClick(child<QPushButton>(form, names::addButton), Qt::LeftButton);
    QTest::keyClicks(child<QLineEdit>(*add, names::newNameEdit), QStringLiteral("Cy"));
    QTest::keyClick(child<QLineEdit>(*add, names::newNameEdit), Qt::Key_Escape);
    EXPECT_FALSE(add->isVisible());
    EXPECT_EQ(grid().rows(), before + 1);
}

TEST_F(DesktopKeys, BrowseLeavesTheFocusOnTheGridAndOnlyOneRowIsEverHighlighted) {
    browseSample();
    EXPECT_EQ(QApplication::focusWidget(), &grid());

    // A shift-click (or shift-arrow) past other rows highlights no range: the clicked row
    // alone is selected, and it is the one Remove takes and the banner counts.
    const auto cellCentre = [this](int row) {
        return grid().visualRect(grid().model()->index(row, 1)).center();
    };
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre(1));
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, Qt::ShiftModifier, cellCentre(4));
    QTest::keyClick(&grid(), Qt::Key_Down, Qt::ShiftModifier);
    const QModelIndexList selected = grid().selectionModel()->selectedIndexes();
    ASSERT_FALSE(selected.isEmpty());
    for (const QModelIndex& cell : selected) {
        EXPECT_EQ(cell.row(), grid().currentCell().row);
    }
    const int rows = grid().rows();
    const QString removed = cellText(grid(), grid().currentCell().row, 0);
    QTest::mouseClick(child<QPushButton>(form, names::removeButton), Qt::LeftButton);
    EXPECT_EQ(grid().rows(), rows - 1);
    for (int row = 0; row < grid().rows(); ++row) {
        EXPECT_NE(cellText(grid(), row, 0), removed);
    }
}

TEST_F(DesktopKeys, AWheelTurnOverTheFileTypeBoxScrollsTheFocusedGridAndKeepsThePath) {
    browseSample();
    auto* path = child<QLineEdit>(form, names::exportPathEdit);
    path->setText(QStringLiteral("/home/ana/typed by hand.csv"));
    auto* box = child<QComboBox>(form, names::fileTypeBox);
    box->addItems({QStringLiteral("CSV"), QStringLiteral("TAB")}); // as start-up does
    new quillet::app::WheelFilter(form, grid(), *box);             // likewise
    const QString type = box->currentText();
    grid().setFocus();
    wheelOver(box);
    wheelOver(box->lineEdit());
    EXPECT_EQ(path->text(), QStringLiteral("/home/ana/typed by hand.csv"));
    EXPECT_EQ(box->currentText(), type);
    EXPECT_EQ(QApplication::focusWidget(), &grid());
    EXPECT_EQ(grid().wheelTopRow(), 2);
}

} // namespace
