#include "list_window.h"
#include "support/grid_cells.h"
#include "support/qt_printers.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>

using quillet::test::cellText;

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
    clickInto(child<QLineEdit>(form, names::clipboardEdit));
    EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>(form, names::clipboardEdit));
    EXPECT_EQ(child<QLineEdit>(form, names::clipboardEdit)->selectedText(), "Bo Dahl");
    EXPECT_EQ(banner(), kHint);
    press(Qt::Key_C);
    EXPECT_EQ(clipboard()->text(), "Bo Dahl");

    // Clicking the already selected text selects it all again.
    child<QLineEdit>(form, names::clipboardEdit)->setSelection(0, 2);
    clickInto(child<QLineEdit>(form, names::clipboardEdit));
    clickInto(child<QLineEdit>(form, names::clipboardEdit));
    EXPECT_EQ(child<QLineEdit>(form, names::clipboardEdit)->selectedText(), "Bo Dahl");
}

TEST_F(Clipboard, CopyOutsideTheBoxesEmptiesTheClipboard) {
    focus(&grid());
    press(Qt::Key_C);
    EXPECT_EQ(clipboard()->text(), "");
    EXPECT_EQ(cellText(grid(), 0, 1), "Ann Lee");

    clipboard()->setText(QStringLiteral("before"));
    focus(child<QRadioButton>(form, names::searchByAddress));
    child<QAction>(form, names::copyAction)->trigger();
    EXPECT_EQ(clipboard()->text(), "");
}

TEST_F(Clipboard, CopyTakesTheSelectionEvenWhenItIsEmpty) {
    child<QLineEdit>(form, names::exportPathEdit)->setText(QStringLiteral("/home/ann/quillet.csv"));
    focus(child<QLineEdit>(form, names::exportPathEdit));
    child<QLineEdit>(form, names::exportPathEdit)->setSelection(6, 3);
    press(Qt::Key_C);
    EXPECT_EQ(clipboard()->text(), "ann");

    child<QLineEdit>(form, names::exportPathEdit)->deselect();
    press(Qt::Key_C);
    EXPECT_EQ(clipboard()->text(), "");
    EXPECT_EQ(child<QLineEdit>(form, names::exportPathEdit)->text(), "/home/ann/quillet.csv");
}

TEST_F(Clipboard, CutDeletesOnlyTheSelection) {
    child<QLineEdit>(form, names::clipboardEdit)->setText(QStringLiteral("ann@example.org"));
    focus(child<QLineEdit>(form, names::clipboardEdit));
    child<QLineEdit>(form, names::clipboardEdit)->selectAll();
    press(Qt::Key_X);
    EXPECT_EQ(child<QLineEdit>(form, names::clipboardEdit)->text(), "");
    EXPECT_EQ(clipboard()->text(), "ann@example.org");

    child<QLineEdit>(form, names::clipboardEdit)->setText(QStringLiteral("kept"));
    child<QAction>(form, names::cutAction)
        ->trigger(); // no selection: the clipboard empties, the text stays
    EXPECT_EQ(child<QLineEdit>(form, names::clipboardEdit)->text(), "kept");
    EXPECT_EQ(clipboard()->text(), "");
}

TEST_F(Clipboard, PasteReplacesTheSelectionOrInsertsAtTheCaretOnce) {
    child<QLineEdit>(form, names::exportPathEdit)->setText(QStringLiteral("abcd"));
    focus(child<QLineEdit>(form, names::exportPathEdit));
    child<QLineEdit>(form, names::exportPathEdit)->setSelection(1, 2);
    clipboard()->setText(QStringLiteral("XY"));
    press(Qt::Key_V);
    EXPECT_EQ(child<QLineEdit>(form, names::exportPathEdit)->text(), "aXYd");
    child<QLineEdit>(form, names::exportPathEdit)->setCursorPosition(1);
    child<QAction>(form, names::pasteAction)->trigger();
    EXPECT_EQ(child<QLineEdit>(form, names::exportPathEdit)->text(), "aXYXYd");
}

TEST_F(Clipboard, PasteWithoutTextOnTheClipboardDeletesTheSelection) {
    child<QLineEdit>(form, names::exportPathEdit)->setText(QStringLiteral("abcd"));
    focus(child<QLineEdit>(form, names::exportPathEdit));
    child<QLineEdit>(form, names::exportPathEdit)->setSelection(1, 2);
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    clipboard()->setImage(picture);
    ASSERT_FALSE(clipboard()->mimeData()->hasText());
    press(Qt::Key_V);
    EXPECT_EQ(child<QLineEdit>(form, names::exportPathEdit)->text(), "ad");

    clipboard()->clear();
    child<QLineEdit>(form, names::exportPathEdit)->setSelection(0, 1);
    press(Qt::Key_V);
    EXPECT_EQ(child<QLineEdit>(form, names::exportPathEdit)->text(), "d");
}

TEST_F(Clipboard, PastingAWholeNameIntoTheSearchBoxFindsIt) {
    child<QLineEdit>(form, names::searchEdit)->clear();
    focus(child<QLineEdit>(form, names::searchEdit));
    clipboard()->setText(QStringLiteral("bo dahl"));
    press(Qt::Key_V);
    EXPECT_EQ(child<QLineEdit>(form, names::searchEdit)->text(), "bo dahl");
    EXPECT_EQ(grid().currentCell().row, 1);
    EXPECT_EQ(grid().currentCell().column, 1);
}

TEST_F(Clipboard, TheDropDownBoxIsCopiedCutAndPastedWhole) {
    focus(child<QComboBox>(form, names::fileTypeBox));
    child<QComboBox>(form, names::fileTypeBox)->lineEdit()->setSelection(0, 1);
    press(Qt::Key_C);
    EXPECT_EQ(clipboard()->text(), "CSV");

    press(Qt::Key_X);
    EXPECT_EQ(clipboard()->text(), "CSV");
    EXPECT_EQ(child<QComboBox>(form, names::fileTypeBox)->currentText(), "");

    child<QComboBox>(form, names::fileTypeBox)->setEditText(QStringLiteral("CSV"));
    child<QComboBox>(form, names::fileTypeBox)->lineEdit()->setCursorPosition(1);
    clipboard()->setText(QStringLiteral("TAB"));
    press(Qt::Key_V);
    EXPECT_EQ(child<QComboBox>(form, names::fileTypeBox)->currentText(), "TAB");
}

TEST_F(Clipboard, CutAndPasteOutsideTheBoxesChangeNothingElse) {
    focus(&grid());
    clipboard()->setText(QStringLiteral("Zed"));
    press(Qt::Key_V);
    press(Qt::Key_X);
    EXPECT_EQ(clipboard()->text(), "");
    EXPECT_EQ(rowTexts(0), (QStringList{"1", "Ann Lee", "ann@example.org", ""}));
    EXPECT_EQ(child<QLineEdit>(form, names::clipboardEdit)->text(), "");
    EXPECT_EQ(child<QComboBox>(form, names::fileTypeBox)->currentText(), "CSV");
}

} // namespace
