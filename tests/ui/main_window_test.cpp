// SPDX-License-Identifier: MIT
// The exercise window after sign-in, driven through clicks and menu commands:
// its opening state, Start, the instructions panel, levels, languages, marking
// cells, a test run, Exit and the keyboard focus.

#include "ui_test_helpers.hpp"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>

using namespace tessaly;
using namespace tessaly::test;

namespace {

enum Phase { BeforeStart, AfterStart, AfterTest, SeriesOver };

// Brings a signed-in window to `phase`; a series is finished by testing
// every problem without a mark.
void advanceTo(frmArray& main, int phase) {
    if (phase >= AfterStart) {
        click(main.cmdStart);
    }
    if (phase >= AfterTest) {
        click(main.cmdRun);
    }
    for (int presses = 0; phase == SeriesOver && presses < 38; ++presses) {
        click(main.cmdRun);
    }
}

// What the student sees of the exercise, to show that a command left it alone.
QStringList exerciseOnShow(const frmArray& main) {
    QStringList seen = gridRows(main);
    for (const QLabel* line : main.lblCode) {
        seen << line->text();
    }
    for (const QLabel* label :
         {main.lblProbNum, main.lblRight, main.lblWrong, main.lblScore, main.lblLevel}) {
        seen << label->text();
    }
    seen << main.cmdRun->text() << shownPattern(main.lblCell) << shownPattern(main.lblIndex);
    return seen;
}

QString checkMarks(std::initializer_list<const QAction*> items) {
    QString marks;
    for (const QAction* item : items) {
        marks += item->isChecked() ? '1' : '0';
    }
    return marks;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::optional<OpenProgram> signIn_;
    frmArray* main_ = nullptr;

    // A fresh pair of windows for every test, signed in with the sign-in code.
    void open(std::unique_ptr<RandomSource> random = nullptr) {
        signIn_.emplace(openSignIn(std::move(random)));
        main_ = &signIn_->mainWindow();
        QVERIFY(signInWithCode(*signIn_));
    }

private slots:
    void initTestCase() { applyTessalyLook(*qApp); }
    void cleanup() { signIn_.reset(); }

    void opensWithAllCellsClearAtLevelTwo() {
        open();
        QCOMPARE(main_->lblProbNum->text(), QString("0"));
        QCOMPARE(main_->lblProbLimit->text(), QString("20"));
        QCOMPARE(main_->lblLevel->text(), QString("Level 2"));
        QCOMPARE(gridRows(*main_), BlankGrid);
        QCOMPARE(shownPattern(main_->lblCell), QString("#####/#####/#####/#####/#####"));
        QCOMPARE(shownPattern(main_->lblIndex), QString("#####/#####/#####/#####/#####"));
        for (int k = 1; k <= 25; ++k) {
            QCOMPARE(main_->lblIndex[k]->text(),
                     QString("(%1,%2)").arg((k - 1) / 5).arg((k - 1) % 5));
        }
        QVERIFY(!main_->fraProgram->isVisible());
        QVERIFY(!main_->cmdPrint->isVisible());
        QVERIFY(main_->cmdStart->isVisible());
        QCOMPARE(background(main_->clientArea()), toQColor(colors::Grey));
    }

    void startShowsListingAndLocksChoices() {
        open();
        click(main_->lblCell[13]); // marks made before Start belong to the first problem
        click(main_->cmdStart);
        QCOMPARE(main_->lblProbNum->text(), QString("1"));
        QVERIFY(main_->fraProgram->isVisible());
        QVERIFY(!main_->cmdStart->isVisible());
        for (const QLabel* line : main_->lblCode) {
            QVERIFY(line->isVisible() && !line->text().isEmpty());
        }
        QCOMPARE(cellsWritten(*main_).isEmpty(), false);
        QCOMPARE(QApplication::focusWidget(), main_->cmdRun);
        for (const QAction* item :
             {main_->mnu10->menuAction(), main_->levelItem(1), main_->levelItem(2),
              main_->levelItem(3), main_->mnu20->menuAction(), main_->languageItem(1),
              main_->languageItem(2)}) {
            QVERIFY2(!item->isEnabled(), qPrintable(item->text()));
        }
        QVERIFY(main_->mnu30->isEnabled());
        QCOMPARE(main_->lblCell[13]->text(), QString("1"));
    }

    void instructionsCoverEverything_data() {
        QTest::addColumn<int>("phase");
        QTest::newRow("before Start") << int(BeforeStart);
        QTest::newRow("after Start") << int(AfterStart);
        QTest::newRow("after a test") << int(AfterTest);
        QTest::newRow("series over") << int(SeriesOver);
    }

    void instructionsCoverEverything() {
        QFETCH(int, phase);
        open();
        advanceTo(*main_, phase);
        QCOMPARE(main_->cmdPrint->isVisible(), phase == SeriesOver);
        const QStringList before = exerciseOnShow(*main_);
        for (int round = 0; round < 2; ++round) {
            main_->mnu30->trigger();
            QVERIFY(main_->fraInstructions->isVisible());
            // The instructions are filled in when first opened, in a size that shows them whole.
            QVERIFY(main_->Text1->toPlainText().startsWith("Tessaly \n     This program"));
            QCOMPARE(main_->Text1->verticalScrollBar()->maximum(), 0);
            QWidget* client = main_->clientArea();
            for (const QWidget* covered :
                 {static_cast<QWidget*>(main_->fraArray), static_cast<QWidget*>(main_->fraProgram),
                  static_cast<QWidget*>(main_->lblRight)}) {
                QWidget* top = client->childAt(covered->geometry().center());
                QVERIFY(top == main_->fraInstructions || main_->fraInstructions->isAncestorOf(top));
            }
            click(main_->cmdOK);
            QVERIFY(!main_->fraInstructions->isVisible());
            QCOMPARE(exerciseOnShow(*main_), before);
        }
    }

    void levelsShowAndHideCells_data() {
        QTest::addColumn<QList<int>>("levels");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("cells");
        QTest::addColumn<QString>("labels");
        QTest::addColumn<bool>("newProblem");
        const QString all = "#####/#####/#####/#####/#####";
        const QString noZero = "-----/-####/-####/-####/-####";
        const QString none = "-----/-----/-----/-----/-----";
        QTest::newRow("1") << QList<int>{1} << "100" << noZero << noZero << true;
        QTest::newRow("3") << QList<int>{3} << "001" << all << none << true;
        QTest::newRow("3 then 1") << QList<int>{3, 1} << "100" << noZero << noZero << true;
        QTest::newRow("1 then 2") << QList<int>{1, 2} << "010" << all << all << true;
        QTest::newRow("1 then 3") << QList<int>{1, 3} << "001" << all << none << true;
        QTest::newRow("2, already checked") << QList<int>{2} << "010" << all << all << false;
    }

    void levelsShowAndHideCells() {
        QFETCH(QList<int>, levels);
        QFETCH(QString, checked);
        QFETCH(QString, cells);
        QFETCH(QString, labels);
        QFETCH(bool, newProblem);
        open();
        click(main_->lblCell[13]);
        const QStringList before = exerciseOnShow(*main_);
        const std::array<QAction*, 4> items = {nullptr, main_->levelItem(1), main_->levelItem(2),
                                               main_->levelItem(3)};
        for (int level : levels) {
            items[level]->trigger();
        }
        QCOMPARE(main_->lblLevel->text(), QString("Level %1").arg(levels.back()));
        QCOMPARE(checkMarks({main_->levelItem(1), main_->levelItem(2), main_->levelItem(3)}),
                 checked);
        QCOMPARE(shownPattern(main_->lblCell), cells);
        QCOMPARE(shownPattern(main_->lblIndex), labels);
        if (newProblem) {
            QCOMPARE(gridRows(*main_), BlankGrid); // the mark went with the old problem
        } else {
            QCOMPARE(exerciseOnShow(*main_), before);
        }
    }

    void languagesRewriteTheListing_data() {
        QTest::addColumn<QList<int>>("choices");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QStringList>("fixedLines"); // elements 0, 1, 2, 5, 6, 7, 8
        const QStringList java = {"int x, y, order = 1;",
                                  "int a[ ][ ] = new int[5][5];",
                                  "order = 1;",
                                  "a[x][y] = order;",
                                  "order++;",
                                  "}",
                                  "}"};
        const QStringList basic = {"Dim X,Y,Order As Integer",
                                   "Dim A(4,4) As Integer",
                                   "Order = 1",
                                   "A(X,Y)=Order",
                                   "Order = Order+1",
                                   "Next Y",
                                   "Next X"};
        QTest::newRow("Java") << QList<int>{21} << "10" << java;
        QTest::newRow("Java then BASIC") << QList<int>{21, 22} << "01" << basic;
        QTest::newRow("BASIC again") << QList<int>{22} << "01" << basic;
    }

    void languagesRewriteTheListing() {
        QFETCH(QList<int>, choices);
        QFETCH(QString, checked);
        QFETCH(QStringList, fixedLines);
        open();
        click(main_->lblCell[7]);
        const QList<int> written = cellsWritten(*main_);
        QVERIFY(!written.isEmpty());
        for (int choice : choices) {
            (choice == 21 ? main_->languageItem(1) : main_->languageItem(2))->trigger();
        }
        QCOMPARE(checkMarks({main_->languageItem(1), main_->languageItem(2)}), checked);
        QStringList shown;
        for (int i : {0, 1, 2, 5, 6, 7, 8}) {
            shown << main_->lblCode[i]->text();
        }
        QCOMPARE(shown, fixedLines);
        const bool java = choices.back() == 21;
        QCOMPARE(main_->lblCode[3]->text().startsWith("for (x= "), java);
        QCOMPARE(main_->lblCode[4]->text().startsWith("for (y= "), java);
        QCOMPARE(cellsWritten(*main_), written); // same problem, other language
        QCOMPARE(main_->lblCell[7]->text(), QString("1"));
    }

    void clicksStampAndTakeBackMarks_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QStringList>("grid");
        QTest::newRow("first click")
            << QList<int>{7}
            << QStringList{". . . . .", ". Y1 . . .", ". . . . .", ". . . . .", ". . . . ."};
        QTest::newRow("second click unmarks") << QList<int>{7, 7} << BlankGrid;
        QTest::newRow("unmarking an early mark repeats a number")
            << QList<int>{1, 2, 3, 1, 4}
            << QStringList{". Y2 Y3 Y3 .", ". . . . .", ". . . . .", ". . . . .", ". . . . ."};
    }

