#include <QApplication>

#include "ui/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmoro utility"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tarnwick.Velmoro"));
    velmoro::MainWindow window;
    window.show();
    return QApplication::exec();
}
