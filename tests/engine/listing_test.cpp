#include "grid_fixture.hpp"
#include "listing.hpp"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

using Lines = std::array<std::string, Listing::LineCount>;

TEST(Listing, LoadKeepsTheCreationTextsAndListsTheFirstProblemInBasic) {
    const Lines atCreation{"Dim X,Y,Order As Integer",
                           "Dim A(4,4) As Integer",
                           "Order = 1",
                           "For X = 0 to 4",
                           "For Y = 0 to 4",
                           "A(X,Y)=Order",
                           "Order = Order + 1",
                           "Next Y",
                           "Next X"};
    EXPECT_EQ(Listing().lines(), atCreation);

    test::ScriptedExercise w({0, .99f, .7f, .3f, .6f}); // 0 to 4 step 2, then 1 to 3
    Lines loaded = atCreation;
    loaded[3] = "For X = 0 to 4 Step 2";
    loaded[4] = "For Y = 1 to 3";
    EXPECT_EQ(w.ex.listing.lines(), loaded);
}

struct Listed {
    const char* name;
    test::Loops loops;
    bool java;
    Lines lines;
    friend void PrintTo(const Listed& l, std::ostream* os) { *os << l.name; }
};

class ListingTest : public ::testing::TestWithParam<Listed> {};

// Choosing a language from its menu, even the one already checked, writes all nine lines.
TEST_P(ListingTest, MenuChoiceWritesTheWholeFragment) {
    const Listed& p = GetParam();
    test::ScriptedExercise w;
    test::setLoops(w.ex.state, p.loops);
    p.java ? w.ex.mnu21_Click() : w.ex.mnu22_Click();
    EXPECT_EQ(w.ex.listing.lines(), p.lines);
}

const Lines BasicUnit{"Dim X,Y,Order As Integer",
                      "Dim A(4,4) As Integer",
                      "Order = 1",
                      "For X = 1 to 3",
                      "For Y = 2 to 4",
                      "A(X,Y)=Order",
                      "Order = Order+1",
                      "Next Y",
                      "Next X"};
const Lines JavaUnit{"int x, y, order = 1;",
                     "int a[ ][ ] = new int[5][5];",
                     "order = 1;",
                     "for (x= 1; x< 4; x++ ) {",
                     "for (y= 2; y< 5; y++ ) {",
                     "a[x][y] = order;",
                     "order++;",
                     "}",
                     "}"};

Lines withHeaders(Lines lines, const char* outer, const char* inner) {
    lines[3] = outer;
    lines[4] = inner;
    return lines;
}

INSTANTIATE_TEST_SUITE_P(
    Listing, ListingTest,
    ::testing::Values(
        Listed{"UnitStepsBasic", {2, 4, 1, 3, 5, 1}, false, BasicUnit},
        Listed{"UnitStepsJava", {2, 4, 1, 3, 5, 1}, true, JavaUnit},
        Listed{"StepsFromZeroBasic",
               {1, 5, 2, 2, 5, 2},
               false,
               withHeaders(BasicUnit, "For X = 0 to 4 Step 2", "For Y = 1 to 4 Step 2")},
        Listed{"StepsFromZeroJava",
               {1, 5, 2, 2, 5, 2},
               true,
               withHeaders(JavaUnit, "for (x= 0; x< 5; x += 2 ) {", "for (y= 1; y< 5; y += 2 ) {")},
        Listed{"MixedStepsJava",
               {4, 5, 1, 1, 5, 2},
               true,
               withHeaders(JavaUnit, "for (x= 3; x< 5; x++ ) {", "for (y= 0; y< 5; y += 2 ) {")}),
    [](const auto& info) { return std::string(info.param.name); });

// Only a step of 2 or more is written out; the comparison is signed.
struct StepText {
    std::int16_t step;
    const char* basic;
    const char* java;
    friend void PrintTo(const StepText& s, std::ostream* os) { *os << "step " << s.step; }
};

class StepTextTest : public ::testing::TestWithParam<StepText> {};

TEST_P(StepTextTest, HeaderWritesOnlyRealSteps) {
    EXPECT_EQ(basicHeader('X', 3, 5, GetParam().step), GetParam().basic);
    EXPECT_EQ(javaHeader('X', 3, 5, GetParam().step), GetParam().java);
}

INSTANTIATE_TEST_SUITE_P(
    Listing, StepTextTest,
    ::testing::Values(StepText{1, "For X = 2 to 4", "for (x= 2; x< 5; x++ ) {"},
                      StepText{0, "For X = 2 to 4", "for (x= 2; x< 5; x++ ) {"},
                      StepText{-1, "For X = 2 to 4", "for (x= 2; x< 5; x++ ) {"},
                      StepText{2, "For X = 2 to 4 Step 2", "for (x= 2; x< 5; x += 2 ) {"}));

TEST(Listing, SwitchingLanguageKeepsProblemGridAndNumbers) {
    test::ScriptedExercise w({0, .99f, .7f, .3f, .6f});
    w.ex.lblCell_Click(7);
    const test::Loops loops = test::loopsOf(w.ex.state);
    const test::Rows captions = test::captionRows(w.ex.grid);
    const std::size_t draws = w.random.consumed();
    for (bool java : {true, false, true, false}) {
        java ? w.ex.mnu21_Click() : w.ex.mnu22_Click();
        EXPECT_EQ(w.ex.state.LanguageFlag, java ? -1 : 0);
        EXPECT_EQ(w.ex.menus.mnu21.checked, java);
        EXPECT_EQ(w.ex.menus.mnu22.checked, !java);
        EXPECT_EQ(w.ex.listing.line(3),
                  java ? "for (x= 0; x< 5; x += 2 ) {" : "For X = 0 to 4 Step 2");
        EXPECT_EQ(w.ex.listing.line(4), java ? "for (y= 1; y< 4; y++ ) {" : "For Y = 1 to 3");
        EXPECT_EQ(test::loopsOf(w.ex.state), loops);
        EXPECT_EQ(test::captionRows(w.ex.grid), captions);
        EXPECT_EQ(w.ex.state.ClickOrder, 2);
        EXPECT_EQ(w.random.consumed(), draws);
    }
}

} // namespace
} // namespace tessaly