    void clicksStampAndTakeBackMarks() {
        QFETCH(QList<int>, clicks);
        QFETCH(QStringList, grid);
        open();
        click(main_->cmdStart);
        for (int cell : clicks) {
            click(main_->lblCell[cell]);
        }
        QCOMPARE(gridRows(*main_), grid);
        QCOMPARE(background(main_->lblCell[clicks.back()]),
                 clicks.count(clicks.back()) % 2 ? QColor(255, 255, 0) : QColor(255, 255, 255));
    }

    void testNowMarksTheCells_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QStringList>("grid");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("wrong");
        // The problem writes cells 7, 8, 9, 12, 13, 14: rows 1 to 2, columns 1 to 3.
        const QStringList allGreen = {". . . . .", ". G1 G2 G3 .", ". G4 G5 G6 .", ". . . . .",
                                      ". . . . ."};
        QTest::newRow("all right") << QList<int>{7, 8, 9, 12, 13, 14} << allGreen << 1 << 0;
        QTest::newRow("two swapped and a stray mark")
            << QList<int>{7, 8, 9, 12, 14, 13, 20}
            << QStringList{". . . . .", ". G1 G2 G3 .", ". G4 R5 R6 .", ". . . . X", ". . . . ."}
            << 0 << 1;
        QTest::newRow("no marks") << QList<int>{}
                                  << QStringList{". . . . .", ". R1 R2 R3 .", ". R4 R5 R6 .",
                                                 ". . . . .", ". . . . ."}
                                  << 0 << 1;
    }

    void testNowMarksTheCells() {
        QFETCH(QList<int>, clicks);
        QFETCH(QStringList, grid);
        QFETCH(int, right);
        QFETCH(int, wrong);
        const QString score = right ? "100%" : "0%";
        // Draws for two problems with rows 1 to 2 and columns 1 to 3.
        open(std::make_unique<ScriptedRandom>(
            std::vector<float>{0.3f, 0.1f, 0.3f, 0.5f, 0.3f, 0.1f, 0.3f, 0.5f}));
        click(main_->cmdStart);
        QCOMPARE(main_->lblCode[3]->text(), QString("For X = 1 to 2"));
        QCOMPARE(main_->lblCode[4]->text(), QString("For Y = 1 to 3"));
        for (int cell : clicks) {
            click(main_->lblCell[cell]);
        }
        click(main_->cmdRun);
        QCOMPARE(gridRows(*main_), grid);
        QCOMPARE(main_->lblRight->text(), QString::number(right));
        QCOMPARE(main_->lblWrong->text(), QString::number(wrong));
        QCOMPARE(main_->lblScore->text(), score);
        QCOMPARE(main_->lblProbNum->text(), QString("1"));
        QCOMPARE(main_->cmdRun->text(), QString("Next"));

        click(main_->lblCell[25]); // marks after a test count for nothing
        click(main_->cmdRun);
        QCOMPARE(gridRows(*main_), BlankGrid);
        QCOMPARE(main_->lblProbNum->text(), QString("2"));
        QCOMPARE(main_->cmdRun->text(), QString("Test Now!"));
        QCOMPARE(main_->lblScore->text(), score);
    }

    void exitEndsTheProgram_data() {
        QTest::addColumn<int>("phase");
        QTest::addColumn<bool>("fromTitleBar");
        QTest::newRow("Exit in a problem") << int(AfterStart) << false;
        QTest::newRow("Exit at series end") << int(SeriesOver) << false;
        QTest::newRow("closing the window") << int(AfterTest) << true;
    }

    void exitEndsTheProgram() {
        QFETCH(int, phase);
        QFETCH(bool, fromTitleBar);
        open();
        advanceTo(*main_, phase);
        if (main_->lblCell[19]->isVisible()) {
            click(main_->lblCell[19]); // a problem half answered is simply dropped
        }
        if (fromTitleBar) {
            QVERIFY(main_->close());
        } else {
            click(main_->cmdExit);
        }
        QVERIFY(!main_->isVisible());
        QVERIFY(signIn_->program().signIn() == nullptr); // long gone since OK
    }

    void tabMovesAmongVisibleControls_data() {
        QTest::addColumn<int>("phase");
        QTest::addColumn<bool>("instructions");
        QTest::addColumn<QStringList>("order"); // from the control with the focus
        // The grid is one stop, entered at its top-left visible cell.
        QTest::newRow("before Start") << int(BeforeStart) << false
                                      << QStringList{"cmdStart", "cmdExit", "lblCell1", "cmdStart"};
        QTest::newRow("in a problem")
            << int(AfterStart) << false << QStringList{"cmdRun", "cmdExit", "lblCell1", "cmdRun"};
        // The open panel takes the focus, and what it covers takes none.
        QTest::newRow("instructions open")
            << int(AfterStart) << true << QStringList{"cmdOK", "Text1", "cmdOK"};
        QTest::newRow("series over")
            << int(SeriesOver) << false << QStringList{"cmdPrint", "cmdExit", "cmdPrint"};
    }

    void tabMovesAmongVisibleControls() {
        QFETCH(int, phase);
        QFETCH(bool, instructions);
        QFETCH(QStringList, order);
        open();
        advanceTo(*main_, phase);
        if (instructions) {
            main_->mnu30->trigger();
        }
        const std::map<QString, QWidget*> controls = {
            {"cmdStart", main_->cmdStart},  {"cmdExit", main_->cmdExit},
            {"cmdRun", main_->cmdRun},      {"Text1", main_->Text1},
            {"cmdOK", main_->cmdOK},        {"cmdPrint", main_->cmdPrint},
            {"lblCell1", main_->lblCell[1]}};
        QCOMPARE(QApplication::focusWidget(), controls.at(order.front()));
        for (qsizetype i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), controls.at(order[i]));
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
