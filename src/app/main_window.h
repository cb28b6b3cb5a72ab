#pragma once

#include <QByteArray>
#include <QMainWindow>
#include <memory>

namespace quillet::exporter {
class ExportCommand;
}
namespace quillet::info {
class InfoCommands;
}
namespace quillet::listview {
class ClipboardCommands;
class GridSearch;
class ListCommands;
} // namespace quillet::listview
namespace quillet::nk2 {
class Browse;
class ReadEveryEntry;
} // namespace quillet::nk2

namespace quillet::app {

struct MainWindowView;

// The main window: builds the controls and menus, keeps them to itself, and wires each to the
// feature that gives it behaviour.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: shows the window, prepares the grid, wheel and export fields, then looks for
    // the user's NK2 file and reports in the banner. Waits (and so processes events) for
    // several seconds.
    void start();

    // Loads an NK2 file named outside the window (on the command line) as a dropped one, by
    // the bytes of its name, so that a name that is not valid UTF-8 opens too.
    void openFile(const QByteArray& localName);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void wireWindowCommands();
    void wireFeatures();
    void detectNk2File();

    std::unique_ptr<MainWindowView> view_;
    nk2::Browse* browse_ = nullptr;                 // a child of the window
    nk2::ReadEveryEntry* readEveryEntry_ = nullptr; // a child of the window
    std::unique_ptr<listview::GridSearch> gridSearch_;
    std::unique_ptr<listview::ListCommands> listCommands_;
    std::unique_ptr<listview::ClipboardCommands> clipboardCommands_;
    std::unique_ptr<exporter::ExportCommand> exportCommand_;
    std::unique_ptr<info::InfoCommands> infoCommands_;
    bool wheelInstalled_ = false;
};

} // namespace quillet::app
