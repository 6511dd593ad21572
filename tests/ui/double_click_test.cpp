// SPDX-License-Identifier: MIT
// A mouse double-click on "Test Now!" or Print is one press: the student sees
// the verdict, and one sheet is printed. Two clicks further apart than the
// double-click interval, and presses by keyboard, stay two presses. Space or
// Enter held down is one press too, however the window system repeats it,
// while the arrows and typing repeat as before.

#include "ui/print/result_sheet_printer.hpp"
#include "ui_test_helpers.hpp"

#include <QTemporaryDir>

using namespace tessaly;
using namespace tessaly::test;

namespace {

// Where `button` is in its window, for events that go through the window as
// the window system's would (a double-click is recognised there).
QPoint inWindow(const QWidget* button) {
    return button->mapTo(button->window(), button->rect().center());
}

void act(QWidget* button, const QString& action) {
    QWindow* window = button->window()->windowHandle();
    if (action == "double-click") {
        QTest::mouseDClick(window, Qt::LeftButton, {}, inWindow(button));
    } else if (action == "two clicks apart") {
        // Each click of QTest ends a double-click interval after its release.
        QTest::mouseClick(window, Qt::LeftButton, {}, inWindow(button));
        QTest::mouseClick(window, Qt::LeftButton, {}, inWindow(button));
    } else if (action == "double-click, then a click") {
        QTest::mouseDClick(window, Qt::LeftButton, {}, inWindow(button));
        QTest::mouseClick(window, Qt::LeftButton, {}, inWindow(button));
    } else if (action == "lone double-click event, then a click") {
        QTest::mouseDClick(button, Qt::LeftButton); // the event alone, no release after it
        QTest::mouseClick(button, Qt::LeftButton);
    } else if (action == "space twice") {
        QTest::keyClick(button, Qt::Key_Space);
        QTest::keyClick(button, Qt::Key_Space);
    } else {
        QFAIL(qPrintable("unknown action " + action));
    }
}

// How often "Test Now!"/"Next" was pressed since the first problem was shown.
int runPresses(const frmArray& main) {
    return (main.lblProbNum->text().toInt() - 1) * 2 + (main.cmdRun->text() == "Next" ? 1 : 0);
}

// Sends a key to `widget`'s window as the window system does, one event per
// word of `sequence`: P press, R release (p, r: flagged by Qt as a repeat),
// then the time stamp in ms. "P0 r500 p500 R600" is a key held for 600 ms
// that repeated once.
void sendKeys(QWidget* widget, Qt::Key key, const QString& sequence) {
    const QString text = key == Qt::Key_Space ? " " : key == Qt::Key_Return ? "\r" : "";
    for (const QString& word : sequence.split(' ')) {
        const bool press = word[0].toUpper() == 'P';
        QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier, text,
                        word[0].isLower());
        event.setTimestamp(word.mid(1).toULongLong());
        QCoreApplication::sendEvent(widget->window()->windowHandle(), &event);
    }
}

} // namespace

class DoubleClickTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        applyTessalyLook(*qApp);
        QVERIFY(folder_.isValid());
        printWithoutService(folder_.path());
    }

    void presses_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("presses");
        for (const QString button : {"Test Now!", "Print"}) {
            QTest::addRow("%s: double-click", qPrintable(button)) << button << "double-click" << 1;
            QTest::addRow("%s: two clicks apart", qPrintable(button))
                << button << "two clicks apart" << 2;
            QTest::addRow("%s: double-click, then a click", qPrintable(button))
                << button << "double-click, then a click" << 2;
            QTest::addRow("%s: lone double-click event", qPrintable(button))
                << button << "lone double-click event, then a click" << 1;
            QTest::addRow("%s: space twice", qPrintable(button)) << button << "space twice" << 2;
        }
    }

    void presses() {
        QFETCH(QString, button);
        QFETCH(QString, action);
        QFETCH(int, presses);
        auto signIn = openSignIn();
        QVERIFY(signInWithCode(signIn));
        frmArray& main = signIn.mainWindow();
        int prints = 0;
        QWidget* target = startForPresses(main, button, nullptr, prints);
        target->setFocus();

        act(target, action);

        QCOMPARE(button == "Print" ? prints : runPresses(main), presses);
        if (button == "Test Now!" && presses == 1) {
            QCOMPARE(main.cmdRun->text(), QString("Next")); // the verdict is on show
        }
    }

    void heldKey_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<int>("presses");
        const QString pressesAlone = "P0 P500 P540 P580 R600"; // detectable auto-repeat
        const QString flaggedPairs = "P0 r500 p500 r540 p540 R600";
        const QString unflaggedPairs = "P0 R500 P500 R540 P541 R600"; // Qt missed them
        const QString twoQuick = "P0 R50 P100 R150";
        for (const QString target : {"Test Now!", "Print", "cell"}) {
            const auto row = [&](const char* name, int key, const QString& sequence, int n) {
                QTest::addRow("%s: %s", qPrintable(target), name) << target << key << sequence << n;
            };
            row("Space held, presses alone", Qt::Key_Space, pressesAlone, 1);
            row("Space held, flagged pairs", Qt::Key_Space, flaggedPairs, 1);
            row("Space held, unflagged pairs", Qt::Key_Space, unflaggedPairs, 1);
            row("Enter held, presses alone", Qt::Key_Return, pressesAlone, 1);
            row("Enter held, unflagged pairs", Qt::Key_Return, unflaggedPairs, 1);
            row("Space twice quickly", Qt::Key_Space, twoQuick, 2);
        }
        // What repeats on purpose: the grid's arrows, and typing.
        QTest::newRow("grid: Right held, presses alone")
            << "grid" << int(Qt::Key_Right) << pressesAlone << 4;
        QTest::newRow("grid: Right held, unflagged pairs")
            << "grid" << int(Qt::Key_Right) << unflaggedPairs << 3;
        QTest::newRow("name box: Space held, presses alone")
            << "name box" << int(Qt::Key_Space) << pressesAlone << 4;
    }

    void heldKey() {
        QFETCH(QString, target);
        QFETCH(int, key);
        QFETCH(QString, sequence);
        QFETCH(int, presses);
        auto signIn = openSignIn();
        if (target == "name box") {
            signIn->txtName->setFocus();
            sendKeys(signIn->txtName, Qt::Key(key), sequence);
            QCOMPARE(signIn->txtName->text().count(' '), presses);
            return;
        }
        QVERIFY(signInWithCode(signIn));
        frmArray& main = signIn.mainWindow();
        int prints = 0;
        QWidget* widget = startForPresses(main, target, main.lblCell[6], prints);
        KeyPressCounter cellPresses;
        widget->installEventFilter(&cellPresses);
        widget->setFocus();

        sendKeys(widget, Qt::Key(key), sequence);

        const int acted = target == "Test Now!" ? runPresses(main)
                          : target == "Print"   ? prints
                          : target == "cell"    ? cellPresses.count
                                             : cellIndexOf(main, QApplication::focusWidget()) - 6;
        QCOMPARE(acted, presses);
    }

private:
    static int cellIndexOf(const frmArray& main, const QWidget* widget) {
        for (int k = 1; k <= CellCount; ++k) {
            if (main.lblCell[k] == widget) {
                return k;
            }
        }
        return 0;
    }

    QTemporaryDir folder_;
};

QTEST_MAIN(DoubleClickTest)
#include "double_click_test.moc"
