#include "grid_fixture.hpp"
#include "loops.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace tessaly {
namespace {

using test::Loops;

const float Top = std::nextafter(1.0f, 0.0f); // the largest draw a source can give
const float BelowHalf = std::nextafter(0.5f, 0.0f);

struct Drawing {
    const char* name;
    std::int16_t firstIndex;
    std::vector<float> draws;
    Loops loops;
    std::size_t used;
    std::vector<int> cells;
    friend void PrintTo(const Drawing& d, std::ostream* os) { *os << d.name; }
};

class DrawingTest : public ::testing::TestWithParam<Drawing> {};

TEST_P(DrawingTest, ReplaysDrawByDraw) {
    const Drawing& d = GetParam();
    ScriptedRandom random(d.draws);
    random.append({0.25f, 0.25f, 0.25f}); // spare draws, so that a wrong count shows as one
    ExerciseState state;
    state.FirstIndex = d.firstIndex;
    InitializeLoops(state, random);
    EXPECT_EQ(test::loopsOf(state), d.loops);
    for (float bound : {state.XStart, state.XEnd, state.YStart, state.YEnd}) {
        EXPECT_EQ(bound, std::floor(bound)) << "bounds are whole";
    }
    EXPECT_EQ(random.consumed(), d.used);
    EXPECT_EQ(visitedCells(state), d.cells);
    EXPECT_EQ(state.FirstIndex, d.firstIndex);
}

INSTANTIATE_TEST_SUITE_P(
    Loops, DrawingTest,
    ::testing::Values(
        Drawing{"Level1AllZero", 2, {0, 0, 0, 0}, {2, 3, 1, 2, 3, 1}, 4, {7, 8, 12, 13}},
        Drawing{
            "Level1AllHigh", 2, {.99f, .99f, .99f, .99f}, {4, 5, 1, 4, 5, 1}, 4, {19, 20, 24, 25}},
        Drawing{"ZeroRowAllZero", 1, {0, 0, 0, 0}, {1, 2, 1, 1, 2, 1}, 4, {1, 2, 6, 7}},
        Drawing{
            "ZeroRowAllHigh", 1, {.99f, .99f, .99f, .99f}, {4, 5, 1, 4, 5, 1}, 4, {19, 20, 24, 25}},
        Drawing{"ZeroRowXStepped",
                1,
                {0, .99f, .7f, .3f, .6f},
                {1, 5, 2, 2, 4, 1},
                5,
                {2, 3, 4, 12, 13, 14, 22, 23, 24}},
        Drawing{
            "Level1XStepped", 2, {0, .7f, .5f, .99f, .2f}, {2, 5, 2, 4, 5, 1}, 5, {9, 10, 19, 20}},
        Drawing{
            "Level1LargestDraws", 2, {Top, Top, Top, Top}, {4, 5, 1, 4, 5, 1}, 4, {19, 20, 24, 25}},
        Drawing{"ZeroRowLargestDraws",
                1,
                {Top, Top, Top, Top},
                {4, 5, 1, 4, 5, 1},
                4,
                {19, 20, 24, 25}},
        Drawing{"LargestEndsFromStarts1And3",
                1,
                {0, Top, Top, .5f, Top},
                {1, 5, 2, 3, 5, 1},
                5,
                {3, 4, 5, 13, 14, 15, 23, 24, 25}},
        Drawing{"LargestEndsFromStarts2And4",
                2,
                {0, Top, .2f, .7f, Top},
                {2, 5, 1, 4, 5, 1},
                5,
                {9, 10, 14, 15, 19, 20, 24, 25}},
        Drawing{"ThreeValuesDrawNoStep",
                1,
                {0, .4f, .3f, .4f},
                {1, 3, 1, 2, 4, 1},
                4,
                {2, 3, 4, 7, 8, 9, 12, 13, 14}},
        Drawing{"StepDrawOfHalfGivesTwo",
                2,
                {0, .7f, .5f, 0, 0},
                {2, 5, 2, 2, 3, 1},
                5,
                {7, 8, 17, 18}},
        Drawing{"StepDrawBelowHalfGivesOne",
                2,
                {0, .7f, BelowHalf, 0, 0},
                {2, 5, 1, 2, 3, 1},
                5,
                {7, 8, 12, 13, 17, 18, 22, 23}},
        Drawing{"OnlyYStepped",
                1,
                {.99f, .99f, 0, .99f, .6f},
                {4, 5, 1, 1, 5, 2},
                5,
                {16, 18, 20, 21, 23, 25}},
        Drawing{"BothStepsDrawn",
                1,
                {0, .99f, .5f, 0, .99f, .49f},
                {1, 5, 2, 1, 5, 1},
                6,
                {1, 2, 3, 4, 5, 11, 12, 13, 14, 15, 21, 22, 23, 24, 25}}),
    [](const auto& info) { return std::string(info.param.name); });

// Over many real draws every range appears with probability
// 1/(5 - FirstIndex) * 1/(5 - start), and a loop is stepped by 2 with the given odds.
struct Odds {
    std::int16_t firstIndex;
    double step2;
    friend void PrintTo(const Odds& o, std::ostream* os) { *os << "FirstIndex " << o.firstIndex; }
};

class DrawingOdds : public ::testing::TestWithParam<Odds> {};

TEST_P(DrawingOdds, RangesAndStepsFollowTheirProbabilities) {
    const Odds& odds = GetParam();
    constexpr int Calls = 200000;
    constexpr double Samples = 2.0 * Calls; // X and Y are drawn alike and independently
    TimeSeededRandom random;
    random.seed(45296.0f);
    ExerciseState state;
    state.FirstIndex = odds.firstIndex;
    std::map<std::pair<int, int>, int> ranges;
    int stepped = 0;
    for (int i = 0; i < Calls; ++i) {
        InitializeLoops(state, random);
        const Loops l = test::loopsOf(state);
        for (int v = 0; v < 6; v += 3) {
            const int start = l[v], end = l[v + 1], step = l[v + 2];
            ASSERT_TRUE(start >= odds.firstIndex && start <= 4 && end > start && end <= 5 &&
                        (step == 1 || (step == 2 && end >= start + 3)))
                << start << " to " << end << " step " << step;
            ++ranges[{start, end}];
            stepped += step == 2;
        }
    }
    const auto expectShare = [&](int count, double p, const std::string& what) {
        const double tolerance = 5.0 * std::sqrt(p * (1.0 - p) / Samples);
        EXPECT_NEAR(count / Samples, p, tolerance) << what;
    };
    for (int s = 1; s <= 4; ++s) {
        for (int e = s + 1; e <= 5; ++e) {
            const double p = s < odds.firstIndex ? 0.0 : 1.0 / (5 - odds.firstIndex) / (5 - s);
            expectShare(ranges[{s, e}], p, std::to_string(s) + " to " + std::to_string(e));
        }
    }
    expectShare(stepped, odds.step2, "step 2");
}

INSTANTIATE_TEST_SUITE_P(Loops, DrawingOdds,
                         ::testing::Values(Odds{2, 1.0 / 18.0}, Odds{1, 5.0 / 48.0}));

} // namespace
} // namespace tessaly
