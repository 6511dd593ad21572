#include "exercise.hpp"
#include "grid_fixture.hpp"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

using test::Rows;

struct Answer {
    const char* name;
    test::Loops loops;
    std::vector<int> clicks;
    Rows colors;
    Rows captions;
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
    EXPECT_EQ(test::colorRows(w.ex.grid), a.colors);
    EXPECT_EQ(test::captionRows(w.ex.grid), a.captions);
    EXPECT_EQ(w.ex.lblRight, a.right ? "1" : "0");
    EXPECT_EQ(w.ex.lblWrong, a.right ? "0" : "1");
    EXPECT_EQ(w.ex.lblScore, a.right ? "100%" : "0%");
    EXPECT_EQ(w.ex.cmdRun, "Next");
    EXPECT_EQ(w.ex.state.TestPending, 0);
    EXPECT_EQ(w.ex.lblProbNum, "1");
}

const test::Loops Example{2, 3, 1, 2, 4, 1}; // cells 7, 8, 9, 12, 13, 14
const Rows ExampleNumbers{"0 0 0 0 0", "0 1 2 3 0", "0 4 5 6 0", "0 0 0 0 0", "0 0 0 0 0"};
const Rows ExampleGreen{".....", ".GGG.", ".GGG.", ".....", "....."};
const test::Loops Stepped{1, 5, 2, 2, 5, 2}; // cells 2, 4, 12, 14, 22, 24
const Rows SteppedNumbers{"0 1 0 2 0", "0 0 0 0 0", "0 3 0 4 0", "0 0 0 0 0", "0 5 0 6 0"};

INSTANTIATE_TEST_SUITE_P(
    TestRun, AnswerTest,
    ::testing::Values(
        Answer{"WorkedExample",
               Example,
               {7, 8, 9, 12, 14, 13, 20},
               {".....", ".GGG.", ".GRR.", "....O", "....."},
               {"0 0 0 0 0", "0 1 2 3 0", "0 4 5 6 0", "0 0 0 0 X", "0 0 0 0 0"},
               false},
        Answer{"NoMarksAllRed",
               Example,
               {},
               {".....", ".RRR.", ".RRR.", ".....", "....."},
               ExampleNumbers,
               false},
        Answer{"AllRight", Example, {7, 8, 9, 12, 13, 14}, ExampleGreen, ExampleNumbers, true},
        Answer{"StrayMarkInZeroCell",
               Example,
               {7, 8, 9, 12, 13, 14, 1},
               {"O....", ".GGG.", ".GGG.", ".....", "....."},
               {"X 0 0 0 0", "0 1 2 3 0", "0 4 5 6 0", "0 0 0 0 0", "0 0 0 0 0"},
               false},
        Answer{"RemovedMarkIsNoStray",
               Example,
               {7, 8, 9, 12, 13, 25, 25, 14},
               ExampleGreen,
               ExampleNumbers,
               true},
        Answer{"RemovedVisitedMarkIsRed",
               Example,
               {7, 8, 9, 12, 13, 14, 14},
               {".....", ".GGG.", ".GGR.", ".....", "....."},
               ExampleNumbers,
               false},
        Answer{"SteppedLoopsRight",
               Stepped,
               {2, 4, 12, 14, 22, 24},
               {".G.G.", ".....", ".G.G.", ".....", ".G.G."},
               SteppedNumbers,
               true},
        Answer{"SteppedLoopsColumnByColumn",
               Stepped,
               {2, 12, 22, 4, 14, 24},
               {".G.R.", ".....", ".R.R.", ".....", ".R.G."},
               SteppedNumbers,
               false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TestRun, MarksAfterATestVanishAtNext) {
    test::ScriptedExercise w; // every problem visits cells 1, 2, 6, 7
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
    EXPECT_EQ(test::colorRows(w.ex.grid), test::AllWhite);
    EXPECT_EQ(test::captionRows(w.ex.grid), test::AllZero);
    EXPECT_EQ(w.ex.lblProbNum, "2");
    w.ex.cmdRun_Click();
    EXPECT_EQ(test::colorRows(w.ex.grid), (Rows{"RR...", "RR...", ".....", ".....", "....."}));
    EXPECT_EQ(w.ex.lblWrong, "2");
}

// A series driven through real draws: 'R' answers a problem right, 'W' tests it unmarked.
struct Series {
    const char* results;
    const char* right;
    const char* wrong;
    const char* score;
    friend void PrintTo(const Series& s, std::ostream* os) { *os << s.results; }
};

class SeriesTest : public ::testing::TestWithParam<Series> {};

TEST_P(SeriesTest, TotalsScoreProblemNumberAndEnd) {
    const Series& s = GetParam();
    TimeSeededRandom random;
    Exercise ex(random);
    ex.Form_Load(36000.0f);
    ex.cmdStart_Click();
    const std::string results = s.results;
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
        if (!over) {
            ex.cmdRun_Click();
        }
    }
    EXPECT_EQ(ex.lblRight, s.right);
    EXPECT_EQ(ex.lblWrong, s.wrong);
    EXPECT_EQ(ex.lblScore, s.score);
    EXPECT_TRUE(ex.lblScoreVisible);
}

INSTANTIATE_TEST_SUITE_P(TestRun, SeriesTest,
                         ::testing::Values(Series{"R", "1", "0", "100%"},
                                           Series{"W", "0", "1", "0%"},
                                           Series{"RWW", "1", "2", "33%"},
                                           Series{"WRR", "2", "1", "66%"},
                                           Series{"RWRRWRRWRRWRRWRRWRRW", "13", "7", "65%"},
                                           Series{"RRRRRRRRRRRRRRRRRRRW", "19", "1", "95%"},
                                           Series{"WWWWWWWWWWWWWWWWWWWW", "0", "20", "0%"}));

} // namespace
} // namespace tessaly
