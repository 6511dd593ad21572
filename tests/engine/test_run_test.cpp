// SPDX-License-Identifier: MIT
#include "engine/exercise.hpp"
#include "grid_fixture.hpp"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

using test::Rows;

struct Answer {
    const char* name;
    const char* loops;
    std::vector<int> clicks;
    Rows picture;
    bool right;
    friend void PrintTo(const Answer& a, std::ostream* os) { *os << a.name; }
};

class AnswerTest : public ::testing::TestWithParam<Answer> {};

TEST_P(AnswerTest, TestRunMarksEveryCellAndCountsTheProblem) {
    const Answer& a = GetParam();
    test::ScriptedExercise w;
    w.ex.cmdStart_Click();
    test::setLoops(w.ex.state, a.loops);
    for (int cell : a.clicks) {
        w.ex.lblCell_Click(cell);
    }
    w.ex.cmdRun_Click();
    EXPECT_EQ(test::picture(w.ex.grid), a.picture);
    EXPECT_EQ(w.ex.lblRight + " " + w.ex.lblWrong + " " + w.ex.lblScore,
              a.right ? "1 0 100%" : "0 1 0%");
    EXPECT_EQ(w.ex.cmdRun, "Next");
    EXPECT_EQ(w.ex.state.TestPending, 0);
    EXPECT_EQ(w.ex.lblProbNum, "1");
}

// The worked example's loops visit cells 7, 8, 9, 12, 13 and 14.
const char* const Example = "2..3 2..4";
const Rows AllGreen{". . . . .", ". 1G 2G 3G .", ". 4G 5G 6G .", ". . . . .", ". . . . ."};

const std::vector<Answer> Answers{
    {"WorkedExample",
     Example,
     {7, 8, 9, 12, 14, 13, 20},
     {". . . . .", ". 1G 2G 3G .", ". 4G 5R 6R .", ". . . . XO", ". . . . ."},
     false},
    {"NoMarksAllRed",
     Example,
     {},
     {". . . . .", ". 1R 2R 3R .", ". 4R 5R 6R .", ". . . . .", ". . . . ."},
     false},
    {"AllRight", Example, {7, 8, 9, 12, 13, 14}, AllGreen, true},
    {"StrayMarkInZeroCell",
     Example,
     {7, 8, 9, 12, 13, 14, 1},
     {"XO . . . .", ". 1G 2G 3G .", ". 4G 5G 6G .", ". . . . .", ". . . . ."},
     false},
    {"RemovedMarkIsNoStray", Example, {7, 8, 9, 12, 13, 25, 25, 14}, AllGreen, true},
    {"RemovedVisitedMarkIsRed",
     Example,
     {7, 8, 9, 12, 13, 14, 14},
     {". . . . .", ". 1G 2G 3G .", ". 4G 5G 6R .", ". . . . .", ". . . . ."},
     false},
    {"SteppedRowByRow",
     "1..5/2 2..5/2",
     {2, 4, 12, 14, 22, 24},
     {". 1G . 2G .", ". . . . .", ". 3G . 4G .", ". . . . .", ". 5G . 6G ."},
     true},
};

INSTANTIATE_TEST_SUITE_P(TestRun, AnswerTest, ::testing::ValuesIn(Answers),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TestRun, MarksAfterATestVanishAtNext) {
    test::ScriptedExercise w; // every problem visits cells 1, 2, 6 and 7
    w.ex.cmdStart_Click();
    w.ex.cmdRun_Click();
    for (int cell : {1, 2, 13}) {
        w.ex.lblCell_Click(cell);
    }
    const std::size_t draws = w.random.consumed();
    w.ex.cmdRun_Click();
    EXPECT_EQ(w.ex.cmdRun, "Test Now!");
    EXPECT_EQ(w.ex.state.TestPending, -1);
    EXPECT_EQ(w.ex.state.ClickOrder, 1);
    EXPECT_EQ(w.random.consumed(), draws + 4);
    EXPECT_EQ(test::picture(w.ex.grid), test::Blank);
    EXPECT_EQ(w.ex.lblProbNum, "2");
    w.ex.cmdRun_Click();
    EXPECT_EQ(test::picture(w.ex.grid),
              (Rows{"1R 2R . . .", "3R 4R . . .", ". . . . .", ". . . . .", ". . . . ."}));
    EXPECT_EQ(w.ex.lblWrong, "2");
}

