// SPDX-License-Identifier: MIT
// The exercise as a keyboard-only student works it: Tab, the arrow keys,
// Space and Enter, and the menus through Alt; no mouse at all.

#include "ui_test_helpers.hpp"

#include <QGroupBox>
#include <QMenuBar>
#include <QTemporaryDir>

using namespace tessaly;
using namespace tessaly::test;

namespace {

void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr) {
        target = QApplication::activeWindow();
    }
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

int focusedCell(const frmArray& main) {
    for (int k = 1; k <= CellCount; ++k) {
        if (main.lblCell[k]->hasFocus()) {
            return k;
        }
    }
    return 0;
}

// Tabs until `target` has the focus; false after a whole round without it.
bool tabTo(const QWidget* target) {
    for (int presses = 0; presses < 12; ++presses) {
        if (QApplication::focusWidget() == target) {
            return true;
        }
        press(Qt::Key_Tab);
    }
    return QApplication::focusWidget() == target;
}

// Opens menu `menu` (0 Level, 1 Language) of the menu bar by Alt and the
// arrows and chooses its entry `entry` (0 the first) with Enter.
void chooseFromMenu(frmArray& main, int menu, int entry) {
    QTest::keyClick(&main, Qt::Key_Alt);
    for (int step = 0; step < menu; ++step) {
        QTest::keyClick(main.menuBar(), Qt::Key_Right);
    }
    QTest::keyClick(main.menuBar(), Qt::Key_Down);
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    for (int step = 0; step < entry; ++step) {
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Down);
    }
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
    QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
}

