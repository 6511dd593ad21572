// SPDX-License-Identifier: MIT
#include "engine/loops.hpp"
#include "grid_fixture.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace tessaly {
namespace {

const float Top = std::nextafter(1.0f, 0.0f); // the largest draw a source can give
const float BelowHalf = std::nextafter(0.5f, 0.0f);

// Every draw listed is consumed, in order, and no more.
struct Drawing {
    const char* name;
    std::int16_t firstIndex;
    std::vector<float> draws;
    const char* loops;
    std::vector<int> cells;
    friend void PrintTo(const Drawing& d, std::ostream* os) { *os << d.name; }
};

class DrawingTest : public ::testing::TestWithParam<Drawing> {};

TEST_P(DrawingTest, ReplaysDrawByDraw) {
    const Drawing& d = GetParam();
    ScriptedRandom random(d.draws);
    random.append({0.25f, 0.25f}); // spare draws, so that an extra draw shows as a count
    ExerciseState state;
    state.FirstIndex = d.firstIndex;
    InitializeLoops(state, random);
    EXPECT_EQ(test::loopText(state), d.loops);
    EXPECT_EQ(random.consumed(), d.draws.size());
    EXPECT_EQ(visitedCells(state), d.cells);
}

const std::vector<Drawing> Drawings{
    {"Fi2Zeros", 2, {0, 0, 0, 0}, "2..3 2..3", {7, 8, 12, 13}},
    {"Fi2High", 2, {.99f, .99f, .99f, .99f}, "4..5 4..5", {19, 20, 24, 25}},
    {"Fi1Zeros", 1, {0, 0, 0, 0}, "1..2 1..2", {1, 2, 6, 7}},
    {"Fi1High", 1, {.99f, .99f, .99f, .99f}, "4..5 4..5", {19, 20, 24, 25}},
    {"Fi1XStepped", 1, {0, .99f, .7f, .3f, .6f}, "1..5/2 2..4", {2, 3, 4, 12, 13, 14, 22, 23, 24}},
    {"Fi2XStepped", 2, {0, .7f, .5f, .99f, .2f}, "2..5/2 4..5", {9, 10, 19, 20}},
    {"Fi2Top", 2, {Top, Top, Top, Top}, "4..5 4..5", {19, 20, 24, 25}},
    {"Fi1Top", 1, {Top, Top, Top, Top}, "4..5 4..5", {19, 20, 24, 25}},
    {"TopEnds1And3", 1, {0, Top, Top, .5f, Top}, "1..5/2 3..5", {3, 4, 5, 13, 14, 15, 23, 24, 25}},
    {"TopEnds2And4", 2, {0, Top, .2f, .7f, Top}, "2..5 4..5", {9, 10, 14, 15, 19, 20, 24, 25}},
    {"ThreeValuesNoStep", 1, {0, .4f, .3f, .4f}, "1..3 2..4", {2, 3, 4, 7, 8, 9, 12, 13, 14}},
    {"StepDrawHalf", 2, {0, .7f, .5f, 0, 0}, "2..5/2 2..3", {7, 8, 17, 18}},
    {"StepBelowHalf", 2, {0, .7f, BelowHalf, 0, 0}, "2..5 2..3", {7, 8, 12, 13, 17, 18, 22, 23}},
    {"OnlyYStepped", 1, {.99f, .99f, 0, .99f, .6f}, "4..5 1..5/2", {16, 18, 20, 21, 23, 25}},
    {"BothStepped", 1, {0, .99f, .5f, .3f, .7f, .5f}, "1..5/2 2..5/2", {2, 4, 12, 14, 22, 24}},
};

INSTANTIATE_TEST_SUITE_P(Loops, DrawingTest, ::testing::ValuesIn(Drawings),
                         [](const auto& info) { return std::string(info.param.name); });

// Over many real draws each range s..e appears with probability
// 1/(5 - FirstIndex) * 1/(5 - s), and a loop gets step 2 with the given odds.
class DrawingOdds : public ::testing::TestWithParam<std::pair<std::int16_t, double>> {};

TEST_P(DrawingOdds, RangesAndStepsFollowTheirProbabilities) {
    const auto [firstIndex, step2] = GetParam();
    constexpr int Calls = 200000;
    constexpr double Samples = 2.0 * Calls; // X and Y are drawn alike and independently
    TimeSeededRandom random;
    random.seed(45296.0f);
    ExerciseState state;
    state.FirstIndex = firstIndex;
    std::map<std::pair<int, int>, int> ranges;
    int stepped = 0;
    for (int i = 0; i < Calls; ++i) {
        InitializeLoops(state, random);
        for (auto [s, e, step] : {std::tuple{state.XStart, state.XEnd, state.XStep},
                                  std::tuple{state.YStart, state.YEnd, state.YStep}}) {
            ASSERT_TRUE(s >= firstIndex && s <= 4 && e > s && e <= 5 && s == std::floor(s) &&
                        e == std::floor(e) && (step == 1 || (step == 2 && e >= s + 3)))
                << s << ".." << e << "/" << step;
            ++ranges[{static_cast<int>(s), static_cast<int>(e)}];
            stepped += step == 2;
        }
    }
    const auto expectShare = [&](int count, double p, const std::string& what) {
        EXPECT_NEAR(count / Samples, p, 5.0 * std::sqrt(p * (1.0 - p) / Samples)) << what;
    };
    for (int s = 1; s <= 4; ++s) {
        for (int e = s + 1; e <= 5; ++e) {
            const double p = s < firstIndex ? 0.0 : 1.0 / (5 - firstIndex) / (5 - s);
            expectShare(ranges[{s, e}], p, std::to_string(s) + ".." + std::to_string(e));
        }
    }
    expectShare(stepped, step2, "step 2");
}

INSTANTIATE_TEST_SUITE_P(Loops, DrawingOdds,
                         ::testing::Values(std::pair<std::int16_t, double>{2, 1.0 / 18.0},
                                           std::pair<std::int16_t, double>{1, 5.0 / 48.0}));

} // namespace
} // namespace tessaly
