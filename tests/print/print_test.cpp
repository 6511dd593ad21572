// SPDX-License-Identifier: MIT
// Prints result sheets through a private CUPS scheduler and checks what
// arrives in its queue.

#include "print_test_support.hpp"
#include "ui/print/result_sheet_printer.hpp"

#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include <memory>

using namespace tessaly;
using namespace tessaly::testing;

class PrintTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void printsTheResultSheet_data();
    void printsTheResultSheet();
    void refusedJobOffersPdf();

private:
    QString cups(const QStringList& arguments, int* status = nullptr) const;
    QString waitForJob() const;

    std::unique_ptr<QTemporaryDir> folder_;
};

QString PrintTest::cups(const QStringList& arguments, int* status) const {
    return privateCups(arguments, status);
}

void PrintTest::initTestCase() {
    applyTessalyLook(*qApp);
    folder_ = std::make_unique<QTemporaryDir>("/tmp/tessaly-print-XXXXXX");
    QVERIFY(folder_->isValid());
    int status = 0;
    const QString output = cups({"start", folder_->path()}, &status);
    if (status == 77) {
        QSKIP(qPrintable("no private print scheduler: " + output));
    }
    QVERIFY2(status == 0, qPrintable(output));
    // Tessaly must see the private queue, and only it, as the default printer.
    usePrivateCups(folder_->path());
    QCOMPARE(QPrinterInfo::defaultPrinterName(), QString("tessaly-test"));
}

void PrintTest::cleanupTestCase() {
    if (folder_) {
        cups({"stop", folder_->path()});
    }
}

QString PrintTest::waitForJob() const {
    int status = 0;
    const QString output = cups({"wait-job", folder_->path(), "60"}, &status);
    return status == 0 ? output : QString();
}

void PrintTest::printsTheResultSheet_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("plain name") << "Lovelace, Ada";
    QTest::newRow("unusual text") << QString::fromUtf8(
        "Łukasiewicz 🙂 שלום /etc:*?\"<>| \t end");
    QTest::newRow("long name") << QString(5000, 'W');
}

void PrintTest::printsTheResultSheet() {
    QFETCH(QString, name);
    Program program;
    playSeries(program, name);
    frmArray& window = program.mainWindow();
    window.printer().askToSavePdf = [](const QString& problem) {
        qWarning("unexpected print failure: %s", qPrintable(problem));
        return false;
    };
    const QImage sheet = window.printer().resultSheet();
    const QRectF paintRect = QPrinter(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution)
                                 .pageLayout()
                                 .paintRect(QPageLayout::Point);
    for (int copy = 1; copy <= 2; ++copy) {
        QTest::mouseClick(window.cmdPrint, Qt::LeftButton);
        QVERIFY2(window.printer().lastProblem().isEmpty(),
                 qPrintable(window.printer().lastProblem()));
        QCOMPARE(window.focusWidget(), window.cmdExit);
        const QString pdf = waitForJob();
        QVERIFY2(!pdf.isEmpty(), "no print job arrived");
        const QImage page = renderFirstPage(pdf, folder_->path(), 60);
        QVERIFY(!page.isNull());
        QVERIFY(QFile::remove(pdf)); // the next copy must arrive anew
        const double difference =
            meanDifference(page, sheetArea(paintRect, sheet.size(), 60), sheet);
        QVERIFY2(difference < 12, qPrintable(QString("page differs by %1").arg(difference)));
        // The white result window with its counters: white ground, light green
        // Right box, light red Wrong box, yellow Score box.
        const QRect area = sheetArea(paintRect, sheet.size(), 60);
        const auto at = [&](double fx, double fy) {
            return page.pixelColor(area.x() + int(fx * area.width()),
                                   area.y() + int(fy * area.height()));
        };
        QCOMPARE(at(0.40, 0.30), QColor(Qt::white));
        const QColor right = at(0.058, 0.75);
        const QColor wrong = at(0.239, 0.75);
        const QColor score = at(0.416, 0.75);
        QVERIFY2(right.green() > 245 && std::abs(right.red() - 128) < 12, qPrintable(right.name()));
        QVERIFY2(wrong.red() > 245 && std::abs(wrong.blue() - 192) < 12, qPrintable(wrong.name()));
        QVERIFY2(score.red() > 245 && score.green() > 245 && score.blue() < 12,
                 qPrintable(score.name()));
    }
}

void PrintTest::refusedJobOffersPdf() {
    Program program;
    playSeries(program, "Turing, Alan");
    frmArray& window = program.mainWindow();
    int status = 0;
    cups({"reject", folder_->path()}, &status);
    QCOMPARE(status, 0);
    QString offered;
    window.printer().askToSavePdf = [&](const QString& problem) {
        offered = problem;
        return false; // cancelled: nothing more happens
    };
    QTest::mouseClick(window.cmdPrint, Qt::LeftButton);
    cups({"accept", folder_->path()});
    QVERIFY2(offered.contains("did not take the job"), qPrintable(offered));
    QVERIFY(window.cmdPrint->isVisible());
    // Nothing was printed or saved: Print keeps the focus, so that a second
    // Space cannot end the program and lose the sheet.
    QCOMPARE(window.focusWidget(), window.cmdPrint);
}

QTEST_MAIN(PrintTest)
#include "print_test.moc"
