#include "app/main_window.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quillet::app::MainWindow window;
    window.start();
    return app.exec();
}
