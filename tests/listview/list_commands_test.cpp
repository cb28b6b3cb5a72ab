#include "app/line_control.h"
#include "app/qt_printers.h"
#include "app/twips.h"
#include "list_window.h"
#include "listview/form2.h"
#include "listview/form4.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

using quillet::app::twipsRect;
using quillet::listview::Form2;
using quillet::listview::Form4;

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
    auto* label = dialog.findChild<QLabel*>(QStringLiteral("Label1"));
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->autoFillBackground());
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(224, 224, 224));
}

class AddDialog : public ListWindow {
protected:
    Form2& open() {
        form.add->click();
        auto* dialog = form.findChild<Form2*>();
        EXPECT_NE(dialog, nullptr);
        return *dialog;
    }
};

TEST_F(AddDialog, IsOneModelessDialogWithItsLayout) {
    Form2& dialog = open();
    EXPECT_TRUE(dialog.isVisible());
    expectDialogLook(dialog, "Add name and e-mail address", 5865, 2175);
    EXPECT_EQ(dialog.Text1->geometry(), twipsRect(dialog, 120, 360, 5655, 390));
    EXPECT_EQ(dialog.Command1->geometry(), twipsRect(dialog, 3000, 1680, 2775, 375));
    EXPECT_EQ(dialog.Label2->text(), "E-mail Address:");
    EXPECT_EQ(dialog.Command2->text(), "Add");
    EXPECT_EQ(tabChain(dialog.Text1),
              (QList<QWidget*>{dialog.Text1, dialog.Text2, dialog.Command2, dialog.Command1}));
    EXPECT_EQ(dialog.focusWidget(), dialog.Text1);
    // The main window stays usable while the dialog is open.
    form.Command3->click();
    EXPECT_EQ(form.Label5->text(), "0");
}

TEST_F(AddDialog, AddsEmptyBoxesAsANumberedRowAndCountsIt) {
    form.Text3->setText(QStringLiteral("clip"));
    const QString status = banner();
    Form2& dialog = open();
    dialog.Command2->click();
    ASSERT_EQ(grid().rows(), 1);
    EXPECT_EQ(rowTexts(0), (QStringList{"1", "", "", ""}));
    EXPECT_EQ(form.Label5->text(), "1");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(banner(), status);
    EXPECT_EQ(form.Text3->text(), "clip");
}

TEST_F(AddDialog, KeepsTypedTextWhileOpenAndEmptiesOnCancel) {
    Form2& dialog = open();
    QTest::keyClicks(dialog.Text1, QStringLiteral("Ann"));
    dialog.Text2->setText(QStringLiteral("ann@example.org"));
    form.add->click();
    EXPECT_EQ(&open(), &dialog);
    EXPECT_EQ(form.findChildren<Form2*>().size(), 1);
    EXPECT_EQ(dialog.Text1->text(), "Ann");

    dialog.Command1->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Text1->text(), "");
    EXPECT_EQ(dialog.Text2->text(), "");
    EXPECT_EQ(grid().rows(), 0);

    // Escape counts as Cancel.
    open().Text2->setText(QStringLiteral("x"));
    QTest::keyClick(dialog.Text2, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Text2->text(), "");
}

TEST_F(AddDialog, NumbersRepeatAfterARemovalAndATabShiftsTheRow) {
    for (const char* name : {"A", "B", "C"}) {
        Form2& dialog = open();
        dialog.Text1->setText(QString::fromLatin1(name));
        dialog.Command2->click();
    }
    clickCell(0, 1);
    form.delete_->click();
    open().Command2->click();
    ASSERT_EQ(grid().rows(), 3);
    EXPECT_EQ(rowTexts(0).first(), "2");
    EXPECT_EQ(rowTexts(1).first(), "3");
    EXPECT_EQ(rowTexts(2).first(), "3");

    Form2& dialog = open();
    dialog.Text1->setText(QStringLiteral("Ann\tLee"));
    dialog.Text2->setText(QStringLiteral("ann@example.org"));
    dialog.Command2->click();
    EXPECT_EQ(rowTexts(3), (QStringList{"4", "Ann", "Lee", "ann@example.org"}));
    EXPECT_EQ(form.Label5->text(), "4");
}

class EditDialog : public ListWindow {
protected:
    EditDialog() { addRows({{"Ann Lee", "ann@example.org"}, {"Bo Dahl", "bo@example.org"}}); }

    Form4& dialog() {
        auto* found = form.findChild<Form4*>();
        EXPECT_NE(found, nullptr);
        return *found;
    }
};

TEST_F(EditDialog, IsOneModelessDialogWithItsLayout) {
    clickCell(0, 1);
    form.Command5->click();
    Form4& edit = dialog();
    EXPECT_TRUE(edit.isVisible());
    expectDialogLook(edit, "Edit Entry", 5865, 1440);
    EXPECT_EQ(edit.Command2->text(), "Save to List");
    EXPECT_EQ(edit.Command2->geometry(), twipsRect(edit, 120, 960, 2760, 390));
    EXPECT_EQ(tabChain(edit.Text1), (QList<QWidget*>{edit.Text1, edit.Command2, edit.Command1}));
    EXPECT_EQ(edit.focusWidget(), edit.Text1);
}

