#include "exercise.hpp"
#include "grid_fixture.hpp"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

using test::Rows;

void choose(Exercise& ex, int level) {
    level == 1 ? ex.mnu11_Click() : level == 2 ? ex.mnu12_Click() : ex.mnu13_Click();
}

// The window opens at Level 2; `before` are the levels chosen since.
struct Transition {
    const char* name;
    std::vector<int> before;
    int level;
    std::int16_t firstIndex;
    Rows cells;
    Rows labels;
    friend void PrintTo(const Transition& t, std::ostream* os) { *os << t.name; }
};

class LevelTest : public ::testing::TestWithParam<Transition> {};

TEST_P(LevelTest, ChangingTheLevelRedrawsAndShowsItsCells) {
    const Transition& t = GetParam();
    test::ScriptedExercise w; // all draws 0: every problem is FirstIndex to FirstIndex + 1
    for (int level : t.before) {
        choose(w.ex, level);
    }
    w.ex.cmdRun_Click(); // an untested problem counts as wrong; the level keeps the totals
    w.ex.lblCell_Click(19);
    const std::size_t draws = w.random.consumed();

    choose(w.ex, t.level);
    const std::string name = "Level " + std::to_string(t.level);
    EXPECT_EQ(w.ex.lblLevel, name);
    for (const MenuEntry* m : {&w.ex.menus.mnu11, &w.ex.menus.mnu12, &w.ex.menus.mnu13}) {
        EXPECT_EQ(m->checked, m->caption == name) << m->caption;
    }
    EXPECT_EQ(w.ex.state.FirstIndex, t.firstIndex);
    const int fi = t.firstIndex;
    EXPECT_EQ(test::loopsOf(w.ex.state), (test::Loops{fi, fi + 1, 1, fi, fi + 1, 1}));
    EXPECT_EQ(w.random.consumed(), draws + 4);
    EXPECT_EQ(w.ex.listing.line(3),
              "For X = " + std::to_string(fi - 1) + " to " + std::to_string(fi));
    EXPECT_EQ(w.ex.state.ClickOrder, 1);
    EXPECT_EQ(test::colorRows(w.ex.grid), test::AllWhite);
    EXPECT_EQ(test::captionRows(w.ex.grid), test::AllZero);
    EXPECT_EQ(test::cellVisibility(w.ex.grid), t.cells);
    EXPECT_EQ(test::labelVisibility(w.ex.grid), t.labels);
    EXPECT_EQ(w.ex.lblWrong, "1");
    EXPECT_EQ(w.ex.state.TestPending, 0);
    EXPECT_EQ(w.ex.cmdRun, "Next");
    EXPECT_EQ(w.ex.lblProbNum, "0");
}

using test::AllHidden;
using test::AllShown;
using test::ZeroCellsHidden;

INSTANTIATE_TEST_SUITE_P(
    Levels, LevelTest,
    ::testing::Values(Transition{"From1To2", {1}, 2, 1, AllShown, AllShown},
                      Transition{"From1To3", {1}, 3, 1, AllShown, AllHidden},
                      Transition{"From2To1", {}, 1, 2, ZeroCellsHidden, ZeroCellsHidden},
                      Transition{"From2To3", {}, 3, 1, AllShown, AllHidden},
                      Transition{"From3To1", {3}, 1, 2, ZeroCellsHidden, ZeroCellsHidden},
                      Transition{"From3To2", {3}, 2, 1, AllShown, AllShown},
                      Transition{"From1To3To2", {1, 3}, 2, 1, AllShown, AllShown}),
    [](const auto& info) { return std::string(info.param.name); });

struct Stay {
    const char* name;
    std::vector<int> before;
    int level;
    friend void PrintTo(const Stay& s, std::ostream* os) { *os << s.name; }
};

class CheckedLevelTest : public ::testing::TestWithParam<Stay> {};

TEST_P(CheckedLevelTest, ChoosingTheCheckedLevelChangesNothing) {
    test::ScriptedExercise w;
    for (int level : GetParam().before) {
        choose(w.ex, level);
    }
    w.ex.lblCell_Click(13);
    const std::string picture = test::describe(w.ex);
    const std::size_t draws = w.random.consumed();
    choose(w.ex, GetParam().level);
    EXPECT_EQ(test::describe(w.ex), picture);
    EXPECT_EQ(w.random.consumed(), draws);
}

INSTANTIATE_TEST_SUITE_P(Levels, CheckedLevelTest,
                         ::testing::Values(Stay{"Level2AtLoad", {}, 2}, Stay{"Level1", {1}, 1},
                                           Stay{"Level2After1", {1, 2}, 2}, Stay{"Level3", {3}, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

// ToggleCells touches the nine zero cells, and their labels only when asked to.
struct Toggle {
    const char* name;
    int i;
    bool turnOn;
    bool labelsBefore;
    Rows cells;
    Rows labels;
    friend void PrintTo(const Toggle& t, std::ostream* os) { *os << t.name; }
};

class ToggleTest : public ::testing::TestWithParam<Toggle> {};

TEST_P(ToggleTest, ChangesOnlyVisibility) {
    const Toggle& t = GetParam();
    AnswerGrid grid;
    grid.ResetArray();
    grid.ToggleCells(t.i == 1 ? 2 : 1, false); // zero cells start the other way round
    grid.showIndexLabels(t.labelsBefore);
    std::int16_t clickOrder = 1;
    grid.lblCell_Click(1, clickOrder);
    grid.ToggleCells(t.i, t.turnOn);
    EXPECT_EQ(test::cellVisibility(grid), t.cells);
    EXPECT_EQ(test::labelVisibility(grid), t.labels);
    EXPECT_EQ(test::colorRows(grid), (Rows{"Y....", ".....", ".....", ".....", "....."}));
}

const Rows OnlyZeroLabels{"#####", "#....", "#....", "#....", "#...."};

INSTANTIATE_TEST_SUITE_P(
    Levels, ToggleTest,
    ::testing::Values(Toggle{"HideLeavingShownLabels", 2, false, true, ZeroCellsHidden, AllShown},
                      Toggle{"HideLeavingHiddenLabels", 2, false, false, ZeroCellsHidden,
                             AllHidden},
                      Toggle{"HideWithLabels", 2, true, true, ZeroCellsHidden, ZeroCellsHidden},
                      Toggle{"AnyOtherValueHides", 0, true, true, ZeroCellsHidden, ZeroCellsHidden},
                      Toggle{"ShowWithLabels", 1, true, false, AllShown, OnlyZeroLabels},
                      Toggle{"ShowLeavingLabels", 1, false, false, AllShown, AllHidden}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tessaly
