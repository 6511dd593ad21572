#include "number_text.hpp"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

struct Written {
    double value;
    const char* text;
    friend void PrintTo(const Written& w, std::ostream* os) { *os << w.text; }
};

class NumberTextTest : public ::testing::TestWithParam<Written> {};

TEST_P(NumberTextTest, WritesPlainDecimalText) {
    EXPECT_EQ(numberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(NumberText, NumberTextTest,
                         ::testing::Values(Written{0, "0"}, Written{-0.0, "0"}, Written{2.0f, "2"},
                                           Written{25, "25"}, Written{100, "100"},
                                           Written{-3, "-3"}, Written{-32768, "-32768"},
                                           Written{2.5, "2.5"}, Written{-0.25, "-0.25"},
                                           Written{1234567, "1234567"}));

struct Read {
    const char* text;
    double value;
    friend void PrintTo(const Read& r, std::ostream* os) { *os << '"' << r.text << '"'; }
};

class TextToNumberTest : public ::testing::TestWithParam<Read> {};

TEST_P(TextToNumberTest, ReadsTheLeadingNumber) {
    EXPECT_EQ(textToNumber(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(NumberText, TextToNumberTest,
                         ::testing::Values(Read{"12", 12}, Read{"  7", 7}, Read{"-3", -3},
                                           Read{" -3", -3}, Read{"+4", 4}, Read{"12abc", 12},
                                           Read{"66%", 66}, Read{"", 0}, Read{"x", 0},
                                           Read{"  ", 0}, Read{"-", 0}, Read{".", 0},
                                           Read{"2.5", 2.5}, Read{".5", 0.5}, Read{"3.x", 3},
                                           Read{"1e2", 100}, Read{"1e", 1}, Read{"- 5", 0}));

TEST(NumberText, EveryCountReadsBackAsItself) {
    for (int n = -20; n <= 20; ++n) {
        EXPECT_EQ(textToNumber(numberText(n)), n);
    }
}

} // namespace
} // namespace tessaly
