#include "app/main_window.h"

#include "app/main_window_view.h"
#include "app/shutdown.h"
#include "app/wheel_filter.h"
#include "app/window_fit.h"
#include "app/window_icon.h"
#include "export/export_command.h"
#include "export/typed_combo.h"
#include "info/info_commands.h"
#include "listview/click_watcher.h"
#include "listview/clipboard_commands.h"
#include "listview/edit_keys_filter.h"
#include "listview/grid_search.h"
#include "listview/list_commands.h"
#include "nk2/browse.h"
#include "nk2/drop_loader.h"
#include "nk2/read_every_entry.h"
#include "widgets/address_grid.h"
#include "widgets/address_table.h"
#include "widgets/object_names.h"
#include "widgets/status_banner.h"
#include "widgets/twips.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

namespace quillet::app {
namespace {

const QColor kWindowBack(192, 192, 255);
constexpr int kClientWidthTwips = 10080;
constexpr int kClientHeightTwips = 9330;
constexpr int kFontPoints = 8;

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QString::fromLatin1(names::mainWindow));
    setWindowTitle(QStringLiteral("Quillet"));
    setWindowIcon(programIcon());
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
    client->setFixedSize(
        widgets::twipsRect(*client, 0, 0, kClientWidthTwips, kClientHeightTwips).size());
    setScrollingClient(*this, *client);

    view_ = std::make_unique<MainWindowView>(*this, *client);
    keepInSight(*this, *view_->statusBanner);
    wireWindowCommands();
    wireFeatures();
    fitToScreen(*this, *client);
}

MainWindow::~MainWindow() = default;

void MainWindow::wireWindowCommands() {
    // The hidden name switches follow the type boxes.
    const auto follow = [this] {
        view_->exchangeNamesSwitch->setChecked(view_->exchangeBox->isChecked());
        view_->smtpNamesSwitch->setChecked(view_->smtpBox->isChecked());
    };
    connect(view_->smtpBox, &QCheckBox::toggled, this, follow);
    connect(view_->exchangeBox, &QCheckBox::toggled, this, follow);
    connect(view_->exitAction, &QAction::triggered, this, [this] {
        if (view_->addressTable->confirmDiscard(*this, QStringLiteral("Exit"))) {
            endProcess();
        }
    });
    // F10 opens the first menu, as on the desktop this window was made for; Alt+letter opens
    // each menu by its mnemonic.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(view_->fileMenu->menuAction()); });
    connect(view_->sortAction, &QAction::triggered, this, [this] {
        view_->addressTable->lists().sorted.clear();
        view_->addressTable->lists().addresses.clear();
    });
}

