#include "random_source.hpp"

#include <gtest/gtest.h>

#include <cmath>

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

} // namespace
} // namespace tessaly