// Moves the focus inside the grid from the focused cell to `cell` with the
// arrow keys alone.
void arrowTo(const frmArray& main, int cell) {
    while (focusedCell(main) != cell) {
        const int from = focusedCell(main);
        if (cellRow(from) != cellRow(cell)) {
            press(cellRow(from) < cellRow(cell) ? Qt::Key_Down : Qt::Key_Up);
        } else {
            press(cellColumn(from) < cellColumn(cell) ? Qt::Key_Right : Qt::Key_Left);
        }
        QVERIFY2(focusedCell(main) != from, "an arrow key did not move");
    }
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        applyTessalyLook(*qApp);
        QVERIFY(folder_.isValid());
        printWithoutService(folder_.path());
    }

    void wholeSeriesByKeys_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("java");
        QTest::newRow("Level 1, BASIC") << 1 << false;
        QTest::newRow("Level 2, Java") << 2 << true;
        QTest::newRow("Level 3, BASIC") << 3 << false;
    }

    // Signs in, chooses level and language, answers every problem from the
    // listing (every fifth one wrong on purpose) and reaches Print.
    void wholeSeriesByKeys() {
        QFETCH(int, level);
        QFETCH(bool, java);
        auto signIn = openSignIn(std::make_unique<FixedSeedRandom>(977.0f + float(level)));
        frmArray& main = signIn.mainWindow();
        QTest::keyClicks(signIn->txtPeriod, "3");
        for (const char* entry : {"A12", "Doe, Jane", "Smith"}) {
            press(Qt::Key_Tab);
            QTest::keyClicks(QApplication::focusWidget(), entry);
        }
        press(Qt::Key_Return);
        QVERIFY(waitUntilActive(main));

        chooseFromMenu(main, 0, level - 1);
        chooseFromMenu(main, 1, java ? 0 : 1);
        QCOMPARE(main.lblLevel->text(), QString("Level %1").arg(level));
        QVERIFY(tabTo(main.cmdStart));
        press(Qt::Key_Space);

        int right = 0;
        for (int problem = 1; problem <= 20; ++problem) {
            QCOMPARE(QApplication::focusWidget(), main.cmdRun);
            QList<int> written = cellsWritten(main);
            QVERIFY(!written.isEmpty());
            const bool answerWrong = problem % 5 == 0;
            if (answerWrong) {
                written.removeLast();
            }
            press(Qt::Key_Tab, Qt::ShiftModifier); // back into the grid
            QVERIFY(focusedCell(main) != 0);
            for (int cell : written) {
                arrowTo(main, cell);
                press(problem % 2 ? Qt::Key_Space : Qt::Key_Return);
            }
            press(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), main.cmdRun);
            press(Qt::Key_Space); // Test Now!
            right += answerWrong ? 0 : 1;
            QCOMPARE(main.lblRight->text(), QString::number(right));
            if (problem < 20) {
                press(Qt::Key_Space); // Next
            }
        }
        QCOMPARE(main.lblRight->text(), QString("16"));
        QCOMPARE(main.lblScore->text(), QString("80%"));
        QCOMPARE(QApplication::focusWidget(), main.cmdPrint);
    }

    // Entering the grid: the top-left visible cell, then the cell last
    // focused in this problem; a new problem starts at the top-left again.
    void gridIsOneStopWithArrows() {
        auto signIn = openSignIn(std::make_unique<FixedSeedRandom>(5.0f));
        frmArray& main = signIn.mainWindow();
        QVERIFY(signInWithCode(signIn));
        main.levelItem(1)->trigger(); // the zero row and column hide
        QVERIFY(tabTo(main.cmdExit));
        press(Qt::Key_Tab);
        QCOMPARE(focusedCell(main), 7);
        const std::array<std::pair<int, int>, 8> moves = {{{Qt::Key_Left, 7},
                                                           {Qt::Key_Up, 7},
                                                           {Qt::Key_Right, 8},
                                                           {Qt::Key_Down, 13},
                                                           {Qt::Key_Right, 14},
                                                           {Qt::Key_Right, 15},
                                                           {Qt::Key_Right, 15},
                                                           {Qt::Key_Down, 20}}};
        for (const auto& [key, cell] : moves) {
            press(key);
            QCOMPARE(focusedCell(main), cell);
        }
        press(Qt::Key_Space);
        QCOMPARE(main.lblCell[20]->text(), QString("1"));
        QCOMPARE(background(main.lblCell[20]), toQColor(colors::Yellow));
        press(Qt::Key_Tab); // on to Start, and back: the grid remembers cell 20
        QCOMPARE(QApplication::focusWidget(), main.cmdStart);
        press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(focusedCell(main), 20);
        press(Qt::Key_Return);
        QCOMPARE(main.lblCell[20]->text(), QString("0"));
        main.levelItem(2)->trigger(); // a new problem
        QVERIFY(tabTo(main.cmdExit));
        press(Qt::Key_Tab);
        QCOMPARE(focusedCell(main), 1);
    }

    // A level chosen while the panel covers the grid hides the cell that had
    // the focus: closing the panel leaves one grid stop, at the new top-left.
    void levelChangeUnderThePanel() {
        auto signIn = openSignIn();
        frmArray& main = signIn.mainWindow();
        QVERIFY(signInWithCode(signIn));
        QVERIFY(tabTo(main.cmdExit));
        press(Qt::Key_Tab);
        QCOMPARE(focusedCell(main), 1);
        main.mnu30->trigger();
        main.levelItem(1)->trigger();
        QTest::keyClick(main.cmdOK, Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), main.cmdStart);
        QStringList round;
        for (int presses = 0; presses < 3; ++presses) {
            press(Qt::Key_Tab);
            round << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(round, QStringList({"cmdExit", "lblCell7", "cmdStart"}));
    }

    // Opened from the menu bar by keys, the panel gives the focus back to the
    // control that had it before the menu bar took it.
    void instructionsOpenedByKeys() {
        auto signIn = openSignIn();
        frmArray& main = signIn.mainWindow();
        QVERIFY(signInWithCode(signIn));
        click(main.cmdStart);
        QCOMPARE(QApplication::focusWidget(), main.cmdRun);
        QTest::keyClick(&main, Qt::Key_Alt);
        QTest::keyClick(main.menuBar(), Qt::Key_Right);
        QTest::keyClick(main.menuBar(), Qt::Key_Right);
        QTest::keyClick(main.menuBar(), Qt::Key_Return);
        QTRY_VERIFY(main.fraInstructions->isVisible());
        QCOMPARE(QApplication::focusWidget(), main.cmdOK);
        press(Qt::Key_Space);
        QVERIFY(!main.fraInstructions->isVisible());
        QCOMPARE(QApplication::focusWidget(), main.cmdRun);
    }

    void instructionsKeepTheFocusSafe_data() {
        QTest::addColumn<int>("phase"); // 0 before Start, 1 in a problem, 2 reviewing, 3 over
        QTest::addColumn<QString>("focused");
        QTest::newRow("before Start, on Start") << 0 << "cmdStart";
        QTest::newRow("before Start, on Exit") << 0 << "cmdExit";
        QTest::newRow("before Start, in the grid") << 0 << "lblCell1";
        QTest::newRow("in a problem, on Test Now!") << 1 << "cmdRun";
        QTest::newRow("in a problem, in the grid") << 1 << "lblCell1";
        QTest::newRow("reviewing, on Next") << 2 << "cmdRun";
        QTest::newRow("series over, on Print") << 3 << "cmdPrint";
    }

    void instructionsKeepTheFocusSafe() {
        QFETCH(int, phase);
        QFETCH(QString, focused);
        auto signIn = openSignIn();
        frmArray& main = signIn.mainWindow();
        QVERIFY(signInWithCode(signIn));
        QWidget* before = focusAt(main, phase, focused);
        const QStringList seen = gridRows(main) << main.lblProbNum->text() << main.cmdRun->text();

        main.mnu30->trigger();
        QCOMPARE(QApplication::focusWidget(), main.cmdOK);
        for (int presses = 0; presses < 4; ++presses) { // Tab stays on the panel
            press(Qt::Key_Tab);
            QVERIFY(main.fraInstructions->isAncestorOf(QApplication::focusWidget()));
        }
        QTest::keyClick(main.cmdOK, Qt::Key_Space);
        QVERIFY(!main.fraInstructions->isVisible());
        QCOMPARE(QApplication::focusWidget(), before);
        QCOMPARE(gridRows(main) << main.lblProbNum->text() << main.cmdRun->text(), seen);
    }

    // The arrow keys never move the focus off the exercise's buttons (a push
    // button takes them for Tab, and the next stop is often Exit), nor out of
    // the grid at its edge; after Explain's replay, stepped with Right, a Right
    // on "Next" stays there.
    void arrowsStayOffExit_data() {
        QTest::addColumn<int>("phase"); // as in instructionsKeepTheFocusSafe
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("key");
        QTest::newRow("Start, Right") << 0 << "cmdStart" << int(Qt::Key_Right);
        QTest::newRow("Start, Up") << 0 << "cmdStart" << int(Qt::Key_Up);
        QTest::newRow("Test Now!, Right") << 1 << "cmdRun" << int(Qt::Key_Right);
        QTest::newRow("Test Now!, Left") << 1 << "cmdRun" << int(Qt::Key_Left);
        QTest::newRow("grid's first cell, Left") << 1 << "lblCell1" << int(Qt::Key_Left);
        QTest::newRow("Next after Explain, Right") << 2 << "cmdRun" << int(Qt::Key_Right);
        QTest::newRow("Next after Explain, Down") << 2 << "cmdRun" << int(Qt::Key_Down);
        QTest::newRow("Print, Right") << 3 << "cmdPrint" << int(Qt::Key_Right);
        QTest::newRow("Print, Left") << 3 << "cmdPrint" << int(Qt::Key_Left);
    }

    void arrowsStayOffExit() {
        QFETCH(int, phase);
        QFETCH(QString, focused);
        QFETCH(int, key);
        auto signIn = openSignIn();
        frmArray& main = signIn.mainWindow();
        QVERIFY(signInWithCode(signIn));
        QWidget* before = focusAt(main, phase, focused);
        if (phase == 2) {
            main.mnu40->trigger();
            QTRY_VERIFY(main.explainWindow() != nullptr && main.explainWindow()->isActiveWindow());
            QTest::keyClick(main.explainWindow()->fraReplay, Qt::Key_Right);
            QTest::keyClick(main.explainWindow()->fraReplay, Qt::Key_Escape);
            QTRY_COMPARE(QApplication::focusWidget(), before);
        }
        press(key);
        QCOMPARE(QApplication::focusWidget(), before);
    }

    // With the instructions open, closing Explain gives the focus to the
    // panel's OK, never to a control under the panel.
    void explainClosedOverTheInstructions_data() {
        QTest::addColumn<int>("phase");
        QTest::addColumn<QString>("focused"); // before the panel opened
        QTest::newRow("reviewing, on Next") << 2 << "cmdRun";
        QTest::newRow("reviewing, in the grid") << 2 << "lblCell1";
        QTest::newRow("series over, on Print") << 3 << "cmdPrint";
    }

    void explainClosedOverTheInstructions() {
        QFETCH(int, phase);
        QFETCH(QString, focused);
        auto signIn = openSignIn();
        frmArray& main = signIn.mainWindow();
        QVERIFY(signInWithCode(signIn));
        focusAt(main, phase, focused);
        main.mnu30->trigger();
        main.mnu40->trigger();
        QTRY_VERIFY(main.explainWindow() != nullptr && main.explainWindow()->isActiveWindow());
        QTest::keyClick(main.explainWindow()->fraReplay, Qt::Key_Escape);
        QTRY_VERIFY(main.explainWindow() == nullptr);
        QVERIFY(main.fraInstructions->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), main.cmdOK);
    }

    // The sheet is the score, never the instructions: Print closes them first.
    void printClosesTheInstructions() {
        auto signIn = openSignIn();
        frmArray& main = signIn.mainWindow();
        QVERIFY(signInWithCode(signIn));
        playTo(main, 3);
        main.mnu30->trigger();
        bool panelPrinted = true;
        main.printer().askToSavePdf = [&](const QString&) {
            panelPrinted = main.fraInstructions->isVisible();
            return false;
        };
        main.cmdPrint->click();
        QVERIFY(!panelPrinted);
        QCOMPARE(QApplication::focusWidget(), main.cmdPrint); // nothing was printed
    }

private:
    QTemporaryDir folder_;

    // Plays to `phase` and puts the focus on the control named `focused`.
    static QWidget* focusAt(frmArray& main, int phase, const QString& focused) {
        playTo(main, phase);
        QWidget* control = main.clientArea()->findChild<QWidget*>(focused);
        control->setFocus();
        return control;
    }

    // 0 before Start, 1 in a problem, 2 reviewing its test, 3 series over.
    static void playTo(frmArray& main, int phase) {
        if (phase >= 1) {
            click(main.cmdStart);
        }
        for (int presses = 0; presses < (phase == 3 ? 39 : phase - 1); ++presses) {
            click(main.cmdRun);
        }
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
