#include "app/qt_printers.h"
#include "export_window.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

namespace quillet::test {
namespace {

using ExportOptions = ExportWindow;

void typeInto(QLineEdit* box, const QString& text) {
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

TEST_F(ExportOptions, PickingAFileTypeReplacesTheTypedPath) {
    // A fresh profile has no Documents folder: the home folder stands in for it.
    const QString home = profile.home() + u'/';
    EXPECT_EQ(form.Text1->text(), home + "quillet.csv");

    typeInto(form.Text1, "/somewhere/mine.csv");
    QTest::keyClick(form.Combo1, Qt::Key_Down);
    EXPECT_EQ(form.Combo1->currentText(), "TAB");
    EXPECT_EQ(form.Text1->text(), home + "quillet.txt");

    typeInto(form.Text1, "/somewhere/mine.txt");
    QTest::keyClick(form.Combo1, Qt::Key_Up);
    EXPECT_EQ(form.Combo1->currentText(), "CSV");
    EXPECT_EQ(form.Text1->text(), home + "quillet.csv");

    // With the mouse, from the drop-down list.
    typeInto(form.Text1, "/somewhere/else.csv");
    form.Combo1->showPopup();
    QAbstractItemView* list = form.Combo1->view();
    const QRect tabEntry = list->visualRect(list->model()->index(1, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, tabEntry.center());
    EXPECT_EQ(form.Combo1->currentText(), "TAB");
    EXPECT_EQ(form.Text1->text(), home + "quillet.txt");
}

TEST_F(ExportOptions, TypingAFileTypeLeavesThePathAndIsTakenAsTyped) {
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    addRow("Ann", "ann@x.org");
    addRow("Bob", "bob@x.org");
    const QString path = outPath("typed.csv");
    typeInto(form.Text1, path);

    // Neither typing, nor Enter, nor leaving the box for the export button picks an entry.
    form.Combo1->setFocus();
    typeInto(form.Combo1->lineEdit(), "tab");
    EXPECT_EQ(form.Text1->text(), path);
    QTest::keyClick(form.Combo1->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(form.Combo1->currentText(), "tab");
    EXPECT_EQ(form.Text1->text(), path);
    exportTo(path);
    EXPECT_TRUE(form.Command2->hasFocus());
    EXPECT_EQ(form.Combo1->currentText(), "tab");
    EXPECT_EQ(form.Text1->text(), path);
    EXPECT_EQ(bytesOf(path), QByteArray("\r\n\r\n"));

    // A typed "TAB" selects the tab delimiter and still keeps the typed path.
    form.Combo1->setFocus();
    typeInto(form.Combo1->lineEdit(), "TAB");
    const QString tabPath = outPath("typed.txt");
    typeInto(form.Text1, tabPath);
    exportTo(tabPath);
    EXPECT_EQ(form.Text1->text(), tabPath);
    EXPECT_EQ(form.Combo1->count(), 2);
    EXPECT_TRUE(bytesOf(tabPath).startsWith("\"Title\"\t\"First Name\""));

    // A first letter is not completed to a list entry.
    form.Combo1->setFocus();
    typeInto(form.Combo1->lineEdit(), "T");
    EXPECT_EQ(form.Combo1->currentText(), "T");
}

} // namespace
} // namespace quillet::test
