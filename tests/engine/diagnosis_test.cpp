// SPDX-License-Identifier: MIT
#include "engine/diagnosis.hpp"
#include "grid_fixture.hpp"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

using test::Rows;
using Kind = DiagnosisKind;

struct Case {
    const char* name;
    const char* loops; // internal, as test::setLoops reads them
    bool java;
    Rows marks;
    Kind kind;
    const char* text;
    friend void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }
};

class DiagnosisTest : public ::testing::TestWithParam<Case> {};

TEST_P(DiagnosisTest, NamesWhatTheMarksFollow) {
    const Case& c = GetParam();
    ExerciseState state;
    test::setLoops(state, c.loops);
    state.LanguageFlag = c.java ? FlagTrue : FlagFalse;
    const Diagnosis d = diagnose(state, test::marks(c.marks));
    EXPECT_EQ(d.kind, c.kind);
    EXPECT_EQ(d.match.has_value(), c.kind == Kind::OtherLoops);
    EXPECT_EQ(d.text, c.text);
}

// Shown rows 1..2, columns 1..3: cells 7, 8, 9, 12, 13, 14.
const char* const Listed = "2..3 2..4";
const Rows Blank2{". . . . .", ". . . . ."};
Rows grid(Rows top, const Rows& rest = Blank2) {
    top.insert(top.end(), rest.begin(), rest.end());
    return top;
}

const std::vector<Case> Cases{
    {"AllRight", Listed, false, grid({". . . . .", ". 1 2 3 .", ". 4 5 6 ."}), Kind::AllRight,
     "Right: your numbers follow the loops of the listing."},
    {"Swapped", Listed, false, grid({". . . . .", ". 1 3 5 .", ". 2 4 6 ."}), Kind::OtherLoops,
     "Your numbers follow these loops instead:\nFor Y = 1 to 3\nFor X = 1 to 2\n"
     "The loops are swapped: the outer loop runs over Y."},
    {"StartOff", Listed, false, grid({". . . . .", "1 2 3 4 .", "5 6 7 8 ."}), Kind::OtherLoops,
     "Your numbers follow these loops instead:\nFor X = 1 to 2\nFor Y = 0 to 3\n"
     "Y starts at 0, not 1."},
    {"EndOff", Listed, false,
     grid({". . . . .", ". 1 2 3 .", ". 4 5 6 ."}, {". 7 8 9 .", ". . . . ."}), Kind::OtherLoops,
     "Your numbers follow these loops instead:\nFor X = 1 to 3\nFor Y = 1 to 3\n"
     "X ends at 3, not 2."},
    {"StepOff", "1..5 2..3", false,
     grid({". 1 2 . .", ". . . . .", ". 3 4 . ."}, {". . . . .", ". 5 6 . ."}), Kind::OtherLoops,
     "Your numbers follow these loops instead:\nFor X = 0 to 4 Step 2\nFor Y = 1 to 2\n"
     "X steps by 2, not 1."},
    // X 0..2 and 0..3 in steps of 2 both visit 0 and 2; both differ from the listing's end.
    {"EndAndStepOffTakesTheSmallestEnd", "1..5 2..3", false,
     grid({". 1 2 . .", ". . . . .", ". 3 4 . ."}), Kind::OtherLoops,
     "Your numbers follow these loops instead:\nFor X = 0 to 2 Step 2\nFor Y = 1 to 2\n"
     "X ends at 2, not 4.\nX steps by 2, not 1."},
    {"SwappedAndEndOff", Listed, false,
     grid({". . . . .", ". 1 4 7 .", ". 2 5 8 ."}, {". 3 6 9 .", ". . . . ."}), Kind::OtherLoops,
     "Your numbers follow these loops instead:\nFor Y = 1 to 3\nFor X = 1 to 3\n"
     "The loops are swapped: the outer loop runs over Y.\nX ends at 3, not 2."},
    // X 0..2 and 0..3 in steps of 2 visit alike; the listing's own end wins.
    {"SwappedJavaKeepsTheListingsEnd", "1..4/2 2..3", true,
     grid({". 1 3 . .", ". . . . .", ". 2 4 . ."}), Kind::OtherLoops,
     "Your numbers follow these loops instead:\nfor (y= 1; y< 3; y++ ) {\n"
     "for (x= 0; x< 4; x += 2 ) {\nThe loops are swapped: the outer loop runs over Y."},
    {"MisplacedFirstInReadingOrder", Listed, false, grid({"5 . . . .", ". 1 2 3 .", ". 4 6 5 ."}),
     Kind::FirstDifference,
     "Number 5 is the first difference: the loops write it in row 2, column 2; "
     "you wrote it in row 0, column 0."},
    {"Missing", Listed, false, grid({". . . . .", ". 1 2 3 .", ". 4 5 . ."}), Kind::FirstDifference,
     "Number 6 is the first difference: the loops write it in row 2, column 3; "
     "you did not write it."},
    {"NothingMarked", Listed, false, test::Blank, Kind::FirstDifference,
     "Number 1 is the first difference: the loops write it in row 1, column 1; "
     "you did not write it."},
    {"OnlyStrayMarks", Listed, false,
     grid({"8 . . . .", ". 1 2 3 .", ". 4 5 6 ."}, {". . . . 7", ". . . . ."}), Kind::StrayMark,
     "Every cell the loops visit is right, but row 0, column 0 is marked and the loops never "
     "visit it."},
};

