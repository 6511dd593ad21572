#include "answer_grid.hpp"
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

struct Asetting {
    Paint paint;
    Rows colors;
    Rows captions;
    friend void PrintTo(const Asetting& a, std::ostream* os) {
        *os << "aset " << a.paint.x << "," << a.paint.y << " " << a.paint.v;
    }
};

class AsetTest : public ::testing::TestWithParam<Asetting> {};

TEST_P(AsetTest, SetsExactlyOneCell) {
    AnswerGrid grid;
    grid.ResetArray();
    const Paint& p = GetParam().paint;
    grid.aset(p.x, p.y, p.v, p.color);
    EXPECT_EQ(test::colorRows(grid), GetParam().colors);
    EXPECT_EQ(test::captionRows(grid), GetParam().captions);
}

INSTANTIATE_TEST_SUITE_P(
    AnswerGrid, AsetTest,
    ::testing::Values(Asetting{{2, 3, -1, colors::Orange},
                               {".....", "..O..", ".....", ".....", "....."},
                               {"0 0 0 0 0", "0 0 X 0 0", "0 0 0 0 0", "0 0 0 0 0", "0 0 0 0 0"}},
                      Asetting{{5, 5, 12, colors::Green},
                               {".....", ".....", ".....", ".....", "....G"},
                               {"0 0 0 0 0", "0 0 0 0 0", "0 0 0 0 0", "0 0 0 0 0", "0 0 0 0 12"}},
                      Asetting{{1, 5, 7, colors::Red},
                               {"....R", ".....", ".....", ".....", "....."},
                               {"0 0 0 0 7", "0 0 0 0 0", "0 0 0 0 0", "0 0 0 0 0", "0 0 0 0 0"}},
                      Asetting{
                          {5, 1, 26, colors::Yellow},
                          {".....", ".....", ".....", ".....", "Y...."},
                          {"0 0 0 0 0", "0 0 0 0 0", "0 0 0 0 0", "0 0 0 0 0", "26 0 0 0 0"}}));

struct Clicking {
    const char* name;
    std::vector<Paint> before; // cells coloured as a test run leaves them
    std::vector<int> clicks;
    Rows colors;
    Rows captions;
    std::int16_t clickOrder;
    friend void PrintTo(const Clicking& c, std::ostream* os) { *os << c.name; }
};

class ClickTest : public ::testing::TestWithParam<Clicking> {};

TEST_P(ClickTest, MarksAndUnmarks) {
    const Clicking& c = GetParam();
    AnswerGrid grid;
    grid.ResetArray();
    for (const Paint& p : c.before) {
        grid.aset(p.x, p.y, p.v, p.color);
    }
    std::int16_t clickOrder = 1;
    for (int index : c.clicks) {
        grid.lblCell_Click(index, clickOrder);
    }
    EXPECT_EQ(test::colorRows(grid), c.colors);
    EXPECT_EQ(test::captionRows(grid), c.captions);
    EXPECT_EQ(clickOrder, c.clickOrder);
}

INSTANTIATE_TEST_SUITE_P(
    AnswerGrid, ClickTest,
    ::testing::Values(
        Clicking{"FirstClickStampsOne",
                 {},
                 {13},
                 {".....", ".....", "..Y..", ".....", "....."},
                 {"0 0 0 0 0", "0 0 0 0 0", "0 0 1 0 0", "0 0 0 0 0", "0 0 0 0 0"},
                 2},
        Clicking{"SecondClickUnmarks", {}, {13, 13}, test::AllWhite, test::AllZero, 1},
        Clicking{"RemovingAnEarlierMarkRepeatsANumber",
                 {},
                 {1, 2, 3, 1, 4},
                 {".YYY.", ".....", ".....", ".....", "....."},
                 {"0 2 3 3 0", "0 0 0 0 0", "0 0 0 0 0", "0 0 0 0 0", "0 0 0 0 0"},
                 4},
        Clicking{"ColouredCellsAreMarkedAgain",
                 {{1, 1, 5, colors::Green}, {1, 2, 6, colors::Red}, {1, 3, -1, colors::Orange}},
                 {3, 1, 2},
                 {"YYY..", ".....", ".....", ".....", "....."},
                 {"2 3 1 0 0", "0 0 0 0 0", "0 0 0 0 0", "0 0 0 0 0", "0 0 0 0 0"},
                 4}),
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
    EXPECT_EQ(test::colorRows(grid), test::AllWhite);
    EXPECT_EQ(test::captionRows(grid), test::AllZero);
    EXPECT_EQ(test::cellVisibility(grid), test::ZeroCellsHidden);
    EXPECT_EQ(test::labelVisibility(grid), test::ZeroCellsHidden);
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
