// SPDX-License-Identifier: MIT
#include "ui/form/look.hpp"
#include "ui/program.hpp"

#include "tessaly_config.hpp"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tessaly");
    QApplication::setApplicationVersion(tessaly::Version);
    QGuiApplication::setDesktopFileName(tessaly::ApplicationId);
    tessaly::applyTessalyLook(app);
    tessaly::Program program;
    program.start();
    return QApplication::exec();
}