TEST_F(EditDialog, RewritesOnlyTheAddressOfTheEntry) {
    clickCell(1, 2);
    const QString status = banner();
    form.Command5->click();
    Form4& edit = dialog();
    EXPECT_EQ(edit.Text1->text(), "bo@example.org");
    edit.Text1->setText(QStringLiteral("bo.dahl@example.org"));
    edit.Command2->click();
    EXPECT_FALSE(edit.isVisible());
    EXPECT_EQ(rowTexts(1), (QStringList{"2", "Bo Dahl", "bo.dahl@example.org", ""}));
    EXPECT_EQ(rowTexts(0), (QStringList{"1", "Ann Lee", "ann@example.org", ""}));
    EXPECT_EQ(banner(), status);
    EXPECT_EQ(form.Label5->text(), "0");
}

TEST_F(EditDialog, SavesIntoTheCellCurrentWhenSaveIsPressed) {
    clickCell(0, 1);
    form.Command5->click();
    clickCell(1, 0); // a click while the dialog is open replaces its text
    Form4& edit = dialog();
    EXPECT_EQ(edit.Text1->text(), "2");
    edit.Text1->setText(QStringLiteral("7"));
    edit.Command2->click();
    EXPECT_EQ(rowTexts(1).first(), "7");
    EXPECT_EQ(rowTexts(0).at(1), "Ann Lee");

    form.Command5->click();
    edit.Command1->click();
    EXPECT_FALSE(edit.isVisible());
    EXPECT_EQ(edit.Text1->text(), "");
    EXPECT_EQ(rowTexts(1).first(), "7");
}

TEST_F(EditDialog, EditAndSaveOnAnEmptyGridDoNothing) {
    clickCell(0, 1);
    form.Command5->click();
    form.Command3->click();
    Form4& edit = dialog();
    edit.Command2->click();
    EXPECT_FALSE(edit.isVisible());
    EXPECT_EQ(grid().rows(), 0);

    form.Command5->click();
    EXPECT_FALSE(edit.isVisible());
    EXPECT_EQ(grid().rows(), 0);
}

class RemoveAndClear : public ListWindow {};

TEST_F(RemoveAndClear, TheRowMovingUpBecomesCurrent) {
    fillTo(5);
    clickCell(1, 2);
    form.delete_->click();
    EXPECT_EQ(grid().row(), 1);
    EXPECT_EQ(grid().col(), 2);
    form.delete_->click();
    EXPECT_EQ(grid().row(), 1);
    EXPECT_EQ(rowTexts(1).first(), "4");
    clickCell(2, 1);
    form.delete_->click();
    EXPECT_EQ(grid().row(), 1);
    EXPECT_EQ(rowTexts(0).first(), "1");
    EXPECT_EQ(rowTexts(1).first(), "4");
}

TEST_F(RemoveAndClear, RemovesTheCurrentRowOrResetsTheGrid) {
    fillTo(2);
    form.Label5->setText(QStringLiteral("2"));
    clickCell(1, 1);
    const QString status = banner();
    form.delete_->click();
    ASSERT_EQ(grid().rows(), 1);
    EXPECT_EQ(rowTexts(0).at(1), "Person 1");
    EXPECT_EQ(form.Label5->text(), "2");
    EXPECT_EQ(banner(), status);

    form.delete_->click();
    EXPECT_EQ(grid().rows(), 0);
    form.delete_->click();
    EXPECT_EQ(grid().rows(), 0);
    EXPECT_EQ(grid().columnCount(), 4);
    EXPECT_EQ(grid().look().gridLines, QColor(204, 204, 255));
}

TEST_F(RemoveAndClear, ClearEmptiesGridAndLoaderListsAndShowsStartHereAgain) {
    const QString cleared = QStringLiteral("All addresses cleared.") +
                            QString(141, QLatin1Char(' ')) +
                            QStringLiteral("Click browse to begin.");
    const QList<QWidget*> startHere = {form.Label20, form.Line14, form.Line15, form.Line16};
    for (QAction* clear : {static_cast<QAction*>(nullptr), form.Clear}) {
        fillTo(5);
        form.Label5->setText(QStringLiteral("5"));
        form.lists.List1.addItem("a@example.org");
        form.lists.nameList.addItem("A");
        form.lists.List7.addItem("120");
        form.Text2->setText(QStringLiteral("search"));
        form.Text3->setText(QStringLiteral("clip"));
        form.GridTopRow = 3;
        for (QWidget* w : startHere) {
            w->hide();
        }

        if (clear) {
            clear->trigger();
        } else {
            form.Command3->click();
        }
        EXPECT_EQ(grid().rows(), 0);
        EXPECT_EQ(form.Label5->text(), "0");
        EXPECT_EQ(banner(), cleared);
        for (QWidget* w : startHere) {
            EXPECT_TRUE(w->isVisible()) << w->objectName().toStdString();
        }
        EXPECT_TRUE(form.lists.List1.empty());
        EXPECT_TRUE(form.lists.nameList.empty());
        EXPECT_FALSE(form.lists.List7.empty());
        EXPECT_EQ(form.Text2->text(), "search");
        EXPECT_EQ(form.Text3->text(), "clip");
        EXPECT_EQ(form.GridTopRow, 3);
    }

    // Numbering starts again at 1.
    form.add->click();
    form.findChild<Form2*>()->Command2->click();
    EXPECT_EQ(rowTexts(0).first(), "1");
}

} // namespace
