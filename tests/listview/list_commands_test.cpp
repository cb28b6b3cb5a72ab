#include "list_window.h"
#include "listview/add_entry_dialog.h"
#include "listview/edit_entry_dialog.h"
#include "support/grid_cells.h"
#include "support/qt_printers.h"
#include "widgets/frame_line.h"
#include "widgets/twips.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

using quillet::listview::AddEntryDialog;
using quillet::listview::EditEntryDialog;
using quillet::widgets::twipsRect;

namespace {

// The widgets that take the focus by Tab, in order, starting at the first.
QList<QWidget*> tabChain(QWidget* first) {
    QList<QWidget*> chain{first};
    for (QWidget* w = first->nextInFocusChain(); w != first; w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus) {
            chain.append(w);
        }
    }
    return chain;
}

void expectDialogLook(QDialog& dialog, const QString& caption, int width, int height) {
    EXPECT_EQ(dialog.windowTitle(), caption);
    EXPECT_FALSE(dialog.isModal());
    EXPECT_EQ(dialog.size(), twipsRect(dialog, 0, 0, width, height).size());
    EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(192, 192, 255));
    auto* label = dialog.findChild<QLabel*>(); // the first caption
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->autoFillBackground());
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(224, 224, 224));
}

class AddDialog : public ListWindow {
protected:
    AddEntryDialog& open() {
        child<QPushButton>(form, names::addButton)->click();
        auto* dialog = form.findChild<AddEntryDialog*>();
        EXPECT_NE(dialog, nullptr);
        return *dialog;
    }
};

TEST_F(AddDialog, IsOneModelessDialogWithItsLayout) {
    AddEntryDialog& dialog = open();
    EXPECT_TRUE(dialog.isVisible());
    expectDialogLook(dialog, "Add name and e-mail address", 5865, 2175);
    EXPECT_EQ(child<QLineEdit>(dialog, names::newNameEdit)->geometry(),
              twipsRect(dialog, 120, 360, 5655, 390));
    EXPECT_EQ(child<QPushButton>(dialog, names::cancelAddButton)->geometry(),
              twipsRect(dialog, 3000, 1680, 2775, 375));
    EXPECT_EQ(child<QLabel>(dialog, "newAddressLabel")->text(), "E-mail Address:");
    EXPECT_EQ(child<QPushButton>(dialog, names::confirmAddButton)->text(), "Add");
    EXPECT_EQ(tabChain(child<QLineEdit>(dialog, names::newNameEdit)),
              (QList<QWidget*>{child<QLineEdit>(dialog, names::newNameEdit),
                               child<QLineEdit>(dialog, names::newAddressEdit),
                               child<QPushButton>(dialog, names::confirmAddButton),
                               child<QPushButton>(dialog, names::cancelAddButton)}));
    EXPECT_EQ(dialog.focusWidget(), child<QLineEdit>(dialog, names::newNameEdit));
    // The main window stays usable while the dialog is open.
    child<QPushButton>(form, names::clearButton)->click();
    EXPECT_EQ(child<QLabel>(form, names::entryCount)->text(), "0");
}

TEST_F(AddDialog, AddsEmptyBoxesAsANumberedRowAndCountsIt) {
    child<QLineEdit>(form, names::clipboardEdit)->setText(QStringLiteral("clip"));
    const QString status = banner();
    AddEntryDialog& dialog = open();
    child<QPushButton>(dialog, names::confirmAddButton)->click();
    ASSERT_EQ(grid().rows(), 1);
    EXPECT_EQ(rowTexts(0), (QStringList{"1", "", "", ""}));
    EXPECT_EQ(child<QLabel>(form, names::entryCount)->text(), "1");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(banner(), status);
    EXPECT_EQ(child<QLineEdit>(form, names::clipboardEdit)->text(), "clip");
}

