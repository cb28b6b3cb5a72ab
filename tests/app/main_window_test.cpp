#include "app/main_window.h"
#include "core/banner.h"
#include "support/find_child.h"
#include "support/grid_cells.h"
#include "support/qt_printers.h"
#include "widgets/address_grid.h"
#include "widgets/frame_line.h"
#include "widgets/twips.h"

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

using quillet::app::MainWindow;

namespace {

struct Placed {
    const char* name;
    int left, top, width, height;
};

// Controls whose full position is given, in twips.
constexpr Placed kPlaced[] = {
    {"statusBanner", -30, 0, 10290, 300},         {"listWhatLabel", 2040, 360, 1335, 255},
    {"exchangeBox", 2280, 825, 1725, 255},        {"smtpBox", 4650, 840, 1800, 255},
    {"startHereLabel", 6960, 720, 1335, 255},     {"browseButton", 8175, 705, 570, 450},
    {"browseCaption", 8880, 840, 1215, 255},      {"searchLabel", 120, 1440, 2490, 255},
    {"searchByName", 960, 1440, 255, 195},        {"searchByNameCaption", 1200, 1440, 615, 255},
    {"searchByAddress", 1920, 1440, 255, 195},    {"searchByAddressCaption", 2160, 1440, 615, 255},
    {"searchEdit", 120, 1680, 3735, 285},         {"clipboardLabel", 3960, 1440, 2145, 255},
    {"clipboardEdit", 3960, 1680, 4335, 285},     {"addressGrid", 120, 2520, 8370, 5175},
    {"listControlsLabel", 8640, 2160, 1455, 255}, {"entriesReadLabel", 6840, 7680, 1185, 255},
    {"entryCount", 8040, 7680, 885, 255},         {"fileTypeLabel", 5640, 8280, 2055, 255},
    {"fileTypeBox", 7560, 8280, 735, 315},        {"exportCaption", 8640, 8280, 1455, 255},
    {"exportButton", 9000, 8640, 570, 480},       {"exportPathLabel", 120, 8640, 1575, 255},
    {"exportPathEdit", 120, 8880, 8175, 285},
};

class MainWindowLayout : public ::testing::Test {
protected:
    MainWindow form;
};

TEST_F(MainWindowLayout, ControlsSitAtTheirTwipPositions) {
    QWidget* client = child<QWidget>(form, "client");
    EXPECT_EQ(client->size(), quillet::widgets::twipsRect(*client, 0, 0, 10080, 9330).size());
    for (const Placed& p : kPlaced) {
        auto* widget = form.findChild<QWidget*>(QString::fromLatin1(p.name));
        ASSERT_NE(widget, nullptr) << p.name;
        EXPECT_EQ(widget->parentWidget(), client) << p.name;
        EXPECT_EQ(widget->geometry(),
                  quillet::widgets::twipsRect(*client, p.left, p.top, p.width, p.height))
            << p.name;
    }
    // The picture buttons of the button column, with their tops.
    for (const auto& [name, top] : {std::pair{"addButton", 2640}, std::pair{"editButton", 3600},
                                    std::pair{"removeButton", 4560}, std::pair{"clearButton", 5640},
                                    std::pair{"helpButton", 6600}}) {
        auto* button = form.findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->pos(), quillet::widgets::twipsRect(*client, 9000, top, 0, 0).topLeft());
        EXPECT_FALSE(button->icon().isNull()) << name;
        EXPECT_TRUE(button->text().isEmpty()) << name;
    }
    EXPECT_EQ(form.findChildren<quillet::widgets::FrameLine*>().size(), 16);
}

TEST_F(MainWindowLayout, StartsWithItsCaptionsAndStates) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Quillet"));
    EXPECT_EQ(
        child<StatusBanner>(form, names::statusBanner)->text(),
        QString::fromStdString(quillet::core::bannerText(quillet::core::BannerMessage::Initial)));
    EXPECT_EQ(child<QLabel>(form, names::entryCount)->text(), QStringLiteral("0"));
    EXPECT_EQ(child<QLineEdit>(form, names::searchEdit)->text(),
              QStringLiteral("Type a name or e-mail address..."));
    EXPECT_TRUE(child<QLineEdit>(form, names::clipboardEdit)->text().isEmpty());
    EXPECT_TRUE(child<QLineEdit>(form, names::exportPathEdit)->text().isEmpty());
    EXPECT_EQ(child<QComboBox>(form, names::fileTypeBox)->currentText(), QStringLiteral("CSV"));
    EXPECT_TRUE(child<QComboBox>(form, names::fileTypeBox)->isEditable());
    EXPECT_TRUE(child<QCheckBox>(form, names::smtpBox)->isChecked());
    EXPECT_TRUE(child<QCheckBox>(form, names::exchangeBox)->isChecked());
    EXPECT_EQ(child<QCheckBox>(form, names::smtpBox)->text(), QStringLiteral("SMTP Addresses"));
    EXPECT_EQ(child<QCheckBox>(form, names::exchangeBox)->text(),
              QStringLiteral("Domain Addresses"));
    EXPECT_TRUE(child<QRadioButton>(form, names::searchByName)->isChecked());
    EXPECT_FALSE(child<QRadioButton>(form, names::searchByAddress)->isChecked());
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->rows(), 0);
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->addresses().columnCount(), 4);
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->wheelTopRow(), 0);
    EXPECT_EQ(child<StatusBanner>(form, names::statusBanner)->palette().color(QPalette::Window),
              QColor(0, 0, 255));
    EXPECT_EQ(child<StatusBanner>(form, names::statusBanner)->palette().color(QPalette::WindowText),
              QColor(255, 255, 255));
    EXPECT_TRUE(child<StatusBanner>(form, names::statusBanner)->font().bold());
    EXPECT_EQ(child<QWidget>(form, "client")->palette().color(QPalette::Window),
              QColor(192, 192, 255));
}