void MainWindow::wireFeatures() {
    MainWindowView& v = *view_;

    // Export: the export button; picking a file type from the list (not typing one).
    exportCommand_ = std::make_unique<exporter::ExportCommand>(exporter::ExportCommand::Controls{
        *this, v.addressGrid->addresses(), *v.fileTypeBox, *v.utf8Box, *v.exportPathEdit,
        *v.statusBanner, v.addressTable->loadedFiles()});
    exporter::keepTypedText(*v.fileTypeBox);
    connect(v.exportButton, &QPushButton::clicked, this, [this] {
        if (exportCommand_->exportNow()) {
            view_->addressTable->markExported();
        }
    });
    connect(v.fileTypeBox, &QComboBox::activated, this,
            [this] { exportCommand_->fileTypePicked(); });
    connect(v.chooseExportFileButton, &QPushButton::clicked, this,
            [this] { exportCommand_->chooseFile(); });

    // The list: grid click and search, the list controls, the Edit menu.
    gridSearch_ = std::make_unique<listview::GridSearch>(listview::GridSearch::Controls{
        *this, *v.addressTable, *v.searchEdit, *v.searchByName, *v.clipboardEdit, *v.statusBanner});
    connect(v.addressGrid, &widgets::AddressGrid::clickedByUser, this,
            [this] { gridSearch_->gridClicked(); });
    connect(v.searchEdit, &QLineEdit::textChanged, this, [this] { gridSearch_->searchChanged(); });
    connect(new listview::ClickWatcher(v.searchEdit), &listview::ClickWatcher::clicked, this,
            [this] { gridSearch_->searchClicked(); });

    listCommands_ = std::make_unique<listview::ListCommands>(
        listview::ListCommands::Controls{*this, *v.addressTable, *v.statusBanner, v.startHere});
    connect(v.addButton, &QPushButton::clicked, this, [this] { listCommands_->add(); });
    connect(v.editButton, &QPushButton::clicked, this, [this] { listCommands_->edit(); });
    connect(v.removeButton, &QPushButton::clicked, this, [this] { listCommands_->remove(); });
    connect(v.clearButton, &QPushButton::clicked, this, [this] { listCommands_->clear(); });
    connect(v.clearAction, &QAction::triggered, this, [this] { listCommands_->clear(); });
    // The grid's own keys for the buttons beside it: only while it has the focus.
    const auto gridKey = [this, &v](const QKeySequence& keys,
                                    void (listview::ListCommands::*command)()) {
        auto* shortcut = new QShortcut(keys, v.addressGrid);
        shortcut->setContext(Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this,
                [this, command] { (listCommands_.get()->*command)(); });
    };
    gridKey(QKeySequence(Qt::Key_Delete), &listview::ListCommands::remove);
    gridKey(QKeySequence(Qt::Key_Return), &listview::ListCommands::edit);
    gridKey(QKeySequence(Qt::Key_Enter), &listview::ListCommands::edit);
    gridKey(QKeySequence(Qt::Key_F2), &listview::ListCommands::edit);
    connect(v.addressGrid, &QAbstractItemView::doubleClicked, this,
            [this] { listCommands_->edit(); });

    clipboardCommands_ = std::make_unique<listview::ClipboardCommands>(
        listview::ClipboardCommands::Controls{*this, *v.exportPathEdit, *v.searchEdit,
                                              *v.clipboardEdit, *v.fileTypeBox, *v.statusBanner});
    connect(new listview::ClickWatcher(v.clipboardEdit), &listview::ClickWatcher::clicked, this,
            [this] { clipboardCommands_->clipboardBoxClicked(); });
    connect(v.cutAction, &QAction::triggered, this, [this] { clipboardCommands_->cut(); });
    connect(v.copyAction, &QAction::triggered, this, [this] { clipboardCommands_->copy(); });
    connect(v.pasteAction, &QAction::triggered, this, [this] { clipboardCommands_->paste(); });
    new listview::EditKeysFilter({v.exportPathEdit, v.searchEdit, v.clipboardEdit, v.fileTypeBox},
                                 {v.cutAction, v.copyAction, v.pasteAction, v.exitAction});

    // Info: the Info menu and the Help button.
    infoCommands_ = std::make_unique<info::InfoCommands>(*this, *v.statusBanner);
    connect(v.helpAction, &QAction::triggered, this, [this] { infoCommands_->showHelp(); });
    connect(v.aboutAction, &QAction::triggered, this, [this] { infoCommands_->showAbout(); });
    connect(v.helpButton, &QPushButton::clicked, this, [this] { infoCommands_->playMarquee(); });

    // Loading: Browse, File, Open, and an NK2 file dropped on the window.
    const nk2::BrowseControls loading{
        *this,           *v.browseButton,    *v.exportButton,        *v.smtpBox,
        *v.exchangeBox,  *v.smtpNamesSwitch, *v.exchangeNamesSwitch, v.startHere,
        *v.statusBanner, *v.addressTable};
    browse_ = new nk2::Browse(loading);
    connect(v.browseButton, &QPushButton::clicked, this, [this] { browse_->withDialog(); });
    connect(v.openAction, &QAction::triggered, this, [this] { browse_->withDialog(); });
    new nk2::DropLoader(*this, *browse_);

    // File, Read Every Entry...: every entry by the file's structure; it also tells, after each
    // Browse, what the scan left out.
    readEveryEntry_ = new nk2::ReadEveryEntry(loading, *browse_, *v.readEveryEntryAction);
    connect(v.readEveryEntryAction, &QAction::triggered, this,
            [this] { readEveryEntry_->withDialog(); });
}

void MainWindow::openFile(const QByteArray& localName) {
    browse_->fileNamed(localName);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!view_->addressTable->confirmDiscard(*this, QStringLiteral("Exit"))) {
        event->ignore();
        return;
    }
    event->accept();
    endProcess();
}

} // namespace quillet::app
