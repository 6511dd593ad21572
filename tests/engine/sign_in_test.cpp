// SPDX-License-Identifier: MIT
#include "engine/sign_in.hpp"

#include <gtest/gtest.h>

#include <array>

namespace tessaly {
namespace {

// Period, Class ID#, Name, Teacher, and whether OK may be pressed.
struct Entries {
    std::array<const char*, 4> boxes;
    bool ok;
    friend void PrintTo(const Entries& e, std::ostream* os) {
        for (const char* box : e.boxes) {
            *os << '[' << box << ']';
        }
    }
};

class SignInTest : public ::testing::TestWithParam<Entries> {};

TEST_P(SignInTest, OkFollowsTheFourBoxes) {
    const auto& [period, id, name, teacher] = GetParam().boxes;
    EXPECT_EQ(signInComplete(period, id, name, teacher), GetParam().ok);
}

INSTANTIATE_TEST_SUITE_P(SignIn, SignInTest,
                         ::testing::ValuesIn(std::vector<Entries>{
                             {{"3", "A1", "Doe, Jane", "Smith"}, true},
                             {{"1", "2", "3", "4"}, true},
                             {{" ", " ", " ", " "}, true},
                             {{"", "A1", "Doe, Jane", "Smith"}, false},
                             {{"3", "", "Doe, Jane", "Smith"}, false},
                             {{"3", "A1", "", "Smith"}, false},
                             {{"3", "A1", "Doe, Jane", ""}, false},
                             {{"", "", "", ""}, false},
                             {{"~", "", "", ""}, true},
                             {{"~", "A1", "", "Smith"}, true},
                             {{"~~", "", "", ""}, false},
                             {{"~1", "", "", ""}, false},
                             {{"1~", "", "", ""}, false},
                             {{" ~", "", "", ""}, false},
                             {{"~ ", "", "", ""}, false},
                             {{"", "~", "~", "~"}, false}}));

} // namespace
} // namespace tessaly
