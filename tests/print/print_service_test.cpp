// SPDX-License-Identifier: MIT
// Print while the print service is paused, frozen, silent or without a default
// printer: the window keeps taking events, each case is told as it is, and the
// result sheet is offered as a PDF file.

#include "print_test_support.hpp"
#include "ui/print/result_sheet_printer.hpp"

#include <QElapsedTimer>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <memory>

using namespace tessaly;
using namespace tessaly::testing;

namespace {

// The longest time the event loop went without running a short timer: how
// long the window was frozen.
class StallMeter {
public:
    StallMeter() {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { lap(); });
        clock_.start();
        timer_.start();
    }
    qint64 longestMs() {
        lap();
        return longest_;
    }

private:
    void lap() { longest_ = std::max(longest_, clock_.restart()); }

    QTimer timer_;
    QElapsedTimer clock_;
    qint64 longest_ = 0;
};

// A Unix socket that takes connections and never answers them, as a print
// service that hangs.
class SilentSocket {
public:
    explicit SilentSocket(const QString& path) : fd_(socket(AF_UNIX, SOCK_STREAM, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = path.toLocal8Bit();
        std::strncpy(address.sun_path, name.constData(), sizeof(address.sun_path) - 1);
        listening_ = fd_ >= 0 &&
                     bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
                     listen(fd_, 16) == 0;
    }
    ~SilentSocket() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    bool listening() const { return listening_; }

private:
    int fd_;
    bool listening_ = false;
};

// What one press of Print showed the student.
struct PrintRun {
    QStringList questions; // every PDF offer, in order
    qint64 msToQuestion = -1;
    qint64 longestStallMs = 0;
};

} // namespace

class PrintServiceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void pausedPrinterKeepsTheJob();
    void silentService_data();
    void silentService();
    void noDefaultPrinter(); // deletes the queue
    void exitWhileWaiting(); // last: it ends the application's event loops

private:
    PrintRun pressPrint(frmArray& window, const QString& pdf, bool pressAgainWhileWaiting);
    QString dir() const { return folder_->path(); }

    std::unique_ptr<QTemporaryDir> folder_;
};

void PrintServiceTest::initTestCase() {
    applyTessalyLook(*qApp);
    folder_ = std::make_unique<QTemporaryDir>("/tmp/tessaly-service-XXXXXX");
    QVERIFY(folder_->isValid());
    int status = 0;
    const QString output = privateCups({"start", dir()}, &status);
    if (status == 77) {
        QSKIP(qPrintable("no private print scheduler: " + output));
    }
    QVERIFY2(status == 0, qPrintable(output));
    usePrivateCups(dir());
}

void PrintServiceTest::cleanupTestCase() {
    if (folder_) {
        privateCups({"stop", dir()});
    }
}

PrintRun PrintServiceTest::pressPrint(frmArray& window, const QString& pdf,
                                      bool pressAgainWhileWaiting) {
    PrintRun run;
    QElapsedTimer clock;
    window.printer().askToSavePdf = [&](const QString& problem) {
        run.questions << problem;
        if (run.msToQuestion < 0) {
            run.msToQuestion = clock.elapsed();
        }
        return true;
    };
    window.printer().choosePdfFile = [&](const QString&) { return pdf; };
    window.printer().reportFailure = [](const QString& problem) {
        qWarning("%s", qPrintable(problem));
        return false;
    };
    window.printer().reportSaved = [](const QString&) {};
    if (pressAgainWhileWaiting) {
        QTimer::singleShot(300, &window,
                           [&] { QTest::mouseClick(window.cmdPrint, Qt::LeftButton); });
    }
    StallMeter meter;
    clock.start();
    QTest::mouseClick(window.cmdPrint, Qt::LeftButton);
    run.longestStallMs = meter.longestMs();
    qInfo("Print: %lld ms to the question, window frozen for at most %lld ms", run.msToQuestion,
          run.longestStallMs);
    return run;
}