TEST_F(MainWindowLayout, MenusCarryTheirCaptionsAndShortcuts) {
    struct Item {
        QAction* action;
        const char* name;
        const char* caption;
        QKeySequence shortcut;
    };
    const Item items[] = {
        {child<QAction>(form, names::openAction), "openAction", "&Open", {}},
        {child<QAction>(form, names::clearAction), "clearAction", "&Clear List", {}},
        {child<QAction>(form, names::exitAction), "exitAction", "&Exit",
         QKeySequence(QStringLiteral("Ctrl+E"))},
        {child<QAction>(form, names::cutAction), "cutAction", "Cu&t",
         QKeySequence(QStringLiteral("Ctrl+X"))},
        {child<QAction>(form, names::copyAction), "copyAction", "&Copy",
         QKeySequence(QStringLiteral("Ctrl+C"))},
        {child<QAction>(form, names::pasteAction), "pasteAction", "&Paste",
         QKeySequence(QStringLiteral("Ctrl+V"))},
        {child<QAction>(form, names::sortAction), "sortAction", "&Alpha Numerical Order",
         QKeySequence(QStringLiteral("Ctrl+O"))},
        {child<QAction>(form, names::helpAction), "helpAction", "&More Help...",
         QKeySequence(QStringLiteral("F1"))},
        {child<QAction>(form, names::aboutAction), "aboutAction", "&About", {}},
    };
    for (const Item& item : items) {
        EXPECT_EQ(item.action->objectName(), QString::fromLatin1(item.name));
        EXPECT_EQ(item.action->text(), QString::fromLatin1(item.caption));
        EXPECT_EQ(item.action->shortcut(), item.shortcut) << item.name;
        EXPECT_EQ(form.findChild<QAction*>(QString::fromLatin1(item.name)), item.action);
    }
    EXPECT_EQ(child<QMenu>(form, names::fileMenu)->title(), QStringLiteral("&File"));
    EXPECT_EQ(child<QMenu>(form, names::editMenu)->title(), QStringLiteral("&Edit"));
    EXPECT_EQ(child<QMenu>(form, names::sortMenu)->title(), QStringLiteral("&Group"));
    EXPECT_EQ(child<QMenu>(form, names::infoMenu)->title(), QStringLiteral("&Info"));
    EXPECT_TRUE(child<QAction>(form, names::exitAction)->isEnabled());
    EXPECT_FALSE(child<QAction>(form, names::sortAction)->isEnabled());
}

TEST_F(MainWindowLayout, AlphaNumericalOrderOnlyEmptiesTwoLists) {
    child<AddressTable>(form, names::addressTable)->lists().addresses.addItem("a");
    child<AddressTable>(form, names::addressTable)->lists().sorted.addItem("b");
    child<AddressTable>(form, names::addressTable)->lists().smtpFound.addItem("c");
    QAction* sort = child<QAction>(form, names::sortAction);
    sort->trigger(); // switched off: does nothing
    EXPECT_EQ(child<AddressTable>(form, names::addressTable)->lists().addresses.listCount(), 1u);
    sort->setEnabled(true);
    sort->trigger();
    EXPECT_TRUE(child<AddressTable>(form, names::addressTable)->lists().addresses.empty());
    EXPECT_TRUE(child<AddressTable>(form, names::addressTable)->lists().sorted.empty());
    EXPECT_EQ(child<AddressTable>(form, names::addressTable)->lists().smtpFound.listCount(), 1u);
}

TEST_F(MainWindowLayout, TypeSwitchesFollowTheTypeBoxes) {
    child<QCheckBox>(form, names::smtpBox)->click();
    EXPECT_FALSE(child<QCheckBox>(form, names::smtpNamesSwitch)->isChecked());
    EXPECT_TRUE(child<QCheckBox>(form, names::exchangeNamesSwitch)->isChecked());
    child<QCheckBox>(form, names::exchangeBox)->click();
    EXPECT_FALSE(child<QCheckBox>(form, names::exchangeNamesSwitch)->isChecked());
    child<QCheckBox>(form, names::smtpBox)->setChecked(true);
    EXPECT_TRUE(child<QCheckBox>(form, names::smtpNamesSwitch)->isChecked());
    EXPECT_FALSE(child<QCheckBox>(form, names::exchangeNamesSwitch)->isChecked());
}

