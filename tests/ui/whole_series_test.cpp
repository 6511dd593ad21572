// SPDX-License-Identifier: MIT
// A whole series as a student works it: sign in, choose a level and a
// language, Start, answer all 20 problems by reading the listing on the
// window, some of them wrong on purpose, and check the result sheet.

#include "ui_test_helpers.hpp"

#include <QAction>
#include <QGroupBox>
#include <QMenu>

using namespace tessaly;
using namespace tessaly::test;

namespace {

enum class Answer { Right, Swapped, Stray, Missing };

// Every third problem is answered wrong, in turn with a stray mark, without
// its last cell, and with its first two cells clicked the other way round.
Answer answerFor(int problem) {
    if (problem % 3 != 0) {
        return Answer::Right;
    }
    constexpr Answer wrongOnes[] = {Answer::Swapped, Answer::Stray, Answer::Missing};
    return wrongOnes[(problem / 3) % 3];
}

// The cells to click for `written` (the cells the loops write, in order).
QList<int> clicksFor(Answer answer, QList<int> written, const frmArray& main) {
    switch (answer) {
    case Answer::Right:
        break;
    case Answer::Swapped:
        written.swapItemsAt(0, 1);
        break;
    case Answer::Missing:
        written.removeLast();
        break;
    case Answer::Stray:
        for (int cell = 25; cell >= 1; --cell) {
            if (main.lblCell[cell]->isVisible() && !written.contains(cell)) {
                written << cell;
                return written;
            }
        }
        written.swapItemsAt(0, 1); // every shown cell is written: swap instead
        break;
    }
    return written;
}

// What the grid must show after the test run: each written cell green when the
// click that stamped it came at its turn, red otherwise, with its turn as the
// caption; a clicked cell that is never written shows "X".
QStringList verdicts(const QList<int>& written, const QList<int>& clicks, bool& wrong) {
    std::array<QString, 26> token;
    token.fill(".");
    for (qsizetype i = 0; i < clicks.size(); ++i) {
        token[clicks[i]] = "X";
    }
    for (qsizetype turn = 0; turn < written.size(); ++turn) {
        const int cell = written[turn];
        const bool right = turn < clicks.size() && clicks[turn] == cell;
        token[cell] = QString(right ? "G" : "R") + QString::number(turn + 1);
    }
    QStringList rows;
    wrong = false;
    for (int r = 0; r < 5; ++r) {
        QStringList row;
        for (int c = 1; c <= 5; ++c) {
            row << token[r * 5 + c];
            wrong = wrong || token[r * 5 + c].startsWith('R') || token[r * 5 + c] == "X";
        }
        rows << row.join(' ');
    }
    return rows;
}

} // namespace

class WholeSeriesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyTessalyLook(*qApp); }

    void answerTwentyProblems_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("java");
        QTest::addColumn<float>("seed");
        QTest::newRow("Level 1, BASIC") << 1 << false << 100.0f;
        QTest::newRow("Level 1, Java") << 1 << true << 200.0f;
        QTest::newRow("Level 2, Java") << 2 << true << 300.0f;
        QTest::newRow("Level 3, BASIC") << 3 << false << 400.0f;
        QTest::newRow("Level 3, Java") << 3 << true << 500.0f;
    }

    void answerTwentyProblems() {
        QFETCH(int, level);
        QFETCH(bool, java);
        QFETCH(float, seed);
        auto signIn = openSignIn(std::make_unique<FixedSeedRandom>(seed));
        frmArray& main = signIn->mainWindow();
        QTest::keyClicks(signIn->txtPeriod, "3");
        QTest::keyClicks(signIn->txtID, "A12");
        QTest::keyClicks(signIn->txtName, "Doe, Jane");
        QTest::keyClicks(signIn->txtTeacher, "Smith");
        click(signIn->cmdOk);
        QVERIFY(waitUntilActive(main));

        const std::array<QAction*, 4> levels = {nullptr, main.levelItem(1), main.levelItem(2),
                                                main.levelItem(3)};
        levels[level]->trigger();
        (java ? main.languageItem(1) : main.languageItem(2))->trigger();
        click(main.cmdStart);
        QCOMPARE(main.lblLevel->text(), QString("Level %1").arg(level));
        QCOMPARE(main.lblCode[0]->text(),
                 QString(java ? "int x, y, order = 1;" : "Dim X,Y,Order As Integer"));
        QCOMPARE(shownPattern(main.lblIndex),
                 QString(level == 3   ? "-----/-----/-----/-----/-----"
                         : level == 1 ? "-----/-####/-####/-####/-####"
                                      : "#####/#####/#####/#####/#####"));

        int right = 0;
        int wrong = 0;
        for (int problem = 1; problem <= 20; ++problem) {
            QCOMPARE(main.lblProbNum->text(), QString::number(problem));
            QCOMPARE(main.cmdRun->text(), QString("Test Now!"));
            QCOMPARE(gridRows(main), BlankGrid);
            const QList<int> written = cellsWritten(main);
            QVERIFY2(!written.isEmpty(),
                     qPrintable(main.lblCode[3]->text() + " / " + main.lblCode[4]->text()));
            QCOMPARE(main.lblCode[3]->text().startsWith("for ("), java);
            const QList<int> clicks = clicksFor(answerFor(problem), written, main);
            for (int cell : clicks) {
                QVERIFY2(main.lblCell[cell]->isVisible(), "the listing writes a hidden cell");
                click(main.lblCell[cell]);
            }
            bool problemWrong = false;
            const QStringList expected = verdicts(written, clicks, problemWrong);
            QCOMPARE(problemWrong, answerFor(problem) != Answer::Right);
            problemWrong ? ++wrong : ++right;

            click(main.cmdRun);
            QCOMPARE(gridRows(main), expected);
            QCOMPARE(main.lblRight->text(), QString::number(right));
            QCOMPARE(main.lblWrong->text(), QString::number(wrong));
            QCOMPARE(main.lblScore->text(), QString("%1%").arg(100 * right / (right + wrong)));
            if (problem < 20) {
                QCOMPARE(main.cmdRun->text(), QString("Next"));
                click(main.cmdRun);
            }
        }

        QCOMPARE(main.lblRight->text(), QString("14"));
        QCOMPARE(main.lblWrong->text(), QString("6"));
        QCOMPARE(main.lblScore->text(), QString("70%"));
        QVERIFY(main.lblScore->isVisible());
        QCOMPARE(main.lblProbNum->text(), QString("20"));
        QCOMPARE(background(main.clientArea()), QColor(Qt::white));
        QVERIFY(!main.fraProgram->isVisible());
        QVERIFY(!main.fraArray->isVisible());
        QVERIFY(main.cmdPrint->isVisible());
        QCOMPARE(QApplication::focusWidget(), main.cmdPrint);
        QVERIFY(!main.mnu10->menuAction()->isEnabled());
        QVERIFY(!main.mnu20->menuAction()->isEnabled());
        QCOMPARE(main.lblLevel->text(), QString("Level %1").arg(level));
        QCOMPARE(main.lblName->text(), QString("Doe, Jane"));
    }
};

QTEST_MAIN(WholeSeriesTest)
#include "whole_series_test.moc"
