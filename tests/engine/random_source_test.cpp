#include "random_source.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace tessaly {
namespace {

TEST(RandomSource, TwentyFourBitsNeverMakeOne) {
    EXPECT_EQ(floatFrom24Bits(0), 0.0f);
    EXPECT_EQ(floatFrom24Bits(0x800000), 0.5f);
    EXPECT_LT(floatFrom24Bits(0xFFFFFF), 1.0f);
    EXPECT_EQ(floatFrom24Bits(0xFFFFFF), std::nextafter(1.0f, 0.0f));
    EXPECT_EQ(floatFrom24Bits(0xFF000000u), 0.0f); // only the low 24 bits count
}

TEST(RandomSource, SeededDrawsStayInRangeAndRepeatPerSeed) {
    TimeSeededRandom a, b, c;
    a.seed(86399.0f);
    b.seed(86399.0f);
    c.seed(0.0f);
    int differ = 0;
    for (int i = 0; i < 100000; ++i) {
        const float r = a.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        ASSERT_EQ(r, b.next());
        differ += r != c.next();
    }
    EXPECT_GT(differ, 99000);
}

} // namespace
} // namespace tessaly
