// SPDX-License-Identifier: MIT
// A whole series played with one key, through the X server as a keyboard sends
// it (held_key_test.sh runs this on a private X server with a window
// manager): each press of Enter or Space acts exactly once, also the press
// right after a window, a menu or a dialog closed on a press, and a key held
// down acts once. After every press the program must reach the next state and
// stay in it.

#include "../ui/ui_test_helpers.hpp"
#include "ui/windows/frm_explain.hpp"

#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <thread>

using namespace tessaly;
using namespace tessaly::test;

namespace {

using namespace std::chrono_literals;

void xdotool(const QStringList& arguments) {
    QProcess::execute("xdotool", arguments);
}

// One press of `key`, as a keyboard sends it; a key held down repeats.
// "type:text" types the text.
void press(const QString& key, int holdMs) {
    if (key.startsWith("type:")) {
        xdotool({"type", key.mid(5)});
    } else if (holdMs == 0) {
        xdotool({"key", key});
    } else {
        xdotool({"keydown", key});
        std::this_thread::sleep_for(std::chrono::milliseconds(holdMs));
        xdotool({"keyup", key});
    }
    std::this_thread::sleep_for(60ms);
}

// What the student sees: the window or dialog in front, or the exercise
// window's problem, its test button's caption, the panel and the focus.
QString programState(OpenProgram& program) {
    if (program.program().signIn() != nullptr && program->isVisible()) {
        return "sign-in";
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (qobject_cast<frmExplain*>(modal) != nullptr) {
        return "Explain";
    }
    if (qobject_cast<QFileDialog*>(modal) != nullptr) {
        return "file dialog";
    }
    if (auto* message = qobject_cast<QMessageBox*>(modal)) {
        return message->text().contains("saved as") ? "saved message" : "offer";
    }
    const frmArray& main = program.mainWindow();
    if (!main.isVisible()) {
        return "ended";
    }
    const QWidget* focus = QApplication::focusWidget();
    const QString phase = main.cmdPrint->isVisible() ? "over"
                          : main.cmdRun->isVisible() ? main.cmdRun->text()
                                                     : "not started";
    return QString("problem %1, %2%3, focus on %4")
        .arg(main.lblProbNum->text(), phase,
             main.fraInstructions->isVisible() ? ", instructions" : "",
             focus != nullptr ? focus->objectName() : "nothing");
}

struct Step {
    QStringList keys; // "KEY" is the series' key, pressed as the series presses it
    QString state;    // what the presses lead to
};

// Sign-in, Start, the instructions and their OK, a test, Explain and its
// Close, then every "Next" and "Test Now!" to the end, Print without a print
// service, the offer's Save, the file dialog, the saved message and Exit.
// `close` closes Explain (Space steps its replay).
// `file` is the name typed into the file dialog.
std::vector<Step> series(const QString& close, const QString& file) {
    std::vector<Step> steps = {
        {{"asciitilde", "Return"}, "problem 0, not started, focus on cmdStart"},
        {{"KEY"}, "problem 1, Test Now!, focus on cmdRun"},
        {{"alt", "Right", "KEY"}, "problem 1, Test Now!, instructions, focus on cmdOK"},
        {{"KEY"}, "problem 1, Test Now!, focus on cmdRun"},
        {{"KEY"}, "problem 1, Next, focus on cmdRun"},
        {{"alt", "Right", "Right", "KEY"}, "Explain"},
        {{close}, "problem 1, Next, focus on cmdRun"},
    };
    for (int problem = 2; problem <= 20; ++problem) {
        steps.push_back({{"KEY"}, QString("problem %1, Test Now!, focus on cmdRun").arg(problem)});
        const QString after = problem < 20
                                  ? QString("problem %1, Next, focus on cmdRun").arg(problem)
                                  : "problem 20, over, focus on cmdPrint";
        steps.push_back({{"KEY"}, after});
    }
    steps.push_back({{"KEY"}, "offer"});
    steps.push_back({{"KEY"}, "file dialog"});
    steps.push_back({{"ctrl+a", "type:" + file, "Return"}, "saved message"});
    steps.push_back({{"KEY"}, "problem 20, over, focus on cmdExit"});
    steps.push_back({{"KEY"}, "ended"});
    return steps;
}

// Presses the series' keys from a thread of its own, since a dialog's own
// event loop holds the program's thread until a key closes it, and reads the
// program's state on the program's thread after each step. Empty when every
// step reached its state and stayed there; otherwise what went wrong.
class SeriesDriver {
public:
    SeriesDriver(OpenProgram& program, std::vector<Step> steps, QString key, int holdMs)
        : program_(program), steps_(std::move(steps)), key_(std::move(key)), holdMs_(holdMs),
          thread_([this] { run(); }) {}
    ~SeriesDriver() { thread_.join(); }
    SeriesDriver(const SeriesDriver&) = delete;
    SeriesDriver& operator=(const SeriesDriver&) = delete;

    // Runs the program's event loops until the series is played.
    QString wait() {
        while (!done_) {
            QEventLoop loop; // Exit quits the loop that runs; then another takes over
            QTimer poll;
            QObject::connect(&poll, &QTimer::timeout, [&] {
                if (done_) {
                    loop.quit();
                }
            });
            poll.start(20);
            loop.exec();
        }
        return failure_;
    }

private:
    void run() {
        for (const Step& step : steps_) {
            for (const QString& name : step.keys) {
                press(name == "KEY" ? key_ : name, name == "KEY" ? holdMs_ : 0);
            }
            if (!reaches(step.state)) {
                failure_ =
                    QString("after %1: %2, not %3").arg(step.keys.join(' '), state(), step.state);
                closeDialogs();
                break;
            }
        }
        done_ = true;
    }

    // A dialog left open would hold the test's thread in its own event loop.
    static void closeDialogs() {
        QMetaObject::invokeMethod(
            qApp,
            [] {
                for (QWidget* window : QApplication::topLevelWidgets()) {
                    if (auto* dialog = qobject_cast<QDialog*>(window);
                        dialog && dialog->isVisible()) {
                        dialog->reject();
                    }
                }
            },
            Qt::BlockingQueuedConnection);
    }

    // Waits for `expected`, then makes sure that nothing more happens.
    bool reaches(const QString& expected) {
        const auto end = std::chrono::steady_clock::now() + 5s;
        while (state() != expected && std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(20ms);
        }
        std::this_thread::sleep_for(400ms);
        return state() == expected;
    }

    QString state() {
        QString now;
        QMetaObject::invokeMethod(
            qApp, [this] { return programState(program_); }, Qt::BlockingQueuedConnection, &now);
        return now;
    }

    OpenProgram& program_;
    std::vector<Step> steps_;
    QString key_;
    int holdMs_;
    QString failure_;
    std::atomic<bool> done_ = false;
    std::thread thread_;
};

} // namespace

class KeySeriesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        applyTessalyLook(*qApp);
        QVERIFY(home_.isValid());
        printWithoutService(home_.path());
        qputenv("HOME", home_.path().toLocal8Bit());
    }

    void series_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("holdMs"); // 0: pressed and released at once
        QTest::addColumn<QString>("close");
        QTest::newRow("Enter") << "Return" << 0 << "Return";
        QTest::newRow("Space") << "space" << 0 << "Escape";
        QTest::newRow("Enter held 1.5 s") << "Return" << 1500 << "Return";
        QTest::newRow("Space held 1.5 s") << "space" << 1500 << "Escape";
    }

    void series() {
        QFETCH(QString, key);
        QFETCH(int, holdMs);
        QFETCH(QString, close);
        auto program = openSignIn();
        QVERIFY(program->isVisible());
        const QString file = QString(QTest::currentDataTag()).remove(' ').remove('.');
        SeriesDriver driver(program, ::series(close, file), key, holdMs);
        const QString failure = driver.wait();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

private:
    QTemporaryDir home_;
};

QTEST_MAIN(KeySeriesTest)
#include "key_series_test.moc"
