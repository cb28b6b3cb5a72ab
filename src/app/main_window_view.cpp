#include "app/main_window_view.h"

#include "widgets/address_grid.h"
#include "widgets/address_table.h"
#include "widgets/frame_line.h"
#include "widgets/object_names.h"
#include "widgets/status_banner.h"
#include "widgets/twips.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

// Positions are in twips from the client area's top-left corner (left, top, width, height).
namespace quillet::app {
namespace {

const QColor kCountText(0, 0, 255);
constexpr int kPictureIconPixels = 20;

template <class Widget>
Widget* place(Widget* widget, const char* name, int left, int top, int width, int height) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(widgets::twipsRect(*widget->parentWidget(), left, top, width, height));
    return widget;
}

QLabel* label(QWidget& client, const char* name, const QString& text, int left, int top, int width,
              int height) {
    auto* widget = new QLabel(text, &client);
    widget->setTextFormat(Qt::PlainText);
    return place(widget, name, left, top, width, height);
}

QFont arialBlack(const QWidget& client) {
    QFont font = client.font();
    font.setFamilies({QStringLiteral("Arial Black"), QStringLiteral("Arial")});
    font.setWeight(QFont::Black);
    return font;
}

// A caption in the heavy face the window uses for its section titles.
QLabel* heavyLabel(QWidget& client, const char* name, const QString& text, int left, int top,
                   int width, int height) {
    QLabel* widget = label(client, name, text, left, top, width, height);
    widget->setFont(arialBlack(client));
    return widget;
}

QPushButton* pictureButton(QWidget& client, const char* name, QStyle::StandardPixmap picture,
                           const QString& caption, int left, int top, int width, int height) {
    auto* button = new QPushButton(&client);
    button->setIcon(client.style()->standardIcon(picture));
    button->setIconSize(QSize(kPictureIconPixels, kPictureIconPixels));
    button->setAccessibleName(caption);
    return place(button, name, left, top, width, height);
}

widgets::FrameLine* line(QWidget& client, const QString& name, int x1, int y1, int x2, int y2) {
    const int dpiX = client.logicalDpiX();
    const int dpiY = client.logicalDpiY();
    auto* widget = new widgets::FrameLine(
        QLine(widgets::twipsToPixels(x1, dpiX), widgets::twipsToPixels(y1, dpiY),
              widgets::twipsToPixels(x2, dpiX), widgets::twipsToPixels(y2, dpiY)),
        &client);
    widget->setObjectName(name);
    return widget;
}

QLineEdit* textBox(QWidget& client, const char* name, const QString& text, const QString& caption,
                   int left, int top, int width, int height) {
    auto* box = new QLineEdit(text, &client);
    box->setAccessibleName(caption);
    return place(box, name, left, top, width, height);
}

QCheckBox* checkBox(QWidget& client, const char* name, const QString& caption, int left, int top,
                    int width, int height) {
    auto* box = place(new QCheckBox(caption, &client), name, left, top, width, height);
    box->setChecked(true);
    return box;
}

// Frames round the type boxes and the button column, and the rule above the export row.
void frameLines(QWidget& client) {
    struct Segment {
        const char* name;
        int x1, y1, x2, y2;
    };
    static constexpr Segment kSegments[] = {
        {"typeFrameTop", 2160, 720, 6600, 720},       {"typeFrameBottom", 2160, 1200, 6600, 1200},
        {"typeFrameLeft", 2160, 720, 2160, 1200},     {"typeFrameRight", 6600, 720, 6600, 1200},
        {"buttonFrameTop", 8760, 2520, 9840, 2520},   {"buttonFrameBottom", 8760, 7440, 9840, 7440},
        {"buttonFrameLeft", 8760, 2520, 8760, 7440},  {"buttonFrameRight", 9840, 2520, 9840, 7440},
        {"buttonFrameRule1", 8760, 3480, 9840, 3480}, {"buttonFrameRule2", 8760, 4440, 9840, 4440},
        {"buttonFrameRule3", 8760, 5460, 9840, 5460}, {"buttonFrameRule4", 8760, 6480, 9840, 6480},
        {"exportRule", 0, 8160, 10080, 8160},
    };
    for (const Segment& s : kSegments) {
        line(client, QString::fromLatin1(s.name), s.x1, s.y1, s.x2, s.y2);
    }
}

// Hidden notes naming the loader's working lists (core::LoadLists), right of the client area.
void developerNotes(QWidget& client) {
    label(client, "workingListsNote",
          QStringLiteral("exchangeUnique (Exchange, once each)\nexchangeFound (Exchange)\n"
                         "smtpNames (SMTP names)\nsmtpFound (SMTP)\nsorted (Sort menu)\n"
                         "smtpLocations (SMTP positions)"),
          10320, 1200, 2400, 1695)
        ->hide();
    label(client, "namesColumnNote", QStringLiteral("names          addresses"), 10320, 3000, 2400,
          255)
        ->hide();
}

} // namespace

