#include "app/flex_grid.h"
#include "app/form1.h"
#include "app/line_control.h"
#include "app/twips.h"
#include "core/banner.h"
#include "qt_printers.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <gtest/gtest.h>

using quillet::app::Form1;

namespace {

struct Placed {
    const char* name;
    int left, top, width, height;
};

// Controls whose full position is given, in twips.
constexpr Placed kPlaced[] = {
    {"Label7", -30, 0, 10290, 300},     {"Label15", 2040, 360, 1335, 255},
    {"Check2", 2280, 825, 1725, 255},   {"Check1", 4650, 840, 1800, 255},
    {"Label20", 6960, 720, 1335, 255},  {"Command1", 8175, 705, 570, 450},
    {"Label2", 8880, 840, 1215, 255},   {"Label18", 120, 1440, 2490, 255},
    {"Option1", 960, 1440, 255, 195},   {"Label24", 1200, 1440, 615, 255},
    {"Option2", 1920, 1440, 255, 195},  {"Label25", 2160, 1440, 615, 255},
    {"Text2", 120, 1680, 3735, 285},    {"Label4", 3960, 1440, 2145, 255},
    {"Text3", 3960, 1680, 4335, 285},   {"MSFlexGrid1", 120, 2520, 8370, 5175},
    {"Label12", 8640, 2160, 1455, 255}, {"Label1", 6840, 7680, 1185, 255},
    {"Label5", 8040, 7680, 885, 255},   {"Label6", 5640, 8280, 2055, 255},
    {"Combo1", 7560, 8280, 735, 315},   {"Label11", 8640, 8280, 1455, 255},
    {"Command2", 9000, 8640, 570, 480}, {"Label21", 120, 8640, 1575, 255},
    {"Text1", 120, 8880, 8175, 285},
};

class MainWindow : public ::testing::Test {
protected:
    Form1 form;
};

TEST_F(MainWindow, ControlsSitAtTheirTwipPositions) {
    QWidget* client = form.centralWidget();
    EXPECT_EQ(client->size(), quillet::app::twipsRect(*client, 0, 0, 10080, 9330).size());
    for (const Placed& p : kPlaced) {
        auto* widget = form.findChild<QWidget*>(QString::fromLatin1(p.name));
        ASSERT_NE(widget, nullptr) << p.name;
        EXPECT_EQ(widget->parentWidget(), client) << p.name;
        EXPECT_EQ(widget->geometry(),
                  quillet::app::twipsRect(*client, p.left, p.top, p.width, p.height))
            << p.name;
    }
    // The picture buttons of the button column, with their tops.
    for (const auto& [name, top] :
         {std::pair{"add", 2640}, std::pair{"Command5", 3600}, std::pair{"delete", 4560},
          std::pair{"Command3", 5640}, std::pair{"Command4", 6600}}) {
        auto* button = form.findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->pos(), quillet::app::twipsRect(*client, 9000, top, 0, 0).topLeft());
        EXPECT_FALSE(button->icon().isNull()) << name;
        EXPECT_TRUE(button->text().isEmpty()) << name;
    }
    EXPECT_EQ(form.delete_->objectName(), QStringLiteral("delete"));
    for (int i = 1; i <= 16; ++i) {
        EXPECT_NE(form.findChild<quillet::app::LineControl*>(QStringLiteral("Line%1").arg(i)),
                  nullptr)
            << i;
    }
}