TEST_F(AddDialog, KeepsTypedTextWhileOpenAndEmptiesOnCancel) {
    AddEntryDialog& dialog = open();
    QTest::keyClicks(child<QLineEdit>(dialog, names::newNameEdit), QStringLiteral("Ann"));
    child<QLineEdit>(dialog, names::newAddressEdit)->setText(QStringLiteral("ann@example.org"));
    child<QPushButton>(form, names::addButton)->click();
    EXPECT_EQ(&open(), &dialog);
    EXPECT_EQ(form.findChildren<AddEntryDialog*>().size(), 1);
    EXPECT_EQ(child<QLineEdit>(dialog, names::newNameEdit)->text(), "Ann");

    child<QPushButton>(dialog, names::cancelAddButton)->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(child<QLineEdit>(dialog, names::newNameEdit)->text(), "");
    EXPECT_EQ(child<QLineEdit>(dialog, names::newAddressEdit)->text(), "");
    EXPECT_EQ(grid().rows(), 0);

    // Escape counts as Cancel.
    child<QLineEdit>(open(), names::newAddressEdit)->setText(QStringLiteral("x"));
    QTest::keyClick(child<QLineEdit>(dialog, names::newAddressEdit), Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(child<QLineEdit>(dialog, names::newAddressEdit)->text(), "");
}

TEST_F(AddDialog, NumbersRepeatAfterARemovalAndATabShiftsTheRow) {
    for (const char* name : {"A", "B", "C"}) {
        AddEntryDialog& dialog = open();
        child<QLineEdit>(dialog, names::newNameEdit)->setText(QString::fromLatin1(name));
        child<QPushButton>(dialog, names::confirmAddButton)->click();
    }
    clickCell(0, 1);
    child<QPushButton>(form, names::removeButton)->click();
    child<QPushButton>(open(), names::confirmAddButton)->click();
    ASSERT_EQ(grid().rows(), 3);
    EXPECT_EQ(rowTexts(0).first(), "2");
    EXPECT_EQ(rowTexts(1).first(), "3");
    EXPECT_EQ(rowTexts(2).first(), "3");

    AddEntryDialog& dialog = open();
    child<QLineEdit>(dialog, names::newNameEdit)->setText(QStringLiteral("Ann\tLee"));
    child<QLineEdit>(dialog, names::newAddressEdit)->setText(QStringLiteral("ann@example.org"));
    child<QPushButton>(dialog, names::confirmAddButton)->click();
    EXPECT_EQ(rowTexts(3), (QStringList{"4", "Ann", "Lee", "ann@example.org"}));
    EXPECT_EQ(child<QLabel>(form, names::entryCount)->text(), "4");
}

class EditDialog : public ListWindow {
protected:
    EditDialog() { addRows({{"Ann Lee", "ann@example.org"}, {"Bo Dahl", "bo@example.org"}}); }

    EditEntryDialog& dialog() {
        auto* found = form.findChild<EditEntryDialog*>();
        EXPECT_NE(found, nullptr);
        return *found;
    }
};

TEST_F(EditDialog, IsOneModelessDialogWithItsLayout) {
    clickCell(0, 1);
    child<QPushButton>(form, names::editButton)->click();
    EditEntryDialog& edit = dialog();
    EXPECT_TRUE(edit.isVisible());
    expectDialogLook(edit, "Edit Entry", 5865, 1440);
    EXPECT_EQ(child<QPushButton>(edit, names::saveToListButton)->text(), "Save to List");
    EXPECT_EQ(child<QPushButton>(edit, names::saveToListButton)->geometry(),
              twipsRect(edit, 120, 960, 2760, 390));
    EXPECT_EQ(tabChain(child<QLineEdit>(edit, names::entryEdit)),
              (QList<QWidget*>{child<QLineEdit>(edit, names::entryEdit),
                               child<QPushButton>(edit, names::saveToListButton),
                               child<QPushButton>(edit, names::cancelEditButton)}));
    EXPECT_EQ(edit.focusWidget(), child<QLineEdit>(edit, names::entryEdit));
}

TEST_F(EditDialog, RewritesOnlyTheAddressOfTheEntry) {
    clickCell(1, 2);
    const QString status = banner();
    child<QPushButton>(form, names::editButton)->click();
    EditEntryDialog& edit = dialog();
    EXPECT_EQ(child<QLineEdit>(edit, names::entryEdit)->text(), "bo@example.org");
    child<QLineEdit>(edit, names::entryEdit)->setText(QStringLiteral("bo.dahl@example.org"));
    child<QPushButton>(edit, names::saveToListButton)->click();
    EXPECT_FALSE(edit.isVisible());
    EXPECT_EQ(rowTexts(1), (QStringList{"2", "Bo Dahl", "bo.dahl@example.org", ""}));
    EXPECT_EQ(rowTexts(0), (QStringList{"1", "Ann Lee", "ann@example.org", ""}));
    EXPECT_EQ(banner(), status);
    EXPECT_EQ(child<QLabel>(form, names::entryCount)->text(), "0");
}

TEST_F(EditDialog, SavesIntoTheCellCurrentWhenSaveIsPressed) {
    clickCell(0, 1);
    child<QPushButton>(form, names::editButton)->click();
    clickCell(1, 0); // a click while the dialog is open replaces its text
    EditEntryDialog& edit = dialog();
    EXPECT_EQ(child<QLineEdit>(edit, names::entryEdit)->text(), "2");
    child<QLineEdit>(edit, names::entryEdit)->setText(QStringLiteral("7"));
    child<QPushButton>(edit, names::saveToListButton)->click();
    EXPECT_EQ(rowTexts(1).first(), "7");
    EXPECT_EQ(rowTexts(0).at(1), "Ann Lee");

    child<QPushButton>(form, names::editButton)->click();
    child<QPushButton>(edit, names::cancelEditButton)->click();
    EXPECT_FALSE(edit.isVisible());
    EXPECT_EQ(child<QLineEdit>(edit, names::entryEdit)->text(), "");
    EXPECT_EQ(rowTexts(1).first(), "7");
}

TEST_F(EditDialog, EditAndSaveOnAnEmptyGridDoNothing) {
    clickCell(0, 1);
    child<QPushButton>(form, names::editButton)->click();
    child<QPushButton>(form, names::clearButton)->click();
    EditEntryDialog& edit = dialog();
    child<QPushButton>(edit, names::saveToListButton)->click();
    EXPECT_FALSE(edit.isVisible());
    EXPECT_EQ(grid().rows(), 0);

    child<QPushButton>(form, names::editButton)->click();
    EXPECT_FALSE(edit.isVisible());
    EXPECT_EQ(grid().rows(), 0);
}

class RemoveAndClear : public ListWindow {};

TEST_F(RemoveAndClear, TheRowMovingUpBecomesCurrent) {
    fillTo(5);
    clickCell(1, 2);
    child<QPushButton>(form, names::removeButton)->click();
    EXPECT_EQ(grid().currentCell().row, 1);
    EXPECT_EQ(grid().currentCell().column, 2);
    child<QPushButton>(form, names::removeButton)->click();
    EXPECT_EQ(grid().currentCell().row, 1);
    EXPECT_EQ(rowTexts(1).first(), "4");
    clickCell(2, 1);
    child<QPushButton>(form, names::removeButton)->click();
    EXPECT_EQ(grid().currentCell().row, 1);
    EXPECT_EQ(rowTexts(0).first(), "1");
    EXPECT_EQ(rowTexts(1).first(), "4");
}

TEST_F(RemoveAndClear, RemovesTheCurrentRowOrResetsTheGrid) {
    fillTo(2);
    child<QLabel>(form, names::entryCount)->setText(QStringLiteral("2"));
    clickCell(1, 1);
    const QString status = banner();
    child<QPushButton>(form, names::removeButton)->click();
    ASSERT_EQ(grid().rows(), 1);
    EXPECT_EQ(rowTexts(0).at(1), "Person 1");
    EXPECT_EQ(child<QLabel>(form, names::entryCount)->text(), "2");
    EXPECT_EQ(banner(), status);

    child<QPushButton>(form, names::removeButton)->click();
    EXPECT_EQ(grid().rows(), 0);
    child<QPushButton>(form, names::removeButton)->click();
    EXPECT_EQ(grid().rows(), 0);
    EXPECT_EQ(grid().addresses().columnCount(), 4);
    EXPECT_EQ(grid().look().gridLines, QColor(204, 204, 255));
}

TEST_F(RemoveAndClear, ClearEmptiesGridAndLoaderListsAndShowsStartHereAgain) {
    const QString cleared = QStringLiteral("All addresses cleared.") +
                            QString(141, QLatin1Char(' ')) +
                            QStringLiteral("Click browse to begin.");
    const QList<QWidget*> startHere = {child<QLabel>(form, names::startHereLabel),
                                       child<QWidget>(form, "startHereArrowShaft"),
                                       child<QWidget>(form, "startHereArrowUpperHead"),
                                       child<QWidget>(form, "startHereArrowLowerHead")};
    for (QAction* clear :
         {static_cast<QAction*>(nullptr), child<QAction>(form, names::clearAction)}) {
        fillTo(5);
        child<QLabel>(form, names::entryCount)->setText(QStringLiteral("5"));
        child<AddressTable>(form, names::addressTable)->lists().addresses.addItem("a@example.org");
        child<AddressTable>(form, names::addressTable)->lists().names.addItem("A");
        child<AddressTable>(form, names::addressTable)->lists().smtpLocations.push_back(120);
        child<QLineEdit>(form, names::searchEdit)->setText(QStringLiteral("search"));
        child<QLineEdit>(form, names::clipboardEdit)->setText(QStringLiteral("clip"));
        child<AddressGrid>(form, names::addressGrid)->setWheelTopRow(3);
        for (QWidget* w : startHere) {
            w->hide();
        }

        if (clear) {
            clear->trigger();
        } else {
            child<QPushButton>(form, names::clearButton)->click();
        }
        EXPECT_EQ(grid().rows(), 0);
        EXPECT_EQ(child<QLabel>(form, names::entryCount)->text(), "0");
        EXPECT_EQ(banner(), cleared);
        for (QWidget* w : startHere) {
            EXPECT_TRUE(w->isVisible()) << w->objectName().toStdString();
        }
        EXPECT_TRUE(child<AddressTable>(form, names::addressTable)->lists().addresses.empty());
        EXPECT_TRUE(child<AddressTable>(form, names::addressTable)->lists().names.empty());
        EXPECT_FALSE(child<AddressTable>(form, names::addressTable)->lists().smtpLocations.empty());
        EXPECT_EQ(child<QLineEdit>(form, names::searchEdit)->text(), "search");
        EXPECT_EQ(child<QLineEdit>(form, names::clipboardEdit)->text(), "clip");
        EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->wheelTopRow(), 3);
    }

    // Numbering starts again at 1.
    child<QPushButton>(form, names::addButton)->click();
    child<QPushButton>(form, names::confirmAddButton)->click();
    EXPECT_EQ(rowTexts(0).first(), "1");
}

} // namespace
