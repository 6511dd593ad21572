// SPDX-License-Identifier: MIT
#include "engine/exercise.hpp"
#include "grid_fixture.hpp"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

TEST(Exercise, LoadOpensAtLevel2WithTheFirstProblemFromTheZeroRow) {
    test::ScriptedExercise w;
    const Exercise& ex = w.ex;
    EXPECT_EQ(ex.lblLevel + " " + test::loopText(ex.state), "Level 2 1..2 1..2");
    EXPECT_EQ(ex.state.FirstIndex, 1);
    EXPECT_EQ(w.random.consumed(), 4u);
    EXPECT_EQ(ex.lblProbNum + " of " + ex.lblProbLimit, "0 of 20");
    EXPECT_EQ(ex.state.ClickOrder + ex.state.LanguageFlag + ex.state.TestPending, 0); // 1, 0, -1
    EXPECT_EQ(test::picture(ex.grid), test::Blank);
    EXPECT_EQ(test::shown(ex.grid), test::AllShown);
    EXPECT_EQ(test::shown(ex.grid, true), test::AllShown);
    const auto labels = test::rows([&](int k) { return ex.grid.lblIndex[k].caption; }, "");
    EXPECT_EQ(labels[0], "(0,0)(0,1)(0,2)(0,3)(0,4)");
    EXPECT_EQ(labels[4], "(4,0)(4,1)(4,2)(4,3)(4,4)");
}

TEST(Exercise, StartKeepsEarlyMarksLocksLevelAndLanguageAndInstructionsChangeNothing) {
    test::ScriptedExercise w;
    w.ex.lblCell_Click(7);
    w.ex.cmdStart_Click();
    EXPECT_EQ(w.ex.lblProbNum, "1");
    EXPECT_TRUE(w.ex.fraProgramVisible && !w.ex.cmdStartVisible);
    EXPECT_EQ(test::picture(w.ex.grid)[1], ". 1Y . . .");
    const Menus& m = w.ex.menus;
    for (const MenuEntry* e : {&m.mnu10, &m.level(1), &m.level(2), &m.level(3), &m.mnu20,
                               &m.language(1), &m.language(2)}) {
        EXPECT_FALSE(e->enabled) << e->caption;
    }
    EXPECT_TRUE(m.mnu30.enabled);
    EXPECT_EQ(m.all().back(), &m.mnu40); // a command at the end of the menu bar
    const std::string before = test::describe(w.ex);
    w.ex.mnu30_Click();
    EXPECT_TRUE(w.ex.fraInstructionsVisible);
    w.ex.cmdOK_Click();
    EXPECT_EQ(test::describe(w.ex), before);
}

TEST(Exercise, ExplainKeepsTheMarksOfTheTestFromTheTestUntilNext) {
    test::ScriptedExercise w(std::vector<float>(100, 0.0f)); // each problem: cells 1, 2, 6, 7
    Exercise& ex = w.ex;
    EXPECT_FALSE(ex.explainAvailable() || ex.menus.mnu40.enabled);
    EXPECT_THROW(ex.diagnosis(), std::logic_error);
    ex.cmdStart_Click();
    for (int cell : {1, 6, 2, 7}) {
        ex.lblCell_Click(cell);
    }
    ex.cmdRun_Click();
    EXPECT_TRUE(ex.explainAvailable() && ex.menus.mnu40.enabled);
    ex.lblCell_Click(25); // marks after the test count for nothing
    const test::Rows tested{"1 3 . . .", "2 4 . . .", ". . . . .", ". . . . .", ". . . . ."};
    EXPECT_EQ(ex.testedMarks(), test::marks(tested));
    EXPECT_EQ(ex.diagnosis().kind, DiagnosisKind::OtherLoops);
    EXPECT_EQ(ex.replay().step(2).mark, 3);
    ex.cmdRun_Click();
    EXPECT_FALSE(ex.explainAvailable() || ex.menus.mnu40.enabled);
    while (!ex.seriesOver()) {
        ex.cmdRun_Click();
        EXPECT_TRUE(ex.menus.mnu40.enabled);
        if (!ex.seriesOver()) {
            ex.cmdRun_Click();
            EXPECT_FALSE(ex.menus.mnu40.enabled);
        }
    }
    EXPECT_TRUE(ex.explainAvailable() && ex.menus.mnu40.enabled);
    EXPECT_EQ(ex.diagnosis().text.substr(0, 26), "Number 1 is the first diff");
}

} // namespace
} // namespace tessaly