TEST_F(MainWindowLayout, HiddenControlsStayHiddenWhateverHappensToTheWindow) {
    const QList<QWidget*> hidden = {child<QCheckBox>(form, names::smtpNamesSwitch),
                                    child<QCheckBox>(form, names::exchangeNamesSwitch),
                                    child<QLabel>(form, "workingListsNote"),
                                    child<QLabel>(form, "namesColumnNote")};
    form.show();
    form.resize(3000, 3000);
    form.showMaximized();
    for (QWidget* widget : hidden) {
        EXPECT_FALSE(widget->isVisible()) << widget->objectName().toStdString();
        EXPECT_FALSE(child<QWidget>(form, "client")->rect().contains(widget->geometry()))
            << widget->objectName().toStdString();
    }
    EXPECT_TRUE(child<QCheckBox>(form, names::smtpNamesSwitch)->isChecked());
    EXPECT_TRUE(child<QCheckBox>(form, names::exchangeNamesSwitch)->isChecked());
    EXPECT_TRUE(child<QLabel>(form, names::startHereLabel)->isVisible());
}

TEST_F(MainWindowLayout, UncaptionedControlsAreNamedAfterTheirLabels) {
    const std::pair<QWidget*, const char*> named[] = {
        {child<QLineEdit>(form, names::searchEdit), "Search"},
        {child<QLineEdit>(form, names::clipboardEdit), "Clipboard"},
        {child<QLineEdit>(form, names::exportPathEdit), "Export Path"},
        {child<QPushButton>(form, names::browseButton), "Browse"},
        {child<QPushButton>(form, names::exportButton), "Export Now!"},
        {child<QPushButton>(form, names::addButton), "Add"},
        {child<QPushButton>(form, names::editButton), "Edit"},
        {child<QPushButton>(form, names::removeButton), "Remove"},
        {child<QPushButton>(form, names::clearButton), "Clear"},
        {child<QPushButton>(form, names::helpButton), "Help"},
        {child<QRadioButton>(form, names::searchByName), "name"},
        {child<QRadioButton>(form, names::searchByAddress), "e-mail"},
        {child<QComboBox>(form, names::fileTypeBox), "File type to export"},
    };
    for (const auto& [widget, name] : named) {
        EXPECT_EQ(widget->accessibleName(), QString::fromLatin1(name))
            << widget->objectName().toStdString();
    }
    EXPECT_FALSE(child<AddressGrid>(form, names::addressGrid)->accessibleName().isEmpty());
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        EXPECT_TRUE(label->accessibleName().isEmpty()) << label->objectName().toStdString();
    }
}

TEST_F(MainWindowLayout, GridResetEmptiesTheGridAndAppliesTheLook) {
    quillet::test::appendRowText(*child<AddressGrid>(form, names::addressGrid),
                                 QStringLiteral("1\ta\tb\t"));
    child<AddressGrid>(form, names::addressGrid)->resetList();
    quillet::widgets::AddressGrid& grid = *child<AddressGrid>(form, names::addressGrid);
    EXPECT_EQ(grid.rows(), 0);
    EXPECT_EQ(grid.addresses().columnCount(), 4);
    const int dpi = grid.logicalDpiX();
    const int widths[] = {400, 3200, 4000, 500};
    for (int c = 2; c < 4; ++c) {
        EXPECT_EQ(grid.columnWidth(c), quillet::widgets::twipsToPixels(widths[c], dpi)) << c;
    }
    // The number column may take room from the name column to hold six digits.
    EXPECT_GE(grid.columnWidth(0), quillet::widgets::twipsToPixels(widths[0], dpi));
    EXPECT_EQ(grid.columnWidth(0) + grid.columnWidth(1),
              quillet::widgets::twipsToPixels(widths[0], dpi) +
                  quillet::widgets::twipsToPixels(widths[1], dpi));
    const quillet::widgets::GridLook& look = grid.look();
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

    quillet::test::appendRowText(grid, QStringLiteral("1\ta\tb\t"));
    const QModelIndex cell = grid.addresses().index(0, 1);
    EXPECT_EQ(cell.data(Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 255));
    EXPECT_EQ(cell.data(Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 0));
}

TEST(Twips, ConvertAtTheLogicalDpi) {
    EXPECT_EQ(quillet::widgets::twipsToPixels(1440, 96), 96);
    EXPECT_EQ(quillet::widgets::twipsToPixels(-30, 96), -2);
    EXPECT_EQ(quillet::widgets::twipsToPixels(400, 96), 27);
    EXPECT_EQ(quillet::widgets::twipsToPixels(10080, 120), 840);
}

} // namespace
