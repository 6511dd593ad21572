// SPDX-License-Identifier: MIT
#include "engine/number_text.hpp"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

class NumberTextTest : public ::testing::TestWithParam<std::pair<double, const char*>> {};

TEST_P(NumberTextTest, WritesPlainDecimalText) {
    EXPECT_EQ(numberText(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(NumberText, NumberTextTest,
                         ::testing::ValuesIn(std::vector<std::pair<double, const char*>>{
                             {0, "0"},
                             {-0.0, "0"},
                             {2.0f, "2"},
                             {25, "25"},
                             {100, "100"},
                             {-3, "-3"},
                             {-32768, "-32768"},
                             {2.5, "2.5"},
                             {-0.25, "-0.25"},
                             {1234567, "1234567"}}));

class TextToNumberTest : public ::testing::TestWithParam<std::pair<const char*, double>> {};

TEST_P(TextToNumberTest, ReadsTheLeadingNumber) {
    EXPECT_EQ(textToNumber(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(NumberText, TextToNumberTest,
                         ::testing::ValuesIn(std::vector<std::pair<const char*, double>>{
                             {"12", 12},
                             {"  7", 7},
                             {"-3", -3},
                             {" -3", -3},
                             {"+4", 4},
                             {"12abc", 12},
                             {"66%", 66},
                             {"", 0},
                             {"x", 0},
                             {"  ", 0},
                             {"-", 0},
                             {".", 0},
                             {"- 5", 0},
                             {"2.5", 2.5},
                             {".5", 0.5},
                             {"3.x", 3},
                             {"1e2", 100},
                             {"1e", 1}}));

TEST(NumberText, EveryCountReadsBackAsItself) {
    for (int n = -20; n <= 20; ++n) {
        EXPECT_EQ(textToNumber(numberText(n)), n);
    }
}

} // namespace
} // namespace tessaly
