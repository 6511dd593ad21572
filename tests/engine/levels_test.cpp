// SPDX-License-Identifier: MIT
#include "engine/exercise.hpp"
#include "grid_fixture.hpp"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

using namespace test;

void choose(Exercise& ex, int level) {
    level == 1 ? ex.mnu11_Click() : level == 2 ? ex.mnu12_Click() : ex.mnu13_Click();
}

// The window opens at Level 2; `before` are the levels chosen since, then `level`.
struct Transition {
    std::vector<int> before;
    int level;
    const char* loops; // all draws are 0: the smallest problem at the new FirstIndex
    Rows cells;
    Rows labels;
    friend void PrintTo(const Transition& t, std::ostream* os) {
        for (int level : t.before) {
            *os << level << "->";
        }
        *os << t.level;
    }
};

class LevelTest : public ::testing::TestWithParam<Transition> {};

TEST_P(LevelTest, ChangingTheLevelRedrawsAndShowsItsCells) {
    const Transition& t = GetParam();
    ScriptedExercise w;
    for (int level : t.before) {
        choose(w.ex, level);
    }
    w.ex.cmdRun_Click(); // a test run, so that there are totals for the level to keep
    w.ex.lblCell_Click(19);
    const std::size_t draws = w.random.consumed();
    choose(w.ex, t.level);
    const std::string name = "Level " + std::to_string(t.level);
    EXPECT_EQ(w.ex.lblLevel, name);
    for (const MenuEntry* m : {&w.ex.menus.level(1), &w.ex.menus.level(2), &w.ex.menus.level(3)}) {
        EXPECT_EQ(m->checked, m->caption == name) << m->caption;
    }
    EXPECT_EQ(loopText(w.ex.state), t.loops);
    EXPECT_EQ(w.ex.state.FirstIndex, t.loops[0] - '0');
    EXPECT_EQ(w.random.consumed(), draws + 4);
    EXPECT_EQ(w.ex.listing.line(3), t.level == 1 ? "For X = 1 to 2" : "For X = 0 to 1");
    EXPECT_EQ(w.ex.state.ClickOrder, 1);
    EXPECT_EQ(picture(w.ex.grid), Blank);
    EXPECT_EQ(shown(w.ex.grid), t.cells);
    EXPECT_EQ(shown(w.ex.grid, true), t.labels);
    EXPECT_EQ(w.ex.lblWrong + w.ex.cmdRun + w.ex.lblProbNum, "1Next0");
    EXPECT_EQ(w.ex.state.TestPending, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Levels, LevelTest,
    ::testing::Values(Transition{{1}, 2, "1..2 1..2", AllShown, AllShown},
                      Transition{{1}, 3, "1..2 1..2", AllShown, AllHidden},
                      Transition{{}, 1, "2..3 2..3", ZeroCellsHidden, ZeroCellsHidden},
                      Transition{{}, 3, "1..2 1..2", AllShown, AllHidden},
                      Transition{{3}, 1, "2..3 2..3", ZeroCellsHidden, ZeroCellsHidden},
                      Transition{{3}, 2, "1..2 1..2", AllShown, AllShown},
                      Transition{{1, 3}, 2, "1..2 1..2", AllShown, AllShown}));

// Choosing the checked level changes nothing and draws nothing.
class CheckedLevelTest : public ::testing::TestWithParam<std::vector<int>> {};

TEST_P(CheckedLevelTest, ChangesNothing) {
    ScriptedExercise w;
    for (int level : GetParam()) {
        choose(w.ex, level);
    }
    w.ex.lblCell_Click(13);
    const std::string before = describe(w.ex);
    const std::size_t draws = w.random.consumed();
    choose(w.ex, GetParam().empty() ? 2 : GetParam().back());
    EXPECT_EQ(describe(w.ex), before);
    EXPECT_EQ(w.random.consumed(), draws);
}

INSTANTIATE_TEST_SUITE_P(Levels, CheckedLevelTest,
                         ::testing::Values(std::vector<int>{}, std::vector<int>{1},
                                           std::vector<int>{1, 2}, std::vector<int>{3}));

// ToggleCells(i, turnOn) from the opposite visibility, with labels shown or not.
struct Toggle {
    int i;
    bool turnOn;
    bool labelsBefore;
    Rows cells;
    Rows labels;
    friend void PrintTo(const Toggle& t, std::ostream* os) {
        *os << t.i << ' ' << t.turnOn << ' ' << t.labelsBefore;
    }
};

class ToggleTest : public ::testing::TestWithParam<Toggle> {};

TEST_P(ToggleTest, ChangesOnlyVisibility) {
    const Toggle& t = GetParam();
    AnswerGrid grid;
    grid.ResetArray();
    grid.ToggleCells(t.i == 1 ? 2 : 1, false);
    grid.showIndexLabels(t.labelsBefore);
    std::int16_t clickOrder = 1;
    grid.lblCell_Click(1, clickOrder);
    grid.ToggleCells(t.i, t.turnOn);
    EXPECT_EQ(shown(grid), t.cells);
    EXPECT_EQ(shown(grid, true), t.labels);
    EXPECT_EQ(picture(grid)[0], "1Y . . . .");
}

INSTANTIATE_TEST_SUITE_P(
    Levels, ToggleTest,
    ::testing::Values(
        Toggle{2, false, true, ZeroCellsHidden, AllShown},
        Toggle{2, false, false, ZeroCellsHidden, AllHidden},
        Toggle{0, true, true, ZeroCellsHidden, ZeroCellsHidden},
        Toggle{1, true, false, AllShown, {"#####", "#....", "#....", "#....", "#...."}}));

} // namespace
} // namespace tessaly