INSTANTIATE_TEST_SUITE_P(Diagnosis, DiagnosisTest, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

// The loops the marks follow are written in the listing's language, the Y
// loop first: a language added beside Java and BASIC is chosen from its menu
// entry (3 Python, 4 C/C++, 5 JavaScript), whatever LanguageFlag holds.
TEST(Diagnosis, OtherLoopsAreWrittenInTheListingsLanguage) {
    const std::vector<std::pair<int, std::string>> languages{
        {1, "for (y= 1; y< 3; y++ ) {\nfor (x= 0; x< 4; x += 2 ) {\n"},
        {2, "For Y = 1 to 2\nFor X = 0 to 3 Step 2\n"},
        {3, "for y in range(1, 3):\nfor x in range(0, 4, 2):\n"},
        {4, "for (int y = 1; y < 3; y++) {\nfor (int x = 0; x < 4; x += 2) {\n"},
        {5, "for (let y = 1; y < 3; y++) {\nfor (let x = 0; x < 4; x += 2) {\n"},
    };
    for (const auto& [n, headers] : languages) {
        test::ScriptedExercise w;
        test::setLoops(w.ex.state, "1..4/2 2..3");
        w.ex.chooseLanguage(n);
        const Diagnosis d =
            diagnose(w.ex.state, test::marks(grid({". 1 3 . .", ". . . . .", ". 2 4 . ."})));
        EXPECT_EQ(d.text, "Your numbers follow these loops instead:\n" + headers +
                              "The loops are swapped: the outer loop runs over Y.")
            << n;
    }
}

// Marks that follow any fragment of the shape are found again, whatever the listing.
TEST(Diagnosis, SearchFindsEveryFragmentOfTheShape) {
    EXPECT_EQ(fragmentsOfTheShape().size(), 2u * 16 * 16); // 10 unit-step and 6 two-step loops
    for (const char* loops : {"2..3 2..4", "1..4/2 2..5/2"}) {
        ExerciseState state;
        test::setLoops(state, loops);
        const Fragment listing = currentFragment(state);
        for (const Fragment& f : fragmentsOfTheShape()) {
            Marks order{};
            int number = 1;
            for (int cell : visitedCells(f)) {
                order[static_cast<std::size_t>(cell)] = number++;
            }
            const std::optional<Fragment> found = matchingFragment(listing, order);
            ASSERT_TRUE(found.has_value()) << loops;
            EXPECT_EQ(visitedCells(*found), visitedCells(f)) << loops;
            EXPECT_EQ(visitedCells(f) == visitedCells(listing), *found == listing) << loops;
        }
    }
}

} // namespace
} // namespace tessaly
