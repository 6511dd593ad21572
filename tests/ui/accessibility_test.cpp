// SPDX-License-Identifier: MIT
// What assistive technology learns from the windows through Qt's
// accessibility interfaces: names, descriptions, actions and the verdict.

#include "ui_test_helpers.hpp"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QPlainTextEdit>

using namespace tessaly;
using namespace tessaly::test;

namespace {

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString nameOf(QObject* object) {
    return accessible(object)->text(QAccessible::Name);
}

QString descriptionOf(QObject* object) {
    return accessible(object)->text(QAccessible::Description);
}

void pressByAction(QObject* object) {
    QAccessibleActionInterface* actions = accessible(object)->actionInterface();
    QVERIFY(actions != nullptr);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyTessalyLook(*qApp); }

    void signInIsNamed() {
        auto signIn = openSignIn();
        const std::array<std::pair<QObject*, QString>, 4> boxes = {
            {{signIn->txtPeriod, "Period"},
             {signIn->txtID, "Class ID#"},
             {signIn->txtName, "Name (Last, First)"},
             {signIn->txtTeacher, "Teacher"}}};
        for (const auto& [box, name] : boxes) {
            QCOMPARE(nameOf(box), name);
        }
        // The empty student-data labels are not named after their frame.
        QCOMPARE(nameOf(signIn.mainWindow().lblID), QString());
        QCOMPARE(nameOf(signIn.mainWindow().lblPeriod), QString("18"));
        QVERIFY(!signIn->windowIcon().isNull());
    }

    void countersAndTextAreDescribed() {
        auto signIn = openSignIn();
        frmArray& main = signIn.mainWindow();
        QCOMPARE(nameOf(main.Text1), QString("Instructions"));
        const std::array<std::pair<QObject*, QString>, 5> counters = {
            {{main.lblProbNum, "Problem Number"},
             {main.lblProbLimit, "of"},
             {main.lblRight, "Right"},
             {main.lblWrong, "Wrong"},
             {main.lblScore, "Score"}}};
        for (const auto& [counter, description] : counters) {
            QCOMPARE(descriptionOf(counter), description);
        }
        QCOMPARE(nameOf(main.lblScore), QString("0%"));
    }

    // Problem: X from 1 to 2 and Y from 1 to 2 (shown), cells 7, 8, 12, 13.
    // Cell 7 right, cell 8 wrong (marked out of turn), 12 and 13 unmarked
    // (wrong), cell 25 a stray mark, cell 1 never touched.
    void cellsSayWhereTheyAreAndHowTheyStand() {
        auto signIn = openSignIn(std::make_unique<ScriptedRandom>(
            std::vector<float>{0.25f, 0.0f, 0.25f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f}));
        frmArray& main = signIn.mainWindow();
        QVERIFY(signInWithCode(signIn));
        QCOMPARE(descriptionOf(main.lblCell[8]), QString("row 1, column 2, not marked"));
        pressByAction(main.lblCell[7]);
        QCOMPARE(nameOf(main.lblCell[7]), QString("1"));
        QCOMPARE(descriptionOf(main.lblCell[7]), QString("row 1, column 1, marked"));
        QCOMPARE(background(main.lblCell[7]), toQColor(colors::Yellow));
        for (int cell : {25, 8}) {
            pressByAction(main.lblCell[cell]);
        }
        click(main.cmdStart);
        click(main.cmdRun);
        const std::array<std::pair<int, QString>, 5> expected = {
            {{7, "row 1, column 1, right"},
             {8, "row 1, column 2, wrong"},
             {13, "row 2, column 2, wrong"},
             {25, "row 4, column 4, stray mark"},
             {1, "row 0, column 0, not visited"}}};
        for (const auto& [cell, description] : expected) {
            QCOMPARE(descriptionOf(main.lblCell[cell]), description);
        }
        QCOMPARE(nameOf(main.lblCell[25]), QString("X"));
        QCOMPARE(descriptionOf(main.cmdRun),
                 QString("Problem 1 wrong: 1 of 4 cells right, 1 stray mark. "
                         "Right 0, Wrong 1, Score 0%"));
        click(main.cmdRun); // Next: the verdict is gone with the problem
        QCOMPARE(descriptionOf(main.cmdRun), QString());
    }

    void cellIsAFocusableButton() {
        auto signIn = openSignIn();
        frmArray& main = signIn.mainWindow();
        QVERIFY(signInWithCode(signIn));
        QAccessibleInterface* cell = accessible(main.lblCell[19]);
        QCOMPARE(cell->role(), QAccessible::Button);
        QVERIFY(cell->state().focusable);
        QVERIFY(!cell->state().focused);
        cell->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
        QVERIFY(main.lblCell[19]->hasFocus());
        QVERIFY(cell->state().focused);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
