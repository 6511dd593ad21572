// SPDX-License-Identifier: MIT
// The bare Qt program: Tessaly's two windows made by plain Qt calls, started
// as Tessaly starts, for the whole-process start-up comparison.

#include "bare_windows.hpp"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tessaly");
    tessaly::bench::applyBareLook(app);
    tessaly::bench::BareWindows windows;
    windows.show();
    return QApplication::exec();
}
