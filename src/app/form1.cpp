#include "app/form1.h"

#include "app/flex_grid.h"
#include "app/shutdown.h"
#include "app/twips.h"
#include "app/wheel_filter.h"
#include "export/typed_combo.h"
#include "listview/click_watcher.h"
#include "listview/edit_keys_filter.h"
#include "nk2/drop_loader.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

namespace quillet::app {
namespace {

const QColor kWindowBack(192, 192, 255);
constexpr int kClientWidthTwips = 10080;
constexpr int kClientHeightTwips = 9330;
constexpr int kFontPoints = 8;

const GridLook kGridLook{
    .fixedBackground = QColor(255, 255, 255),
    .outsideBackground = QColor(153, 153, 255),
    .selectedBackground = QColor(0, 0, 255),
    .selectedText = QColor(255, 255, 204),
    .cellBackground = QColor(255, 255, 255),
    .cellText = QColor(0, 0, 0),
    .gridLines = QColor(204, 204, 255),
};
constexpr int kColumnWidthsTwips[FlexGrid::kColumns] = {400, 3200, 4000, 500};

} // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quillet"));
    // Arial where it exists; elsewhere a narrow face, so captions fit boxes sized for Arial.
    QFont formFont = font();
    formFont.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                          QStringLiteral("DejaVu Sans Condensed")});
    formFont.setPointSize(kFontPoints);
    setFont(formFont);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setAutoFillBackground(true);
    QPalette clientPalette = client->palette();
    clientPalette.setColor(QPalette::Window, kWindowBack);
    client->setPalette(clientPalette);
    client->setFixedSize(twipsRect(*client, 0, 0, kClientWidthTwips, kClientHeightTwips).size());
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    createControls(client);
    createHiddenControls(client);
    createMenus();

    // ---- Signal connections: one block per subsystem. ----

    // app: the type switches follow the type boxes; shutdown; "Alpha Numerical Order".
    connect(Check1, &QCheckBox::toggled, this, &Form1::Check1_Click);
    connect(Check2, &QCheckBox::toggled, this, &Form1::Check2_Click);
    connect(exit, &QAction::triggered, this, &Form1::exit_Click);
    connect(domain, &QAction::triggered, this, &Form1::domain_Click);

    // export: the export button; picking a file type from the list (not typing one).
    exporter::keepTypedText(*Combo1);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Combo1, &QComboBox::activated, this, &Form1::Combo1_Click);

    // listview: grid click and search, the list controls, the Edit menu.
    connect(MSFlexGrid1, &FlexGrid::Click, this, &Form1::MSFlexGrid1_Click);
    connect(Text2, &QLineEdit::textChanged, this, &Form1::Text2_Change);
    connect(new listview::ClickWatcher(Text2), &listview::ClickWatcher::clicked, this,
            &Form1::Text2_Click);
    connect(new listview::ClickWatcher(Text3), &listview::ClickWatcher::clicked, this,
            &Form1::Text3_Click);
    connect(add, &QPushButton::clicked, this, &Form1::add_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(delete_, &QPushButton::clicked, this, &Form1::delete_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Clear, &QAction::triggered, this, &Form1::Command3_Click);
    connect(mnuCut, &QAction::triggered, this, &Form1::mnuCut_Click);
    connect(mnuCopy, &QAction::triggered, this, &Form1::mnuCopy_Click);
    connect(mnuPaste, &QAction::triggered, this, &Form1::mnuPaste_Click);
    new listview::EditKeysFilter(*this);

    // info: the Info menu and the Help button.
    connect(Assistance, &QAction::triggered, this, &Form1::Assistance_Click);
    connect(About, &QAction::triggered, this, &Form1::About_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);

    // nk2: Browse, File, Open, and an NK2 file dropped on the window.
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Open, &QAction::triggered, this, &Form1::Command1_Click);
    new nk2::DropLoader(*this);
}

void Form1::setBanner(const QString& text) {
    Label7->setText(text);
    emit bannerChanged(text);
}

void Form1::setBanner(core::BannerMessage message, long percent) {
    setBanner(QString::fromStdString(core::bannerText(message, percent)));
}

void Form1::resetGrid() {
    MSFlexGrid1->setRows(0);
    MSFlexGrid1->setLook(kGridLook);
    for (int c = 0; c < FlexGrid::kColumns; ++c) {
        MSFlexGrid1->setColWidth(c, kColumnWidthsTwips[c]);
    }
}

void Form1::installWheelScrolling() {
    if (!wheelFilter_) {
        wheelFilter_ = new WheelFilter(*this);
    }
}

void Form1::ScrollUp() {
    if (GridTopRow > 0) {
        --GridTopRow;
        MSFlexGrid1->setTopRow(GridTopRow);
    }
}

void Form1::ScrollDown() {
    // The counter is 16-bit: past its top it stays where it is.
    if (GridTopRow < MSFlexGrid1->rows() - 1 &&
        GridTopRow < std::numeric_limits<std::int16_t>::max()) {
        ++GridTopRow;
        MSFlexGrid1->setTopRow(GridTopRow);
    }
}

void Form1::Check1_Click() {
    followTypeBoxes();
}

void Form1::Check2_Click() {
    followTypeBoxes();
}

void Form1::followTypeBoxes() {
    Check4->setChecked(Check2->isChecked());
    Check3->setChecked(Check1->isChecked());
}

void Form1::exit_Click() {
    endProcess();
}

void Form1::domain_Click() {
    lists.List6.clear();
    lists.List1.clear();
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    endProcess();
}

} // namespace quillet::app