TEST_F(MainWindow, StartsWithItsCaptionsAndStates) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Quillet"));
    EXPECT_EQ(form.Label7->text(), QString::fromStdString(quillet::core::bannerText(
                                       quillet::core::BannerMessage::Initial)));
    EXPECT_EQ(form.Label5->text(), QStringLiteral("0"));
    EXPECT_EQ(form.Text2->text(), QStringLiteral("Type a name or e-mail address..."));
    EXPECT_TRUE(form.Text3->text().isEmpty());
    EXPECT_TRUE(form.Text1->text().isEmpty());
    EXPECT_EQ(form.Combo1->currentText(), QStringLiteral("CSV"));
    EXPECT_TRUE(form.Combo1->isEditable());
    EXPECT_TRUE(form.Check1->isChecked());
    EXPECT_TRUE(form.Check2->isChecked());
    EXPECT_EQ(form.Check1->text(), QStringLiteral("SMTP Addresses"));
    EXPECT_EQ(form.Check2->text(), QStringLiteral("Domain Addresses"));
    EXPECT_TRUE(form.Option1->isChecked());
    EXPECT_FALSE(form.Option2->isChecked());
    EXPECT_EQ(form.MSFlexGrid1->rows(), 0);
    EXPECT_EQ(form.MSFlexGrid1->columnCount(), 4);
    EXPECT_EQ(form.GridTopRow, 0);
    EXPECT_EQ(form.Label7->palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_EQ(form.Label7->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    EXPECT_TRUE(form.Label7->font().bold());
    EXPECT_EQ(form.centralWidget()->palette().color(QPalette::Window), QColor(192, 192, 255));
}

TEST_F(MainWindow, MenusCarryTheirCaptionsAndShortcuts) {
    struct Item {
        QAction* action;
        const char* name;
        const char* caption;
        QKeySequence shortcut;
    };
    const Item items[] = {
        {form.Open, "Open", "Open", {}},
        {form.Clear, "Clear", "Clear List", {}},
        {form.exit, "exit", "&Exit", QKeySequence(QStringLiteral("Ctrl+E"))},
        {form.mnuCut, "mnuCut", "Cut", QKeySequence(QStringLiteral("Ctrl+X"))},
        {form.mnuCopy, "mnuCopy", "Copy", QKeySequence(QStringLiteral("Ctrl+C"))},
        {form.mnuPaste, "mnuPaste", "Paste", QKeySequence(QStringLiteral("Ctrl+V"))},
        {form.domain, "domain", "Alpha Numerical Order", QKeySequence(QStringLiteral("Ctrl+O"))},
        {form.Assistance, "Assistance", "More Help...", QKeySequence(QStringLiteral("F1"))},
        {form.About, "About", "About", {}},
    };
    for (const Item& item : items) {
        EXPECT_EQ(item.action->objectName(), QString::fromLatin1(item.name));
        EXPECT_EQ(item.action->text(), QString::fromLatin1(item.caption));
        EXPECT_EQ(item.action->shortcut(), item.shortcut) << item.name;
        EXPECT_EQ(form.findChild<QAction*>(QString::fromLatin1(item.name)), item.action);
    }
    EXPECT_EQ(form.File->title(), QStringLiteral("File"));
    EXPECT_EQ(form.mnuEdit->title(), QStringLiteral("Edit"));
    EXPECT_EQ(form.Group->title(), QStringLiteral("Group"));
    EXPECT_EQ(form.Info->title(), QStringLiteral("Info"));
    EXPECT_TRUE(form.exit->isEnabled());
    EXPECT_FALSE(form.domain->isEnabled());
}

TEST_F(MainWindow, AlphaNumericalOrderOnlyEmptiesTwoLists) {
    form.lists.List1.addItem("a");
    form.lists.List6.addItem("b");
    form.lists.List5.addItem("c");
    form.domain->trigger(); // switched off: does nothing
    EXPECT_EQ(form.lists.List1.listCount(), 1u);
    form.domain_Click();
    EXPECT_TRUE(form.lists.List1.empty());
    EXPECT_TRUE(form.lists.List6.empty());
    EXPECT_EQ(form.lists.List5.listCount(), 1u);
}

TEST_F(MainWindow, TypeSwitchesFollowTheTypeBoxes) {
    form.Check1->click();
    EXPECT_FALSE(form.Check3->isChecked());
    EXPECT_TRUE(form.Check4->isChecked());
    form.Check2->click();
    EXPECT_FALSE(form.Check4->isChecked());
    form.Check1->setChecked(true);
    EXPECT_TRUE(form.Check3->isChecked());
    EXPECT_FALSE(form.Check4->isChecked());
}

TEST_F(MainWindow, HiddenControlsStayHiddenWhateverHappensToTheWindow) {
    const QList<QWidget*> hidden = {form.Check3, form.Check4, form.Label19, form.Label26};
    form.show();
    form.resize(3000, 3000);
    form.showMaximized();
    for (QWidget* widget : hidden) {
        EXPECT_FALSE(widget->isVisible()) << widget->objectName().toStdString();
        EXPECT_FALSE(form.centralWidget()->rect().contains(widget->geometry()))
            << widget->objectName().toStdString();
    }
    EXPECT_TRUE(form.Check3->isChecked());
    EXPECT_TRUE(form.Check4->isChecked());
    EXPECT_TRUE(form.Label20->isVisible());
}

TEST_F(MainWindow, UncaptionedControlsAreNamedAfterTheirLabels) {
    const std::pair<QWidget*, const char*> named[] = {
        {form.Text2, "Search"},
        {form.Text3, "Clipboard"},
        {form.Text1, "Export Path"},
        {form.Command1, "Browse"},
        {form.Command2, "Export Now!"},
        {form.add, "Add"},
        {form.Command5, "Edit"},
        {form.delete_, "Remove"},
        {form.Command3, "Clear"},
        {form.Command4, "Help"},
        {form.Option1, "name"},
        {form.Option2, "e-mail"},
        {form.Combo1, "File type to export"},
    };
    for (const auto& [widget, name] : named) {
        EXPECT_EQ(widget->accessibleName(), QString::fromLatin1(name))
            << widget->objectName().toStdString();
    }
    EXPECT_FALSE(form.MSFlexGrid1->accessibleName().isEmpty());
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        EXPECT_TRUE(label->accessibleName().isEmpty()) << label->objectName().toStdString();
    }
}

