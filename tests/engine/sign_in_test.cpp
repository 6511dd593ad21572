#include "sign_in.hpp"

#include <gtest/gtest.h>

#include <cctype>

namespace tessaly {
namespace {

struct Entries {
    const char* name;
    const char* period;
    const char* id;
    const char* student;
    const char* teacher;
    bool ok;
    friend void PrintTo(const Entries& e, std::ostream* os) { *os << e.name; }
};

class SignInTest : public ::testing::TestWithParam<Entries> {};

TEST_P(SignInTest, OkFollowsTheFourBoxes) {
    const Entries& e = GetParam();
    EXPECT_EQ(signInComplete(e.period, e.id, e.student, e.teacher), e.ok);
}

INSTANTIATE_TEST_SUITE_P(
    SignIn, SignInTest,
    ::testing::Values(Entries{"AllFilled", "3", "A1", "Doe, Jane", "Smith", true},
                      Entries{"OneCharacterEach", "1", "2", "3", "4", true},
                      Entries{"BlanksCount", " ", " ", " ", " ", true},
                      Entries{"NoPeriod", "", "A1", "Doe, Jane", "Smith", false},
                      Entries{"NoId", "3", "", "Doe, Jane", "Smith", false},
                      Entries{"NoName", "3", "A1", "", "Smith", false},
                      Entries{"NoTeacher", "3", "A1", "Doe, Jane", "", false},
                      Entries{"AllEmpty", "", "", "", "", false},
                      Entries{"CodeAlone", "~", "", "", "", true},
                      Entries{"CodeWithOtherBoxes", "~", "A1", "", "Smith", true},
                      Entries{"CodeTwice", "~~", "", "", "", false},
                      Entries{"CodeThenDigit", "~1", "", "", "", false},
                      Entries{"DigitThenCode", "1~", "", "", "", false},
                      Entries{"BlankBeforeCode", " ~", "", "", "", false},
                      Entries{"BlankAfterCode", "~ ", "", "", "", false},
                      Entries{"CodeInAnotherBox", "", "~", "~", "~", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SignIn, CodeIsOnePunctuationCharacter) {
    ASSERT_EQ(SignInCode.size(), 1u);
    EXPECT_TRUE(std::ispunct(static_cast<unsigned char>(SignInCode[0])));
}

} // namespace
} // namespace tessaly
