#include "app/qt_printers.h"
#include "list_window.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>

namespace {

const QString kHint = QStringLiteral(
    "Select item from e-mail list below, then Right Click, Copy, & Paste from Address Clipboard.");

class Clipboard : public ListWindow {
protected:
    Clipboard() {
        addRows({{"Ann Lee", "ann@example.org"}, {"Bo Dahl", "bo@example.org"}});
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        clipboard()->setText(QStringLiteral("before"));
    }

    static QClipboard* clipboard() { return QGuiApplication::clipboard(); }

    static void focus(QWidget* widget) {
        widget->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), widget);
    }

    // Ctrl + the key, delivered as the window system does: shortcuts first, then the focus.
    static void press(Qt::Key key) {
        QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
    }
};

TEST_F(Clipboard, AClickedNameGoesOutThroughTheClipboardBox) {
    clickCell(1, 1);
    clickInto(form.Text3);
    EXPECT_EQ(QApplication::focusWidget(), form.Text3);
    EXPECT_EQ(form.Text3->selectedText(), "Bo Dahl");
    EXPECT_EQ(banner(), kHint);
    press(Qt::Key_C);
    EXPECT_EQ(clipboard()->text(), "Bo Dahl");

    // Clicking the already selected text selects it all again.
    form.Text3->setSelection(0, 2);
    clickInto(form.Text3);
    clickInto(form.Text3);
    EXPECT_EQ(form.Text3->selectedText(), "Bo Dahl");
}

TEST_F(Clipboard, CopyOutsideTheBoxesEmptiesTheClipboard) {
    focus(&grid());
    press(Qt::Key_C);
    EXPECT_EQ(clipboard()->text(), "");
    EXPECT_EQ(grid().textMatrix(0, 1), "Ann Lee");

    clipboard()->setText(QStringLiteral("before"));
    focus(form.Option2);
    form.mnuCopy->trigger();
    EXPECT_EQ(clipboard()->text(), "");
}

TEST_F(Clipboard, CopyTakesTheSelectionEvenWhenItIsEmpty) {
    form.Text1->setText(QStringLiteral("/home/ann/quillet.csv"));
    focus(form.Text1);
    form.Text1->setSelection(6, 3);
    press(Qt::Key_C);
    EXPECT_EQ(clipboard()->text(), "ann");

    form.Text1->deselect();
    press(Qt::Key_C);
    EXPECT_EQ(clipboard()->text(), "");
    EXPECT_EQ(form.Text1->text(), "/home/ann/quillet.csv");
}

TEST_F(Clipboard, CutDeletesOnlyTheSelection) {
    form.Text3->setText(QStringLiteral("ann@example.org"));
    focus(form.Text3);
    form.Text3->selectAll();
    press(Qt::Key_X);
    EXPECT_EQ(form.Text3->text(), "");
    EXPECT_EQ(clipboard()->text(), "ann@example.org");

    form.Text3->setText(QStringLiteral("kept"));
    form.mnuCut->trigger(); // no selection: the clipboard empties, the text stays
    EXPECT_EQ(form.Text3->text(), "kept");
    EXPECT_EQ(clipboard()->text(), "");
}

TEST_F(Clipboard, PasteReplacesTheSelectionOrInsertsAtTheCaretOnce) {
    form.Text1->setText(QStringLiteral("abcd"));
    focus(form.Text1);
    form.Text1->setSelection(1, 2);
    clipboard()->setText(QStringLiteral("XY"));
    press(Qt::Key_V);
    EXPECT_EQ(form.Text1->text(), "aXYd");
    form.Text1->setCursorPosition(1);
    form.mnuPaste->trigger();
    EXPECT_EQ(form.Text1->text(), "aXYXYd");
}

TEST_F(Clipboard, PasteWithoutTextOnTheClipboardDeletesTheSelection) {
    form.Text1->setText(QStringLiteral("abcd"));
    focus(form.Text1);
    form.Text1->setSelection(1, 2);
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    clipboard()->setImage(picture);
    ASSERT_FALSE(clipboard()->mimeData()->hasText());
    press(Qt::Key_V);
    EXPECT_EQ(form.Text1->text(), "ad");

    clipboard()->clear();
    form.Text1->setSelection(0, 1);
    press(Qt::Key_V);
    EXPECT_EQ(form.Text1->text(), "d");
}

TEST_F(Clipboard, PastingAWholeNameIntoTheSearchBoxFindsIt) {
    form.Text2->clear();
    focus(form.Text2);
    clipboard()->setText(QStringLiteral("bo dahl"));
    press(Qt::Key_V);
    EXPECT_EQ(form.Text2->text(), "bo dahl");
    EXPECT_EQ(grid().row(), 1);
    EXPECT_EQ(grid().col(), 1);
}

TEST_F(Clipboard, TheDropDownBoxIsCopiedCutAndPastedWhole) {
    focus(form.Combo1);
    form.Combo1->lineEdit()->setSelection(0, 1);
    press(Qt::Key_C);
    EXPECT_EQ(clipboard()->text(), "CSV");

    press(Qt::Key_X);
    EXPECT_EQ(clipboard()->text(), "CSV");
    EXPECT_EQ(form.Combo1->currentText(), "");

    form.Combo1->setEditText(QStringLiteral("CSV"));
    form.Combo1->lineEdit()->setCursorPosition(1);
    clipboard()->setText(QStringLiteral("TAB"));
    press(Qt::Key_V);
    EXPECT_EQ(form.Combo1->currentText(), "TAB");
}

TEST_F(Clipboard, CutAndPasteOutsideTheBoxesChangeNothingElse) {
    focus(&grid());
    clipboard()->setText(QStringLiteral("Zed"));
    press(Qt::Key_V);
    press(Qt::Key_X);
    EXPECT_EQ(clipboard()->text(), "");
    EXPECT_EQ(rowTexts(0), (QStringList{"1", "Ann Lee", "ann@example.org", ""}));
    EXPECT_EQ(form.Text3->text(), "");
    EXPECT_EQ(form.Combo1->currentText(), "CSV");
}

} // namespace
