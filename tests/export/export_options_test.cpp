#include "export_window.h"
#include "support/qt_printers.h"

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
    EXPECT_EQ(child<QLineEdit>(form, names::exportPathEdit)->text(), home + "quillet.csv");

    typeInto(child<QLineEdit>(form, names::exportPathEdit), "/somewhere/mine.csv");
    QTest::keyClick(child<QComboBox>(form, names::fileTypeBox), Qt::Key_Down);
    EXPECT_EQ(child<QComboBox>(form, names::fileTypeBox)->currentText(), "TAB");
    EXPECT_EQ(child<QLineEdit>(form, names::exportPathEdit)->text(), home + "quillet.txt");

    typeInto(child<QLineEdit>(form, names::exportPathEdit), "/somewhere/mine.txt");
    QTest::keyClick(child<QComboBox>(form, names::fileTypeBox), Qt::Key_Up);
    EXPECT_EQ(child<QComboBox>(form, names::fileTypeBox)->currentText(), "CSV");
    EXPECT_EQ(child<QLineEdit>(form, names::exportPathEdit)->text(), home + "quillet.csv");

    // With the mouse, from the drop-down list.
    typeInto(child<QLineEdit>(form, names::exportPathEdit), "/somewhere/else.csv");
    child<QComboBox>(form, names::fileTypeBox)->showPopup();
    QAbstractItemView* list = child<QComboBox>(form, names::fileTypeBox)->view();
    const QRect tabEntry = list->visualRect(list->model()->index(1, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, tabEntry.center());
    EXPECT_EQ(child<QComboBox>(form, names::fileTypeBox)->currentText(), "TAB");
    EXPECT_EQ(child<QLineEdit>(form, names::exportPathEdit)->text(), home + "quillet.txt");
}

TEST_F(ExportOptions, TypingAFileTypeLeavesThePathAndIsTakenAsTyped) {
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    addRow("Ann", "ann@x.org");
    addRow("Bob", "bob@x.org");
    const QString path = outPath("typed.csv");
    typeInto(child<QLineEdit>(form, names::exportPathEdit), path);

    // Neither typing, nor Enter, nor leaving the box for the export button picks an entry.
    child<QComboBox>(form, names::fileTypeBox)->setFocus();
    typeInto(child<QComboBox>(form, names::fileTypeBox)->lineEdit(), "tab");
    EXPECT_EQ(child<QLineEdit>(form, names::exportPathEdit)->text(), path);
    QTest::keyClick(child<QComboBox>(form, names::fileTypeBox)->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(child<QComboBox>(form, names::fileTypeBox)->currentText(), "tab");
    EXPECT_EQ(child<QLineEdit>(form, names::exportPathEdit)->text(), path);
    exportTo(path);
    EXPECT_TRUE(child<QPushButton>(form, names::exportButton)->hasFocus());
    EXPECT_EQ(child<QComboBox>(form, names::fileTypeBox)->currentText(), "tab");
    EXPECT_EQ(child<QLineEdit>(form, names::exportPathEdit)->text(), path);
    EXPECT_TRUE(bytesOf(path).startsWith("\"Title\"\t\"First Name\"\t"));

    // A typed "TAB" selects the tab delimiter and still keeps the typed path.
    child<QComboBox>(form, names::fileTypeBox)->setFocus();
    typeInto(child<QComboBox>(form, names::fileTypeBox)->lineEdit(), "TAB");
    const QString tabPath = outPath("typed.txt");
    typeInto(child<QLineEdit>(form, names::exportPathEdit), tabPath);
    exportTo(tabPath);
    EXPECT_EQ(child<QLineEdit>(form, names::exportPathEdit)->text(), tabPath);
    EXPECT_EQ(child<QComboBox>(form, names::fileTypeBox)->count(), 3); // CSV, TAB, VCF
    EXPECT_TRUE(bytesOf(tabPath).startsWith("\"Title\"\t\"First Name\""));

    // A first letter is not completed to a list entry.
    child<QComboBox>(form, names::fileTypeBox)->setFocus();
    typeInto(child<QComboBox>(form, names::fileTypeBox)->lineEdit(), "T");
    EXPECT_EQ(child<QComboBox>(form, names::fileTypeBox)->currentText(), "T");
}

} // namespace
} // namespace quillet::test
