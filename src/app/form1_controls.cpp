#include "app/flex_grid.h"
#include "app/form1.h"
#include "app/line_control.h"
#include "app/twips.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

// Builds the main window's controls and menus at their places. Positions are in twips from
// the client area's top-left corner (left, top, width, height).
namespace quillet::app {
namespace {

const QColor kBannerBack(0, 0, 255);
const QColor kBannerText(255, 255, 255);
const QColor kCountText(0, 0, 255);
constexpr int kPictureIconPixels = 20;

template <class Widget>
Widget* place(Widget* widget, const char* name, int left, int top, int width, int height) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(twipsRect(*widget->parentWidget(), left, top, width, height));
    return widget;
}

QLabel* label(QWidget* client, const char* name, const QString& text, int left, int top, int width,
              int height) {
    auto* widget = new QLabel(text, client);
    widget->setTextFormat(Qt::PlainText);
    return place(widget, name, left, top, width, height);
}

QFont arialBlack(const QWidget& client) {
    QFont font = client.font();
    font.setFamilies({QStringLiteral("Arial Black"), QStringLiteral("Arial")});
    font.setWeight(QFont::Black);
    return font;
}

QPushButton* pictureButton(QWidget* client, const char* name, QStyle::StandardPixmap picture,
                           const QString& caption, int left, int top, int width, int height) {
    auto* button = new QPushButton(client);
    button->setIcon(client->style()->standardIcon(picture));
    button->setIconSize(QSize(kPictureIconPixels, kPictureIconPixels));
    button->setAccessibleName(caption);
    return place(button, name, left, top, width, height);
}

LineControl* line(QWidget* client, const char* name, int x1, int y1, int x2, int y2) {
    const int dpiX = client->logicalDpiX();
    const int dpiY = client->logicalDpiY();
    auto* widget = new LineControl(QLine(twipsToPixels(x1, dpiX), twipsToPixels(y1, dpiY),
                                         twipsToPixels(x2, dpiX), twipsToPixels(y2, dpiY)),
                                   client);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLineEdit* textBox(QWidget* client, const char* name, const QString& text, const QString& caption,
                   int left, int top, int width, int height) {
    auto* box = new QLineEdit(text, client);
    box->setAccessibleName(caption);
    return place(box, name, left, top, width, height);
}

} // namespace

void Form1::createControls(QWidget* client) {
    // Frames round the type boxes and the button column, and the rule above the export row.
    Line1 = line(client, "Line1", 2160, 720, 6600, 720);
    Line2 = line(client, "Line2", 2160, 1200, 6600, 1200);
    Line3 = line(client, "Line3", 2160, 720, 2160, 1200);
    Line4 = line(client, "Line4", 6600, 720, 6600, 1200);
    Line5 = line(client, "Line5", 8760, 2520, 9840, 2520);
    Line6 = line(client, "Line6", 8760, 7440, 9840, 7440);
    Line7 = line(client, "Line7", 8760, 2520, 8760, 7440);
    Line8 = line(client, "Line8", 9840, 2520, 9840, 7440);
    Line9 = line(client, "Line9", 8760, 3480, 9840, 3480);
    Line10 = line(client, "Line10", 8760, 4440, 9840, 4440);
    Line11 = line(client, "Line11", 8760, 5460, 9840, 5460);
    Line12 = line(client, "Line12", 8760, 6480, 9840, 6480);
    Line13 = line(client, "Line13", 0, 8160, 10080, 8160);

    Label7 = label(client, "Label7", QString(), -30, 0, 10290, 300);
    setBanner(core::BannerMessage::Initial);
    QFont bannerFont = client->font();
    bannerFont.setPointSize(9);
    bannerFont.setBold(true);
    Label7->setFont(bannerFont);
    Label7->setAutoFillBackground(true);
    QPalette bannerPalette = Label7->palette();
    bannerPalette.setColor(QPalette::Window, kBannerBack);
    bannerPalette.setColor(QPalette::WindowText, kBannerText);
    Label7->setPalette(bannerPalette);

    Label15 = label(client, "Label15", QStringLiteral("List What?"), 2040, 360, 1335, 255);
    Check2 = place(new QCheckBox(QStringLiteral("Domain Addresses"), client), "Check2", 2280, 825,
                   1725, 255);
    Check2->setChecked(true);
    Check1 = place(new QCheckBox(QStringLiteral("SMTP Addresses"), client), "Check1", 4650, 840,
                   1800, 255);
    Check1->setChecked(true);

    Label20 = label(client, "Label20", QStringLiteral("Start Here"), 6960, 720, 1335, 255);
    Line14 = line(client, "Line14", 6960, 1080, 8040, 1080);
    Line15 = line(client, "Line15", 7920, 960, 8040, 1080);
    Line16 = line(client, "Line16", 7920, 1200, 8040, 1080);
    Command1 = pictureButton(client, "Command1", QStyle::SP_DialogOpenButton,
                             QStringLiteral("Browse"), 8175, 705, 570, 450);
    Label2 = label(client, "Label2", QStringLiteral("Browse"), 8880, 840, 1215, 255);
    Label2->setFont(arialBlack(*client));

    Label18 = label(client, "Label18", QStringLiteral("Search"), 120, 1440, 2490, 255);
    Option1 = place(new QRadioButton(client), "Option1", 960, 1440, 255, 195);
    Option1->setAccessibleName(QStringLiteral("name"));
    Option1->setChecked(true);
    Label24 = label(client, "Label24", QStringLiteral("name"), 1200, 1440, 615, 255);
    Option2 = place(new QRadioButton(client), "Option2", 1920, 1440, 255, 195);
    Option2->setAccessibleName(QStringLiteral("e-mail"));
    Label25 = label(client, "Label25", QStringLiteral("e-mail"), 2160, 1440, 615, 255);
    Text2 = textBox(client, "Text2", QStringLiteral("Type a name or e-mail address..."),
                    QStringLiteral("Search"), 120, 1680, 3735, 285);
    Label4 = label(client, "Label4", QStringLiteral("Clipboard"), 3960, 1440, 2145, 255);
    Text3 = textBox(client, "Text3", QString(), QStringLiteral("Clipboard"), 3960, 1680, 4335, 285);

    // Column headings over the grid's name, address and type columns.
    Label13 = label(client, "Label13", QStringLiteral("Name"), 600, 2280, 1215, 255);
    Label8 = label(client, "Label8", QStringLiteral("E-mail Address"), 3840, 2280, 1575, 255);
    Label22 = label(client, "Label22", QStringLiteral("Type"), 7800, 2280, 495, 255);
    MSFlexGrid1 = place(new FlexGrid(client), "MSFlexGrid1", 120, 2520, 8370, 5175);
    MSFlexGrid1->setAccessibleName(QStringLiteral("Addresses"));

    Label12 = label(client, "Label12", QStringLiteral("List Controls"), 8640, 2160, 1455, 255);
    Label12->setFont(arialBlack(*client));
    add = pictureButton(client, "add", QStyle::SP_FileIcon, QStringLiteral("Add"), 9000, 2640, 570,
                        450);
    Label3 = label(client, "Label3", QStringLiteral("Add"), 9120, 3120, 615, 255);
    Command5 = pictureButton(client, "Command5", QStyle::SP_FileDialogDetailedView,
                             QStringLiteral("Edit"), 9000, 3600, 570, 450);
    Label23 = label(client, "Label23", QStringLiteral("Edit"), 9120, 4080, 615, 255);
    delete_ = pictureButton(client, "delete", QStyle::SP_TrashIcon, QStringLiteral("Remove"), 9000,
                            4560, 570, 450);
    Label9 = label(client, "Label9", QStringLiteral("Remove"), 8880, 5040, 855, 255);
    Command3 = pictureButton(client, "Command3", QStyle::SP_DialogResetButton,
                             QStringLiteral("Clear"), 9000, 5640, 570, 450);
    Label10 = label(client, "Label10", QStringLiteral("Clear"), 9000, 6120, 735, 255);
    Command4 = pictureButton(client, "Command4", QStyle::SP_DialogHelpButton,
                             QStringLiteral("Help"), 9000, 6600, 570, 450);
    Label14 = label(client, "Label14", QStringLiteral("Help"), 9000, 7080, 735, 255);

    Label1 = label(client, "Label1", QStringLiteral("Entries Read:"), 6840, 7680, 1185, 255);
    Label5 = label(client, "Label5", QStringLiteral("0"), 8040, 7680, 885, 255);
    Label5->setFont(arialBlack(*client));
    QPalette countPalette = Label5->palette();
    countPalette.setColor(QPalette::WindowText, kCountText);
    Label5->setPalette(countPalette);

    Label6 =
        label(client, "Label6", QStringLiteral("File type to export :"), 5640, 8280, 2055, 255);
    Combo1 = place(new QComboBox(client), "Combo1", 7560, 8280, 735, 315);
    Combo1->setEditable(true);
    Combo1->setEditText(QStringLiteral("CSV"));
    Combo1->setAccessibleName(QStringLiteral("File type to export"));
    Label11 = label(client, "Label11", QStringLiteral("Export Now!"), 8640, 8280, 1455, 255);
    Label11->setFont(arialBlack(*client));
    Command2 = pictureButton(client, "Command2", QStyle::SP_DialogSaveButton,
                             QStringLiteral("Export Now!"), 9000, 8640, 570, 480);
    Label21 = label(client, "Label21", QStringLiteral("Export Path"), 120, 8640, 1575, 255);
    Text1 =
        textBox(client, "Text1", QString(), QStringLiteral("Export Path"), 120, 8880, 8175, 285);
}

void Form1::createHiddenControls(QWidget* client) {
    // Right of the client area, and hidden as well.
    Check4 = place(new QCheckBox(QStringLiteral("domain Names"), client), "Check4", 10320, 360,
                   1800, 255);
    Check4->setChecked(true);
    Check3 =
        place(new QCheckBox(QStringLiteral("smtp Names"), client), "Check3", 10320, 720, 1800, 255);
    Check3->setChecked(true);
    Label19 = label(client, "Label19",
                    QStringLiteral("list2 (domain names)\nlist3 (domain)\nlist4 (names)\n"
                                   "list5 (SMTP)\nlist6 (Sorted List)\nlist7 SMTP location:"),
                    10320, 1200, 2400, 1695);
    Label26 = label(client, "Label26", QStringLiteral("Name List          List 1"), 10320, 3000,
                    2400, 255);
    for (QWidget* hidden : {static_cast<QWidget*>(Check4), static_cast<QWidget*>(Check3),
                            static_cast<QWidget*>(Label19), static_cast<QWidget*>(Label26)}) {
        hidden->hide();
    }
}

void Form1::createMenus() {
    const auto item = [](QMenu* menu, const char* name, const QString& caption,
                         const QKeySequence& shortcut = {}) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        return action;
    };
    const auto topMenu = [this](const char* name, const QString& caption) {
        QMenu* menu = menuBar()->addMenu(caption);
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };

    File = topMenu("File", QStringLiteral("File"));
    Open = item(File, "Open", QStringLiteral("Open"));
    Clear = item(File, "Clear", QStringLiteral("Clear List"));
    exit = item(File, "exit", QStringLiteral("&Exit"), QKeySequence(Qt::CTRL | Qt::Key_E));

    mnuEdit = topMenu("mnuEdit", QStringLiteral("Edit"));
    mnuCut = item(mnuEdit, "mnuCut", QStringLiteral("Cut"), QKeySequence(Qt::CTRL | Qt::Key_X));
    mnuCopy = item(mnuEdit, "mnuCopy", QStringLiteral("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuPaste =
        item(mnuEdit, "mnuPaste", QStringLiteral("Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));

    Group = topMenu("Group", QStringLiteral("Group"));
    domain = item(Group, "domain", QStringLiteral("Alpha Numerical Order"),
                  QKeySequence(Qt::CTRL | Qt::Key_O));
    domain->setEnabled(false);

    Info = topMenu("Info", QStringLiteral("Info"));
    Assistance = item(Info, "Assistance", QStringLiteral("More Help..."), QKeySequence(Qt::Key_F1));
    About = item(Info, "About", QStringLiteral("About"));
}

} // namespace quillet::app
