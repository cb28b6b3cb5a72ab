#pragma once

#include "widgets/start_here_hint.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QWidget;
class QMainWindow;

namespace quillet::widgets {
class AddressGrid;
class AddressTable;
class StatusBanner;
} // namespace quillet::widgets

namespace quillet::app {

// The main window's controls and menu items that do something. Decorative captions and frame
// lines are only created, named and placed.
struct MainWindowView {
    // Builds every control at its place in client and the menus in window's menu bar.
    MainWindowView(QMainWindow& window, QWidget& client);

    widgets::StatusBanner* statusBanner;
    QCheckBox* smtpBox;
    QCheckBox* exchangeBox;
    QCheckBox* smtpNamesSwitch;     // hidden: follows smtpBox
    QCheckBox* exchangeNamesSwitch; // hidden: follows exchangeBox
    QPushButton* browseButton;
    QRadioButton* searchByName;
    QRadioButton* searchByAddress;
    QLineEdit* searchEdit;
    QLineEdit* clipboardEdit;
    widgets::AddressGrid* addressGrid;
    widgets::AddressTable* addressTable;
    QPushButton* addButton;
    QPushButton* editButton;
    QPushButton* removeButton;
    QPushButton* clearButton;
    QPushButton* helpButton;
    QLabel* entryCount;
    QComboBox* fileTypeBox;
    QCheckBox* utf8Box;
    QPushButton* exportButton;
    QLineEdit* exportPathEdit;
    QPushButton* chooseExportFileButton;
    widgets::StartHereHint startHere;

    QMenu* fileMenu;
    QAction* openAction;
    QAction* readEveryEntryAction;
    QAction* clearAction;
    QAction* exitAction;
    QMenu* editMenu;
    QAction* cutAction;
    QAction* copyAction;
    QAction* pasteAction;
    QMenu* sortMenu;
    QAction* sortAction;
    QMenu* infoMenu;
    QAction* helpAction;
    QAction* aboutAction;
};

} // namespace quillet::app
