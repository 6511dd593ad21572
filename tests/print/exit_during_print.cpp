// SPDX-License-Identifier: MIT
// Plays a series, presses Print and then Exit after the number of
// milliseconds given as the argument, and returns what the program returns.
// Its driver runs it many times against a private print service and checks
// that every run ends cleanly and leaves no sheet behind.

#include "print_test_support.hpp"

#include "ui/print/result_sheet_printer.hpp"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tessaly::applyTessalyLook(app);
    const int delayMs = argc > 1 ? QString(argv[1]).toInt() : 0;
    tessaly::Program program;
    tessaly::testing::playSeries(program, "Meitner, Lise");
    tessaly::frmArray& window = program.mainWindow();
    // Nothing may be asked: a dialog would hold the run.
    window.printer().askToSavePdf = [](const QString&) { return false; };
    window.printer().reportFailure = [](const QString&) { return false; };
    QTimer::singleShot(0, &window, [&] { window.cmdPrint->click(); });
    QTimer::singleShot(delayMs, &window, [&] { window.cmdExit->click(); });
    QTimer::singleShot(20000, &app, [] { QApplication::exit(3); }); // Exit did nothing
    return QApplication::exec();
}
