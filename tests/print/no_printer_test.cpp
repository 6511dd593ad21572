// SPDX-License-Identifier: MIT
// Print with no print service running: Tessaly says so and offers to save
// the same result sheet as a PDF file.

#include "print_test_support.hpp"
#include "ui/print/result_sheet_printer.hpp"

#include <QPrinterInfo>
#include <QTemporaryDir>

using namespace tessaly;
using namespace tessaly::testing;

class NoPrinterTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void offersPdf_data();
    void offersPdf();
    void unwritablePdfIsReported();
    void proposedName_data();
    void proposedName();

private:
    QTemporaryDir folder_;
};

void NoPrinterTest::initTestCase() {
    applyTessalyLook(*qApp);
    QVERIFY(folder_.isValid());
    QDir(folder_.path()).mkpath("client");
    qputenv("CUPS_SERVER", (folder_.path() + "/no-such-server.sock").toLocal8Bit());
    qputenv("CUPS_SERVERROOT", (folder_.path() + "/client").toLocal8Bit());
    qputenv("HOME", folder_.path().toLocal8Bit());
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    QVERIFY(QPrinterInfo::defaultPrinter().isNull());
}

void NoPrinterTest::offersPdf_data() {
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("file");
    QTest::newRow("saved") << true << "sheet.pdf";
    QTest::newRow("cancelled at the question") << false << "unused.pdf";
    QTest::newRow("cancelled in the file dialog") << true << "";
}

void NoPrinterTest::offersPdf() {
    QFETCH(bool, save);
    QFETCH(QString, file);
    Program program;
    playSeries(program, "Lovelace, Ada");
    frmArray& window = program.mainWindow();
    QString problem;
    QString proposed;
    const QString path = file.isEmpty() ? QString() : folder_.filePath(file);
    window.printer().askToSavePdf = [&](const QString& text) {
        problem = text;
        return save;
    };
    window.printer().choosePdfFile = [&](const QString& name) {
        proposed = name;
        return path;
    };
    window.printer().reportFailure = [](const QString& text) {
        QTest::qFail(qPrintable(text), __FILE__, __LINE__);
        return false;
    };
    window.printer().reportSaved = [](const QString&) {};
    // Print leaves the focus on Exit once the sheet is saved, else on Print.
    const bool written = save && !file.isEmpty();
    QPushButton* focusAfter = written ? window.cmdExit : window.cmdPrint;
    focusAfter->setFocus();
    const QImage before = window.printer().resultSheet();

    QTest::mouseClick(window.cmdPrint, Qt::LeftButton);

    QVERIFY2(problem.contains("No print service is running"), qPrintable(problem));
    QCOMPARE(proposed, save ? window.printer().proposedPdfName() : QString());
    QCOMPARE(window.focusWidget(), focusAfter);
    QCOMPARE(window.printer().resultSheet(), before); // the window is as it was
    QCOMPARE(!file.isEmpty() && QFile::exists(path), written);
    if (written) {
        const QImage page = renderFirstPage(path, folder_.path(), 60);
        QVERIFY(!page.isNull());
        const QRectF paintRect =
            ResultSheetPrinter::defaultPdfLayout().paintRect(QPageLayout::Point);
        const double difference =
            meanDifference(page, sheetArea(paintRect, before.size(), 60), before);
        QVERIFY2(difference < 12, qPrintable(QString("page differs by %1").arg(difference)));
        QFile::remove(path);
    }
}

void NoPrinterTest::unwritablePdfIsReported() {
    Program program;
    playSeries(program, "Hopper, Grace");
    frmArray& window = program.mainWindow();
    QString reported;
    window.printer().askToSavePdf = [](const QString&) { return true; };
    window.printer().choosePdfFile = [&](const QString&) {
        return folder_.filePath("missing-folder/sheet.pdf");
    };
    window.printer().reportFailure = [&](const QString& text) {
        reported = text;
        return false;
    };
    QVERIFY(!window.printer().printResultSheet());
    QVERIFY2(reported.contains("could not be written"), qPrintable(reported));
}

void NoPrinterTest::proposedName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "Lovelace, Ada"
                           << "Lovelace, Ada DATE.pdf";
    QTest::newRow("refused characters") << "a/b\\c:d*e?f\"g<h>i|j"
                                        << "a-b-c-d-e-f-g-h-i-j DATE.pdf";
    QTest::newRow("control characters") << "x\ty\nz"
                                        << "x-y-z DATE.pdf";
    QTest::newRow("hidden file") << ".profile"
                                 << "Tessaly result.profile DATE.pdf";
}

void NoPrinterTest::proposedName() {
    QFETCH(QString, name);
    QFETCH(QString, expected);
    Program program;
    program.mainWindow().writeStudentData(&StudentData::lblName, name);
    program.mainWindow().writeSignInDate("DATE");
    QCOMPARE(program.mainWindow().printer().proposedPdfName(), expected);
}

QTEST_MAIN(NoPrinterTest)
#include "no_printer_test.moc"
