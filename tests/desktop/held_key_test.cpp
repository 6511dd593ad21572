// SPDX-License-Identifier: MIT
// A key held down presses once, under the X server's own auto-repeat (held_key_test.sh
// runs this on a private X server), on an idle machine and on a busy one:
// "Test Now!", Print and a cell act once per physical press, and two separate
// quick presses still act twice. Qt's X11 backend takes many of the server's
// repeats for fresh presses, the more so or the less so as the machine is busy.

#include "../ui/ui_test_helpers.hpp"
#include "ui/print/result_sheet_printer.hpp"

#include <QEventLoop>
#include <QKeyEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

using namespace tessaly;
using namespace tessaly::test;

namespace {

// Presses of "Test Now!"/"Next" since the first problem was shown.
int runPresses(const frmArray& main) {
    return (main.lblProbNum->text().toInt() - 1) * 2 + (main.cmdRun->text() == "Next" ? 1 : 0);
}

// Sends `key` down or up through the X server, as a keyboard does; the server
// repeats a key that is down.
void xdotool(const char* action, const QString& key) {
    QCOMPARE(QProcess::execute("xdotool", {action, key}), 0);
}

// Runs the event loop for `ms` as the program's own loop runs, taking each
// event as it comes (QTest::qWait sleeps between rounds, so that a repeat's
// release and press always wait in the queue together).
void runFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// One physical press held for `holdMs`, then a pause for the program to catch up.
void pressFor(const QString& key, int holdMs) {
    xdotool("keydown", key);
    runFor(holdMs);
    xdotool("keyup", key);
    runFor(150);
}

// One spinning process per core, and one more, for as long as it lives: as
// busy as a lab machine at the start of a lesson.
class Load {
public:
    explicit Load(bool busy) {
        const int count = busy ? QThread::idealThreadCount() + 1 : 0;
        for (int i = 0; i < count; ++i) {
            auto& process = processes_.emplace_back(std::make_unique<QProcess>());
            process->setStandardOutputFile(QProcess::nullDevice());
            process->start("yes", {});
        }
    }
    ~Load() {
        for (auto& process : processes_) {
            process->kill();
            process->waitForFinished();
        }
    }
    Load(const Load&) = delete;
    Load& operator=(const Load&) = delete;

private:
    std::vector<std::unique_ptr<QProcess>> processes_;
};

} // namespace

class HeldKeyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        applyTessalyLook(*qApp);
        QVERIFY(folder_.isValid());
        printWithoutService(folder_.path());
    }

    void heldKey_data() {
        QTest::addColumn<bool>("busy");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QList<int>>("holds"); // one physical press per entry, in ms
        QTest::addColumn<int>("presses");
        const QList<int> held = {1000};
        const QList<int> twoQuick = {60, 60};
        struct Row {
            const char* name;
            const char* target;
            const char* key;
            QList<int> holds;
            int presses;
        };
        const std::vector<Row> rows = {
            {"Test Now!: Space held", "Test Now!", "space", held, 1},
            {"Test Now!: Enter held", "Test Now!", "Return", held, 1},
            {"Test Now!: Space twice", "Test Now!", "space", twoQuick, 2},
            {"Print: Space held", "Print", "space", held, 1},
            {"Print: Enter held", "Print", "Return", held, 1},
            {"cell: Space held 1 s", "cell", "space", held, 1},
            {"cell: Space held 1.6 s", "cell", "space", {1600}, 1},
            {"cell: Enter held", "cell", "Return", held, 1},
            {"cell: Space twice", "cell", "space", twoQuick, 2},
        };
        for (const bool busy : {false, true}) {
            for (const Row& row : rows) {
                QTest::addRow("%s, %s", busy ? "busy" : "idle", row.name)
                    << busy << row.target << row.key << row.holds << row.presses;
            }
        }
    }

    void heldKey() {
        QFETCH(bool, busy);
        QFETCH(QString, target);
        QFETCH(QString, key);
        QFETCH(QList<int>, holds);
        QFETCH(int, presses);
        auto signIn = openSignIn();
        QVERIFY(signInWithCode(signIn));
        frmArray& main = signIn.mainWindow();
        int prints = 0;
        QWidget* widget = startForPresses(main, target, main.lblCell[7], prints);
        KeyPressCounter cellPresses;
        widget->installEventFilter(&cellPresses);
        widget->setFocus();
        QTRY_VERIFY(widget->hasFocus() && QApplication::activeWindow() == &main);

        {
            const Load load(busy);
            for (int hold : holds) {
                pressFor(key, hold);
            }
        }

        if (target == "Test Now!") {
            QCOMPARE(runPresses(main), presses);
        } else if (target == "Print") {
            QCOMPARE(prints, presses);
        } else {
            QCOMPARE(cellPresses.count, presses);
            // A cell's press marks it and the next takes the mark back.
            QCOMPARE(cellToken(static_cast<QLabel*>(widget)), presses % 2 ? "Y1" : ".");
        }
    }

private:
    QTemporaryDir folder_;
};

QTEST_MAIN(HeldKeyTest)
#include "held_key_test.moc"
