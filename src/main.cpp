#include "app/main_window.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quillet::app::MainWindow window;
    window.start();
    // "quillet FILE" (the desktop's Open With): loaded as a drop is, once start-up has looked
    // for the user's own file.
    const QStringList files = app.arguments().mid(1);
    if (!files.isEmpty()) {
        window.openFile(files.constFirst());
    }
    return app.exec();
}
