// SPDX-License-Identifier: MIT
#include "engine/answer_grid.hpp"
#include "grid_fixture.hpp"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tessaly {
namespace {

using test::Rows;

struct Paint {
    int x, y;
    std::int16_t v;
    Color color;
};

// Cells painted as a test run leaves them, then clicked in order.
struct Clicking {
    const char* name;
    std::vector<Paint> painted;
    std::vector<int> clicks;
    Rows picture;
    std::int16_t clickOrder;
    friend void PrintTo(const Clicking& c, std::ostream* os) { *os << c.name; }
};

class GridTest : public ::testing::TestWithParam<Clicking> {};

TEST_P(GridTest, AsetAndClicks) {
    const Clicking& c = GetParam();
    AnswerGrid grid;
    grid.ResetArray();
    for (const Paint& p : c.painted) {
        grid.aset(p.x, p.y, p.v, p.color);
    }
    std::int16_t clickOrder = 1;
    for (int index : c.clicks) {
        grid.lblCell_Click(index, clickOrder);
    }
    EXPECT_EQ(test::picture(grid), c.picture);
    EXPECT_EQ(clickOrder, c.clickOrder);
}

const std::vector<Clicking> Clickings{
    {"Aset",
     {{2, 3, -1, colors::Orange},
      {5, 5, 12, colors::Green},
      {1, 5, 7, colors::Red},
      {5, 1, 26, colors::Yellow}},
     {},
     {". . . . 7R", ". . XO . .", ". . . . .", ". . . . .", "26Y . . . 12G"},
     1},
    {"FirstClickStampsOne",
     {},
     {13},
     {". . . . .", ". . . . .", ". . 1Y . .", ". . . . .", ". . . . ."},
     2},
    {"SecondClickUnmarks", {}, {13, 13}, test::Blank, 1},
    {"RemovingAnEarlierMarkRepeatsANumber",
     {},
     {1, 2, 3, 1, 4},
     {". 2Y 3Y 3Y .", ". . . . .", ". . . . .", ". . . . .", ". . . . ."},
     4},
    {"ColouredCellsAreMarkedAgain",
     {{1, 1, 5, colors::Green}, {1, 2, 6, colors::Red}, {1, 3, -1, colors::Orange}},
     {3, 1, 2},
     {"2Y 3Y 1Y . .", ". . . . .", ". . . . .", ". . . . .", ". . . . ."},
     4},
};

INSTANTIATE_TEST_SUITE_P(AnswerGrid, GridTest, ::testing::ValuesIn(Clickings),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AnswerGrid, ResetClearsHiddenCellsAndKeepsVisibility) {
    AnswerGrid grid;
    grid.ToggleCells(2, true);
    std::int16_t clickOrder = 1;
    for (int index : {1, 6, 21, 13}) {
        grid.lblCell_Click(index, clickOrder);
    }
    grid.aset(1, 5, -1, colors::Orange);
    grid.ResetArray();
    EXPECT_EQ(test::picture(grid), test::Blank);
    EXPECT_EQ(test::shown(grid), test::ZeroCellsHidden);
    EXPECT_EQ(test::shown(grid, true), test::ZeroCellsHidden);
}

TEST(AnswerGrid, IndexOutsideTheGridThrows) {
    AnswerGrid grid;
    for (auto [x, y] : {std::pair{0, 1}, {6, 1}, {1, 0}, {5, 6}, {0, 5}}) {
        EXPECT_THROW(grid.aset(x, y, 1, colors::Green), std::out_of_range) << x << "," << y;
    }
    std::int16_t clickOrder = 1;
    for (int index : {0, 26, -1}) {
        EXPECT_THROW(grid.lblCell_Click(index, clickOrder), std::out_of_range) << index;
    }
    EXPECT_EQ(clickOrder, 1);
}

} // namespace
} // namespace tessaly