// A paused printer takes the job into its queue; the student hears that the
// sheet waits there, may save it as PDF too, and the sheet prints on resuming.
void PrintServiceTest::pausedPrinterKeepsTheJob() {
    Program program;
    playSeries(program, "Noether, Emmy");
    frmArray& window = program.mainWindow();
    int status = 0;
    privateCups({"disable", dir()}, &status);
    QCOMPARE(status, 0);
    auto enable = qScopeGuard([&] { privateCups({"enable", dir()}); });
    const QString pdf = folder_->filePath("paused.pdf");

    const PrintRun run = pressPrint(window, pdf, false);

    QCOMPARE(run.questions.size(), 1);
    QVERIFY2(run.questions[0].contains("paused"), qPrintable(run.questions[0]));
    QVERIFY(QFileInfo(pdf).size() > 0);
    QCOMPARE(privateCups({"jobs", dir()}), QString("1")); // waiting in the queue
    QCOMPARE(window.focusWidget(), window.cmdExit);
    enable.dismiss();
    privateCups({"enable", dir()}, &status);
    QCOMPARE(status, 0);
    const QString printed = privateCups({"wait-job", dir(), "60"}, &status);
    QVERIFY2(status == 0, qPrintable(printed));
    QVERIFY(!renderFirstPage(printed, dir(), 30).isNull());
}

void PrintServiceTest::silentService_data() {
    QTest::addColumn<QString>("silence");
    QTest::newRow("scheduler frozen") << "frozen";
    QTest::newRow("socket that never answers") << "socket";
}

// A service that takes the connection and never answers is reported as not
// answering within a few seconds, while the window keeps taking events and
// ignores a second Print; the PDF is offered.
void PrintServiceTest::silentService() {
    QFETCH(QString, silence);
    Program program;
    playSeries(program, "Germain, Sophie");
    frmArray& window = program.mainWindow();
    const QByteArray server = qgetenv("CUPS_SERVER");
    std::unique_ptr<SilentSocket> socket;
    if (silence == "frozen") {
        int status = 0;
        privateCups({"pause", dir()}, &status);
        QCOMPARE(status, 0);
    } else {
        const QString path = folder_->filePath("silent.sock");
        socket = std::make_unique<SilentSocket>(path);
        QVERIFY(socket->listening());
        qputenv("CUPS_SERVER", path.toLocal8Bit());
    }
    auto restore = qScopeGuard([&] {
        qputenv("CUPS_SERVER", server);
        privateCups({"resume", dir()});
    });
    const QString pdf = folder_->filePath("silent-" + silence + ".pdf");

    const PrintRun run = pressPrint(window, pdf, true);

    QCOMPARE(run.questions.size(), 1);
    QVERIFY2(run.questions[0].contains("not answering"), qPrintable(run.questions[0]));
    QVERIFY2(run.msToQuestion < 8000, qPrintable(QString::number(run.msToQuestion)));
    QVERIFY2(run.longestStallMs < 500, qPrintable(QString::number(run.longestStallMs)));
    QVERIFY(QFileInfo(pdf).size() > 0);
    QCOMPARE(window.focusWidget(), window.cmdExit);
}

void PrintServiceTest::noDefaultPrinter() {
    Program program;
    playSeries(program, "Cartwright, Mary");
    frmArray& window = program.mainWindow();
    int status = 0;
    privateCups({"remove", dir()}, &status);
    QCOMPARE(status, 0);
    const PrintRun run = pressPrint(window, folder_->filePath("none.pdf"), false);
    QCOMPARE(run.questions.size(), 1);
    QVERIFY2(run.questions[0].contains("No default printer"), qPrintable(run.questions[0]));
}

// Exit while Print waits for a silent service ends the wait at once: nothing
// more is asked, and the program ends. (Exit ends the program's event loop,
// so this runs inside one, and last.)
void PrintServiceTest::exitWhileWaiting() {
    Program program;
    playSeries(program, "Lamarr, Hedy");
    frmArray& window = program.mainWindow();
    const QString path = folder_->filePath("exit.sock");
    SilentSocket socket(path);
    QVERIFY(socket.listening());
    qputenv("CUPS_SERVER", path.toLocal8Bit());
    bool askedAnything = false;
    window.printer().askToSavePdf = [&](const QString&) { return askedAnything = true; };
    window.printer().choosePdfFile = [&](const QString&) { return QString(); };
    window.printer().reportFailure = [&](const QString&) { return askedAnything = true; };
    qint64 printMs = -1;
    QTimer::singleShot(0, &window, [&] {
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(window.cmdPrint, Qt::LeftButton);
        printMs = clock.elapsed();
    });
    QTimer::singleShot(300, &window, [&] { QTest::mouseClick(window.cmdExit, Qt::LeftButton); });
    QTimer::singleShot(20000, qApp, [] { QApplication::exit(1); }); // in case Exit did nothing
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY2(printMs >= 0 && printMs < 2000, qPrintable(QString::number(printMs)));
    QVERIFY(!askedAnything);
    QVERIFY(!window.isVisible());
    QVERIFY(!window.printer().printing());
}

QTEST_MAIN(PrintServiceTest)
#include "print_service_test.moc"
