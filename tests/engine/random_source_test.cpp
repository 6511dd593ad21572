// SPDX-License-Identifier: MIT
#include "engine/exercise.hpp"
#include "engine/random_source.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace tessaly {
namespace {

TEST(RandomSource, DrawsStayBelowOneAndRepeatPerSeed) {
    EXPECT_EQ(floatFrom24Bits(0xFFFFFF), std::nextafter(1.0f, 0.0f));
    EXPECT_EQ(floatFrom24Bits(0x800000), 0.5f);
    EXPECT_EQ(floatFrom24Bits(0xFF000000u), 0.0f); // only the low 24 bits count
    TimeSeededRandom a, b, c;
    a.seed(86399.0f);
    b.seed(86399.0f);
    c.seed(0.0f);
    int differ = 0;
    for (int i = 0; i < 100000; ++i) {
        const float r = a.next();
        ASSERT_TRUE(r >= 0.0f && r < 1.0f) << r;
        ASSERT_EQ(r, b.next());
        differ += r != c.next();
    }
    EXPECT_GT(differ, 99000);
}

// The loops of the 20 problems that an exercise loaded at `seconds` draws.
std::vector<std::array<float, 6>> seriesLoadedAt(float seconds) {
    TimeSeededRandom random;
    Exercise exercise(random);
    exercise.Form_Load(seconds);
    std::vector<std::array<float, 6>> series;
    for (int problem = 0; problem < 20; ++problem) {
        const ExerciseState& s = exercise.state;
        series.push_back({s.XStart, s.XEnd, float(s.XStep), s.YStart, s.YEnd, float(s.YStep)});
        exercise.cmdNewProgram_Click();
    }
    return series;
}

// Students who start in the same second get series of their own: the fraction
// of the second, down to the real's last bit, reaches the generator.
TEST(RandomSource, LoadsInTheSameSecondDrawDifferentSeries) {
    const std::array<std::pair<float, float>, 4> sameSecond = {{
        {100.25f, 100.75f},
        {100.0f, std::nextafter(100.0f, 200.0f)},
        {86399.0f, 86399.992f},
        {0.0f, 0.001f},
    }};
    for (const auto& [first, second] : sameSecond) {
        EXPECT_NE(seriesLoadedAt(first), seriesLoadedAt(second)) << first << " and " << second;
    }
    EXPECT_EQ(seriesLoadedAt(100.25f), seriesLoadedAt(100.25f));
}

} // namespace
} // namespace tessaly