// The problem as a student who cannot see the listing hears it: the loop
// headers in the language the listing shows.
TEST(TestRun, ProblemIsAnnouncedAsListed) {
    const std::vector<std::pair<bool, std::string>> languages = {
        {false, "Problem 1 of 20. For X = 1 to 2. For Y = 1 to 3"},
        {true, "Problem 1 of 20. for (x= 1; x< 3; x++ ) {. for (y= 1; y< 4; y++ ) {"}};
    for (const auto& [java, announced] : languages) {
        test::ScriptedExercise w;
        if (java) {
            w.ex.mnu21_Click();
        }
        w.ex.cmdStart_Click();
        test::setLoops(w.ex.state, Example);
        w.ex.DisplayProgram();
        EXPECT_EQ(w.ex.problemAnnouncement(), announced);
    }
}

// What a student who cannot see the grid is told of the worked example, before
// and after its test: marked, right, wrong, a stray mark, never visited.
TEST(TestRun, CellsAreDescribedByTheirState) {
    test::ScriptedExercise w;
    w.ex.cmdStart_Click();
    test::setLoops(w.ex.state, Example);
    for (int cell : {7, 8, 9, 12, 14, 13, 20}) {
        w.ex.lblCell_Click(cell);
    }
    w.ex.lblCell_Click(9);
    EXPECT_EQ(w.ex.cellAnnouncement(9), "0, not marked");
    w.ex.lblCell_Click(9);
    EXPECT_EQ(w.ex.cellAnnouncement(9), "7, marked");
    EXPECT_EQ(w.ex.describeCell(20), "row 3, column 4, marked");
    EXPECT_EQ(w.ex.describeCell(1), "row 0, column 0, not marked");
    w.ex.cmdRun_Click();
    const std::vector<std::pair<int, std::string>> described = {
        {7, "row 1, column 1, right"},
        {9, "row 1, column 3, wrong"},
        {20, "row 3, column 4, stray mark"},
        {1, "row 0, column 0, not visited"},
        {25, "row 4, column 4, not visited"}};
    for (const auto& [cell, description] : described) {
        EXPECT_EQ(w.ex.describeCell(cell), description);
    }
    EXPECT_EQ(w.ex.cellAnnouncement(20), "X, stray mark");
    EXPECT_EQ(w.ex.testAnnouncement(), "Problem 1 wrong: 3 of 6 cells right, 1 stray mark. "
                                       "Right 0, Wrong 1, Score 0%");
    w.ex.cmdRun_Click();
    EXPECT_EQ(w.ex.describeCell(20), "row 3, column 4, not marked");
}

// A series through real draws: 'R' answers a problem right, 'W' tests it unmarked.
struct Series {
    const char* results;
    const char* totals; // right, wrong, score
    friend void PrintTo(const Series& s, std::ostream* os) { *os << s.results; }
};

class SeriesTest : public ::testing::TestWithParam<Series> {};

TEST_P(SeriesTest, TotalsScoreProblemNumberAndEnd) {
    const std::string results = GetParam().results;
    TimeSeededRandom random;
    Exercise ex(random);
    ex.Form_Load(36000.0f);
    ex.cmdStart_Click();
    for (std::size_t i = 0; i < results.size(); ++i) {
        EXPECT_EQ(ex.lblProbNum, std::to_string(i + 1));
        if (results[i] == 'R') {
            for (int cell : visitedCells(ex.state)) {
                ex.lblCell_Click(cell);
            }
        }
        ex.cmdRun_Click();
        const bool over = i + 1 == 20;
        EXPECT_EQ(ex.fraProgramVisible, !over);
        EXPECT_EQ(ex.fraArrayVisible, !over);
        EXPECT_EQ(ex.cmdPrintVisible, over);
        EXPECT_EQ(ex.backColor, over ? 0xFFFFFFu : colors::Grey);
        // Only the last verdict says that the series is over.
        const std::string end = ". The series is over. Print prints the result sheet.";
        EXPECT_EQ(ex.testAnnouncement(), over ? ex.verdict + end : ex.verdict);
        if (!over) {
            ex.cmdRun_Click();
            EXPECT_EQ(ex.problemAnnouncement().rfind(
                          "Problem " + std::to_string(i + 2) + " of 20. For X = ", 0),
                      0u);
        }
    }
    EXPECT_EQ(ex.lblRight + " " + ex.lblWrong + " " + ex.lblScore, GetParam().totals);
    EXPECT_TRUE(ex.lblScoreVisible);
}

INSTANTIATE_TEST_SUITE_P(TestRun, SeriesTest,
                         ::testing::Values(Series{"R", "1 0 100%"}, Series{"W", "0 1 0%"},
                                           Series{"RWW", "1 2 33%"}, Series{"WRR", "2 1 66%"},
                                           Series{"RWRRWRRWRRWRRWRRWRRW", "13 7 65%"},
                                           Series{"RRRRRRRRRRRRRRRRRRRW", "19 1 95%"},
                                           Series{"WWWWWWWWWWWWWWWWWWWW", "0 20 0%"}));

} // namespace
} // namespace tessaly
