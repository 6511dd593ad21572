#include "program.hpp"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tessaly");
    tessaly::applyTessalyLook(app);
    tessaly::Program program;
    program.start();
    return QApplication::exec();
}
