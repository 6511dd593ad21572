#include "exercise.hpp"
#include "grid_fixture.hpp"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

TEST(Exercise, LoadOpensAtLevel2WithTheFirstProblemFromTheZeroRow) {
    test::ScriptedExercise w;
    const Exercise& ex = w.ex;
    EXPECT_EQ(ex.lblLevel, "Level 2");
    EXPECT_EQ(ex.state.FirstIndex, 1);
    EXPECT_EQ(test::loopsOf(ex.state), (test::Loops{1, 2, 1, 1, 2, 1}));
    EXPECT_EQ(w.random.consumed(), 4u);
    EXPECT_EQ(ex.lblProbNum, "0");
    EXPECT_EQ(ex.lblProbLimit, "20");
    EXPECT_EQ(ex.state.ProblemLimit, 20);
    EXPECT_EQ(ex.state.ClickOrder, 1);
    EXPECT_EQ(ex.state.LanguageFlag, 0);
    EXPECT_EQ(ex.state.TestPending, -1);
    EXPECT_EQ(test::colorRows(ex.grid), test::AllWhite);
    EXPECT_EQ(test::captionRows(ex.grid), test::AllZero);
    EXPECT_EQ(test::cellVisibility(ex.grid), test::AllShown);
    EXPECT_EQ(test::labelVisibility(ex.grid), test::AllShown);
    for (auto [k, caption] :
         {std::pair{1, "(0,0)"}, {2, "(0,1)"}, {6, "(1,0)"}, {23, "(4,2)"}, {25, "(4,4)"}}) {
        EXPECT_EQ(ex.grid.lblIndex[k].caption, caption);
    }
    EXPECT_FALSE(ex.fraProgramVisible);
    EXPECT_TRUE(ex.cmdStartVisible);
    EXPECT_FALSE(ex.cmdPrintVisible);
    EXPECT_EQ(ex.backColor, colors::Grey);
}

TEST(Exercise, StartKeepsEarlyMarksAndLocksLevelAndLanguage) {
    test::ScriptedExercise w;
    w.ex.lblCell_Click(7);
    w.ex.cmdStart_Click();
    EXPECT_EQ(w.ex.lblProbNum, "1");
    EXPECT_FALSE(w.ex.cmdStartVisible);
    EXPECT_TRUE(w.ex.fraProgramVisible);
    EXPECT_EQ(w.ex.grid.lblCell[7].caption, "1");
    EXPECT_EQ(w.ex.grid.lblCell[7].backColor, colors::Yellow);
    const Menus& m = w.ex.menus;
    for (const MenuEntry* e :
         {&m.mnu10, &m.mnu11, &m.mnu12, &m.mnu13, &m.mnu20, &m.mnu21, &m.mnu22}) {
        EXPECT_FALSE(e->enabled) << e->caption;
    }
    EXPECT_TRUE(m.mnu30.enabled);
}

TEST(Exercise, InstructionsOpenAndCloseWithoutTouchingTheExercise) {
    test::ScriptedExercise w;
    w.ex.cmdStart_Click();
    w.ex.lblCell_Click(7);
    const std::string picture = test::describe(w.ex);
    w.ex.mnu30_Click();
    EXPECT_TRUE(w.ex.fraInstructionsVisible);
    w.ex.cmdOK_Click();
    EXPECT_EQ(test::describe(w.ex), picture);
}

} // namespace
} // namespace tessaly
