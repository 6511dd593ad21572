#include "program.hpp"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tessaly");
    QGuiApplication::setDesktopFileName(TESSALY_APP_ID);
    tessaly::applyTessalyLook(app);
    tessaly::Program program;
    program.start();
    return QApplication::exec();
}
