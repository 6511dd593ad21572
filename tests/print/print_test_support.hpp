// SPDX-License-Identifier: MIT
#pragma once

// Drives the windows to the end of a series, runs the private print scheduler
// and reads back printed pages, for the print tests.

#include "ui/form/look.hpp"
#include "ui/form/qt_convert.hpp"
#include "ui/print/print_module_loader.hpp"
#include "ui/program.hpp"

#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

namespace tessaly::testing {

// Test programs run from their own folders: they find the print module in
// the build tree.
inline const bool printModuleFound = [] {
    addPrintModuleCandidate(QStringLiteral(TESSALY_PRINT_MODULE));
    return true;
}();

// Signs in with the given name and plays a whole series by pressing
// "Test Now!" and "Next" without marking anything: every problem is wrong.
inline void playSeries(Program& program, const QString& name) {
    frmSignIn& signIn = *program.signIn();
    QTest::keyClicks(signIn.txtPeriod, "3");
    QTest::keyClicks(signIn.txtID, "CS-101");
    signIn.txtName->setText(name); // pasted: it may hold anything
    QTest::keyClicks(signIn.txtTeacher, "Hopper, Grace");
    QTest::mouseClick(signIn.cmdOk, Qt::LeftButton);
    frmArray& window = program.mainWindow();
    (void)QTest::qWaitForWindowActive(&window);
    QTest::mouseClick(window.cmdStart, Qt::LeftButton);
    while (!window.cmdPrint->isVisible()) {
        QTest::mouseClick(window.cmdRun, Qt::LeftButton);
    }
}

// Runs private_cups.sh with `arguments`; its output, and its exit status in `status`.
inline QString privateCups(const QStringList& arguments, int* status = nullptr) {
    QProcess process;
    process.start("bash", QStringList{QStringLiteral(TESSALY_PRIVATE_CUPS)} + arguments);
    process.waitForFinished(60000);
    if (status != nullptr) {
        *status = process.exitCode();
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError())
        .trimmed();
}

// Points every print client of this process at the private scheduler in
// `folder`, and only at it.
inline void usePrivateCups(const QString& folder) {
    for (const QString& line : privateCups({"env", folder}).split('\n')) {
        const auto name = line.section('=', 0, 0).toLocal8Bit();
        qputenv(name.constData(), line.section('=', 1).toLocal8Bit());
    }
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
}

// The first page of a PDF, rendered at `dpi`; a null image when it fails.
inline QImage renderFirstPage(const QString& pdf, const QString& folder, int dpi) {
    const QString prefix = folder + "/page";
    const int status = QProcess::execute("pdftoppm", {"-png", "-r", QString::number(dpi), "-f", "1",
                                                      "-l", "1", "-singlefile", pdf, prefix});
    return status == 0 ? QImage(prefix + ".png").convertToFormat(QImage::Format_RGB32) : QImage();
}

// Mean difference per colour channel between `page` inside `area` and `sheet`
// scaled to that area: small when the page shows the sheet there.
inline double meanDifference(const QImage& page, const QRect& area, const QImage& sheet) {
    const QImage expected =
        sheet.convertToFormat(QImage::Format_RGB32)
            .scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double total = 0;
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            const QColor a = page.pixelColor(area.x() + x, area.y() + y);
            const QColor b = expected.pixelColor(x, y);
            total += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                     std::abs(a.blue() - b.blue());
        }
    }
    return total / (3.0 * area.width() * area.height());
}

// Where a sheet of `sheetSize` lands on a page: scaled into the printable
// area `paintRect` (in points) with its proportions kept, at `dpi`.
inline QRect sheetArea(const QRectF& paintRect, QSize sheetSize, int dpi) {
    const double scale = dpi / 72.0;
    QSize size = sheetSize;
    size.scale((paintRect.size() * scale).toSize(), Qt::KeepAspectRatio);
    return QRect((paintRect.topLeft() * scale).toPoint(), size);
}

} // namespace tessaly::testing
