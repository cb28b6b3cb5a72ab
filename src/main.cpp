#include "app/command_line.h"
#include "app/main_window.h"

#include <QApplication>
#include <span>

int main(int argc, char** argv) {
    // Answered before any window system is contacted, so they work without a display.
    const auto commandLine = quillet::app::parseWindowCommandLine(
        std::span<const char* const>(argv + 1, static_cast<std::size_t>(argc - 1)));
    if (commandLine.request != quillet::app::WindowCommandLine::Request::Window) {
        return quillet::app::answerWithoutWindow(commandLine);
    }
    QApplication app(argc, argv);
    quillet::app::MainWindow window;
    window.start();
    // "quillet FILE" (the desktop's Open With): loaded as a drop is, once start-up has looked
    // for the user's own file.
    if (!commandLine.file.empty()) {
        window.openFile(QByteArray::fromStdString(commandLine.file));
    }
    return app.exec();
}