TEST_F(MainWindow, GridResetEmptiesTheGridAndAppliesTheLook) {
    form.MSFlexGrid1->addItem(QStringLiteral("1\ta\tb\t"));
    form.resetGrid();
    quillet::app::FlexGrid& grid = *form.MSFlexGrid1;
    EXPECT_EQ(grid.rows(), 0);
    EXPECT_EQ(grid.columnCount(), 4);
    const int dpi = grid.logicalDpiX();
    const int widths[] = {400, 3200, 4000, 500};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(grid.columnWidth(c), quillet::app::twipsToPixels(widths[c], dpi)) << c;
    }
    const quillet::app::GridLook& look = grid.look();
    EXPECT_EQ(look.fixedBackground, QColor(255, 255, 255));
    EXPECT_EQ(look.outsideBackground, QColor(153, 153, 255));
    EXPECT_EQ(look.selectedBackground, QColor(0, 0, 255));
    EXPECT_EQ(look.selectedText, QColor(255, 255, 204));
    EXPECT_EQ(look.cellBackground, QColor(255, 255, 255));
    EXPECT_EQ(look.cellText, QColor(0, 0, 0));
    EXPECT_EQ(look.gridLines, QColor(204, 204, 255));
    EXPECT_EQ(grid.palette().color(QPalette::Base), QColor(153, 153, 255));
    EXPECT_EQ(grid.palette().color(QPalette::Highlight), QColor(0, 0, 255));
    EXPECT_EQ(grid.palette().color(QPalette::HighlightedText), QColor(255, 255, 204));

    QStyleOptionViewItem option;
    option.initFrom(&grid);
    EXPECT_EQ(QColor::fromRgba(static_cast<QRgb>(
                  grid.style()->styleHint(QStyle::SH_Table_GridLineColor, &option, &grid))),
              QColor(204, 204, 255));

    grid.addItem(QStringLiteral("1\ta\tb\t"));
    EXPECT_EQ(grid.item(0, 1)->background().color(), QColor(255, 255, 255));
    EXPECT_EQ(grid.item(0, 1)->foreground().color(), QColor(0, 0, 0));
}

TEST(Twips, ConvertAtTheLogicalDpi) {
    EXPECT_EQ(quillet::app::twipsToPixels(1440, 96), 96);
    EXPECT_EQ(quillet::app::twipsToPixels(-30, 96), -2);
    EXPECT_EQ(quillet::app::twipsToPixels(400, 96), 27);
    EXPECT_EQ(quillet::app::twipsToPixels(10080, 120), 840);
}

} // namespace