MainWindowView::MainWindowView(QMainWindow& window, QWidget& client) {
    frameLines(client);

    statusBanner =
        place(new widgets::StatusBanner(&client), names::statusBanner, -30, 0, 10290, 300);
    statusBanner->setMessage(core::BannerMessage::Initial);

    label(client, "listWhatLabel", QStringLiteral("List What?"), 2040, 360, 1335, 255);
    exchangeBox = checkBox(client, names::exchangeBox, QStringLiteral("Domain Addresses"), 2280,
                           825, 1725, 255);
    smtpBox =
        checkBox(client, names::smtpBox, QStringLiteral("SMTP Addresses"), 4650, 840, 1800, 255);

    QLabel* startHereLabel =
        label(client, names::startHereLabel, QStringLiteral("Start Here"), 6960, 720, 1335, 255);
    const QString arrow = QString::fromLatin1(names::startHereArrow);
    startHere = widgets::StartHereHint({
        startHereLabel,
        line(client, arrow + QStringLiteral("Shaft"), 6960, 1080, 8040, 1080),
        line(client, arrow + QStringLiteral("UpperHead"), 7920, 960, 8040, 1080),
        line(client, arrow + QStringLiteral("LowerHead"), 7920, 1200, 8040, 1080),
    });
    browseButton = pictureButton(client, names::browseButton, QStyle::SP_DialogOpenButton,
                                 QStringLiteral("Browse"), 8175, 705, 570, 450);
    heavyLabel(client, "browseCaption", QStringLiteral("Browse"), 8880, 840, 1215, 255);

    label(client, "searchLabel", QStringLiteral("Search"), 120, 1440, 2490, 255);
    searchByName = place(new QRadioButton(&client), names::searchByName, 960, 1440, 255, 195);
    searchByName->setAccessibleName(QStringLiteral("name"));
    searchByName->setChecked(true);
    label(client, "searchByNameCaption", QStringLiteral("name"), 1200, 1440, 615, 255);
    searchByAddress =
        place(new QRadioButton(&client), names::searchByAddress, 1920, 1440, 255, 195);
    searchByAddress->setAccessibleName(QStringLiteral("e-mail"));
    label(client, "searchByAddressCaption", QStringLiteral("e-mail"), 2160, 1440, 615, 255);
    searchEdit =
        textBox(client, names::searchEdit, QStringLiteral("Type a name or e-mail address..."),
                QStringLiteral("Search"), 120, 1680, 3735, 285);
    label(client, "clipboardLabel", QStringLiteral("Clipboard"), 3960, 1440, 2145, 255);
    clipboardEdit = textBox(client, names::clipboardEdit, QString(), QStringLiteral("Clipboard"),
                            3960, 1680, 4335, 285);

    // Column headings over the grid's name, address and type columns.
    label(client, "nameHeading", QStringLiteral("Name"), 600, 2280, 1215, 255);
    label(client, "addressHeading", QStringLiteral("E-mail Address"), 3840, 2280, 1575, 255);
    label(client, "typeHeading", QStringLiteral("Type"), 7800, 2280, 495, 255);
    addressGrid =
        place(new widgets::AddressGrid(&client), names::addressGrid, 120, 2520, 8370, 5175);
    addressGrid->setAccessibleName(QStringLiteral("Addresses"));

    heavyLabel(client, "listControlsLabel", QStringLiteral("List Controls"), 8640, 2160, 1455, 255);
    addButton = pictureButton(client, names::addButton, QStyle::SP_FileIcon, QStringLiteral("Add"),
                              9000, 2640, 570, 450);
    label(client, "addCaption", QStringLiteral("Add"), 9120, 3120, 615, 255);
    editButton = pictureButton(client, names::editButton, QStyle::SP_FileDialogDetailedView,
                               QStringLiteral("Edit"), 9000, 3600, 570, 450);
    label(client, "editCaption", QStringLiteral("Edit"), 9120, 4080, 615, 255);
    removeButton = pictureButton(client, names::removeButton, QStyle::SP_TrashIcon,
                                 QStringLiteral("Remove"), 9000, 4560, 570, 450);
    label(client, "removeCaption", QStringLiteral("Remove"), 8880, 5040, 855, 255);
    clearButton = pictureButton(client, names::clearButton, QStyle::SP_DialogResetButton,
                                QStringLiteral("Clear"), 9000, 5640, 570, 450);
    label(client, "clearCaption", QStringLiteral("Clear"), 9000, 6120, 735, 255);
    helpButton = pictureButton(client, names::helpButton, QStyle::SP_DialogHelpButton,
                               QStringLiteral("Help"), 9000, 6600, 570, 450);
    label(client, "helpCaption", QStringLiteral("Help"), 9000, 7080, 735, 255);

    label(client, "entriesReadLabel", QStringLiteral("Entries Read:"), 6840, 7680, 1185, 255);
    entryCount = heavyLabel(client, names::entryCount, QStringLiteral("0"), 8040, 7680, 885, 255);
    QPalette countPalette = entryCount->palette();
    countPalette.setColor(QPalette::WindowText, kCountText);
    entryCount->setPalette(countPalette);
    addressTable = new widgets::AddressTable(*addressGrid, *entryCount, &window);

    label(client, "fileTypeLabel", QStringLiteral("File type to export :"), 5640, 8280, 2055, 255);
    fileTypeBox = place(new QComboBox(&client), names::fileTypeBox, 7560, 8280, 735, 315);
    fileTypeBox->setEditable(true);
    fileTypeBox->setEditText(QStringLiteral("CSV"));
    fileTypeBox->setAccessibleName(QStringLiteral("File type to export"));
    heavyLabel(client, "exportCaption", QStringLiteral("Export Now!"), 8640, 8280, 1455, 255);
    exportButton = pictureButton(client, names::exportButton, QStyle::SP_DialogSaveButton,
                                 QStringLiteral("Export Now!"), 9000, 8640, 570, 480);
    label(client, "exportPathLabel", QStringLiteral("Export Path"), 120, 8640, 1575, 255);
    exportPathEdit = textBox(client, names::exportPathEdit, QString(),
                             QStringLiteral("Export Path"), 120, 8880, 8175, 285);
    // Additions in the export row's free room: the encoding left of the type, and a save dialog
    // between the path and Export Now!.
    utf8Box = place(new QCheckBox(QStringLiteral("&UTF-8 (CSV, TAB)"), &client), names::utf8Box,
                    3480, 8280, 2040, 255);
    utf8Box->setToolTip(QStringLiteral("Write CSV and TAB files in UTF-8, which keeps every "
                                       "name; unticked they are Windows-1252"));
    chooseExportFileButton = place(new QPushButton(QStringLiteral("..."), &client),
                                   names::chooseExportFileButton, 8355, 8880, 345, 285);
    chooseExportFileButton->setAccessibleName(QStringLiteral("Choose Export File"));
    chooseExportFileButton->setToolTip(QStringLiteral("Choose the export file"));
    // The picture buttons have no caption of their own to carry a mnemonic.
    for (const auto& [button, key] :
         {std::pair{addButton, Qt::Key_A}, std::pair{editButton, Qt::Key_D},
          std::pair{removeButton, Qt::Key_R}, std::pair{clearButton, Qt::Key_C},
          std::pair{exportButton, Qt::Key_N}}) {
        button->setShortcut(QKeySequence(Qt::ALT | key));
        button->setToolTip(button->accessibleName() + QStringLiteral(" (") +
                           button->shortcut().toString(QKeySequence::NativeText) +
                           QStringLiteral(")"));
    }
    QWidget::setTabOrder(fileTypeBox, utf8Box);
    QWidget::setTabOrder(utf8Box, exportPathEdit);
    QWidget::setTabOrder(exportPathEdit, chooseExportFileButton);
    QWidget::setTabOrder(chooseExportFileButton, exportButton);

    // Right of the client area, and hidden as well.
    exchangeNamesSwitch = checkBox(client, names::exchangeNamesSwitch,
                                   QStringLiteral("domain Names"), 10320, 360, 1800, 255);
    exchangeNamesSwitch->hide();
    smtpNamesSwitch = checkBox(client, names::smtpNamesSwitch, QStringLiteral("smtp Names"), 10320,
                               720, 1800, 255);
    smtpNamesSwitch->hide();
    developerNotes(client);

    const auto item = [](QMenu* menu, const char* name, const QString& caption,
                         const QKeySequence& shortcut = {}) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        return action;
    };
    const auto topMenu = [&window](const char* name, const QString& caption) {
        QMenu* menu = window.menuBar()->addMenu(caption);
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };

    fileMenu = topMenu(names::fileMenu, QStringLiteral("&File"));
    openAction = item(fileMenu, names::openAction, QStringLiteral("&Open"));
    readEveryEntryAction =
        item(fileMenu, names::readEveryEntryAction, QStringLiteral("&Read Every Entry..."),
             QKeySequence(Qt::CTRL | Qt::Key_R));
    clearAction = item(fileMenu, names::clearAction, QStringLiteral("&Clear List"));
    exitAction = item(fileMenu, names::exitAction, QStringLiteral("&Exit"),
                      QKeySequence(Qt::CTRL | Qt::Key_E));

    editMenu = topMenu(names::editMenu, QStringLiteral("&Edit"));
    cutAction = item(editMenu, names::cutAction, QStringLiteral("Cu&t"),
                     QKeySequence(Qt::CTRL | Qt::Key_X));
    copyAction = item(editMenu, names::copyAction, QStringLiteral("&Copy"),
                      QKeySequence(Qt::CTRL | Qt::Key_C));
    pasteAction = item(editMenu, names::pasteAction, QStringLiteral("&Paste"),
                       QKeySequence(Qt::CTRL | Qt::Key_V));

    sortMenu = topMenu(names::sortMenu, QStringLiteral("&Group"));
    sortAction = item(sortMenu, names::sortAction, QStringLiteral("&Alpha Numerical Order"),
                      QKeySequence(Qt::CTRL | Qt::Key_O));
    sortAction->setEnabled(false);

    infoMenu = topMenu(names::infoMenu, QStringLiteral("&Info"));
    helpAction = item(infoMenu, names::helpAction, QStringLiteral("&More Help..."),
                      QKeySequence(Qt::Key_F1));
    aboutAction = item(infoMenu, names::aboutAction, QStringLiteral("&About"));
}

} // namespace quillet::app
