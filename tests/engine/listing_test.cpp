// SPDX-License-Identifier: MIT
#include "engine/listing.hpp"
#include "grid_fixture.hpp"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

using Lines = std::array<std::string, Listing::LineCount>;

const Lines AtCreation{"Dim X,Y,Order As Integer",
                       "Dim A(4,4) As Integer",
                       "Order = 1",
                       "For X = 0 to 4",
                       "For Y = 0 to 4",
                       "A(X,Y)=Order",
                       "Order = Order + 1",
                       "Next Y",
                       "Next X"};
// The BASIC menu item drops the blanks around the plus sign of the creation text.
const Lines Basic = [] {
    Lines lines = AtCreation;
    lines[6] = "Order = Order+1";
    return lines;
}();
const Lines Java{"int x, y, order = 1;",
                 "int a[ ][ ] = new int[5][5];",
                 "order = 1;",
                 "",
                 "",
                 "a[x][y] = order;",
                 "order++;",
                 "}",
                 "}"};

Lines withHeaders(Lines lines, const char* outer, const char* inner) {
    lines[3] = outer;
    lines[4] = inner;
    return lines;
}

TEST(Listing, LoadListsTheFirstProblemAmongTheCreationTexts) {
    EXPECT_EQ(Listing().lines(), AtCreation);
    test::ScriptedExercise w({0, .99f, .7f, .3f, .6f}); // 1..5/2 2..4
    EXPECT_EQ(w.ex.listing.lines(),
              withHeaders(AtCreation, "For X = 0 to 4 Step 2", "For Y = 1 to 3"));
}

// Choosing a language from its menu, even the one already checked, writes all nine lines.
struct Listed {
    const char* loops;
    bool java;
    const char* outer;
    const char* inner;
    friend void PrintTo(const Listed& l, std::ostream* os) { *os << l.loops << ' ' << l.java; }
};

class ListingTest : public ::testing::TestWithParam<Listed> {};

TEST_P(ListingTest, MenuChoiceWritesTheWholeFragment) {
    const Listed& p = GetParam();
    test::ScriptedExercise w;
    test::setLoops(w.ex.state, p.loops);
    p.java ? w.ex.mnu21_Click() : w.ex.mnu22_Click();
    EXPECT_EQ(w.ex.listing.lines(), withHeaders(p.java ? Java : Basic, p.outer, p.inner));
}

const std::vector<Listed> Listings{
    {"2..4 3..5", false, "For X = 1 to 3", "For Y = 2 to 4"},
    {"2..4 3..5", true, "for (x= 1; x< 4; x++ ) {", "for (y= 2; y< 5; y++ ) {"},
    {"1..5/2 2..5/2", false, "For X = 0 to 4 Step 2", "For Y = 1 to 4 Step 2"},
    {"1..5/2 2..5/2", true, "for (x= 0; x< 5; x += 2 ) {", "for (y= 1; y< 5; y += 2 ) {"},
    {"4..5 1..5/2", true, "for (x= 3; x< 5; x++ ) {", "for (y= 0; y< 5; y += 2 ) {"},
};

INSTANTIATE_TEST_SUITE_P(Listing, ListingTest, ::testing::ValuesIn(Listings));

// Only a step of 2 or more is written out; the comparison is signed.
TEST(Listing, OnlyRealStepsAreWritten) {
    for (std::int16_t step : {1, 0, -1}) {
        EXPECT_EQ(basicHeader('X', 3, 5, step), "For X = 2 to 4");
        EXPECT_EQ(javaHeader('Y', 3, 5, step), "for (y= 2; y< 5; y++ ) {");
    }
}

// A language added beside Java and BASIC is selected by its row; LanguageFlag
// keeps what the Java or BASIC entry (or the load) last set, and selects again
// once one of them is chosen.
TEST(Listing, AddedLanguagesLeaveLanguageFlagAsTheReferenceEntriesSetIt) {
    struct Choice {
        int entry;
        std::int16_t flag;
        std::int16_t added;
        const char* outer;
    };
    const std::vector<Choice> choices{{3, 0, 3, "for x in range(0, 5, 2):"},
                                      {1, -1, 0, "for (x= 0; x< 5; x += 2 ) {"},
                                      {5, -1, 5, "for (let x = 0; x < 5; x += 2) {"},
                                      {4, -1, 4, "for (int x = 0; x < 5; x += 2) {"},
                                      {2, 0, 0, "For X = 0 to 4 Step 2"}};
    test::ScriptedExercise w({0, .99f, .7f, .3f, .6f});
    for (const Choice& c : choices) {
        w.ex.chooseLanguage(c.entry);
        EXPECT_EQ(w.ex.state.LanguageFlag, c.flag) << c.entry;
        EXPECT_EQ(w.ex.state.AddedLanguage, c.added) << c.entry;
        EXPECT_EQ(w.ex.listing.line(3), c.outer) << c.entry;
    }
}

TEST(Listing, SwitchingLanguageKeepsProblemGridAndNumbers) {
    test::ScriptedExercise w({0, .99f, .7f, .3f, .6f});
    w.ex.lblCell_Click(7);
    const std::string loops = test::loopText(w.ex.state);
    const std::size_t draws = w.random.consumed();
    for (bool java : {true, false, true, false}) {
        java ? w.ex.mnu21_Click() : w.ex.mnu22_Click();
        EXPECT_EQ(w.ex.state.LanguageFlag, java ? -1 : 0);
        EXPECT_EQ(w.ex.menus.language(1).checked, java);
        EXPECT_EQ(w.ex.menus.language(2).checked, !java);
        EXPECT_EQ(w.ex.listing.line(3),
                  java ? "for (x= 0; x< 5; x += 2 ) {" : "For X = 0 to 4 Step 2");
        EXPECT_EQ(w.ex.listing.line(4), java ? "for (y= 1; y< 4; y++ ) {" : "For Y = 1 to 3");
        EXPECT_EQ(test::loopText(w.ex.state), loops);
        EXPECT_EQ(w.ex.grid.lblCell[7].caption, "1");
        EXPECT_EQ(w.ex.state.ClickOrder, 2);
        EXPECT_EQ(w.random.consumed(), draws);
    }
}

} // namespace
} // namespace tessaly
