// SPDX-License-Identifier: MIT
#include "engine/listing.hpp"
#include "engine/replay.hpp"
#include "grid_fixture.hpp"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

// X 0, 2, 4 (outer) and Y 1, 2: cells 2, 3, 12, 13, 22, 23. The student
// wrote 4 where 3 belongs and left 4's cell unmarked.
const char* const Loops = "1..5/2 2..3";
const test::Rows Answer{". 1 2 . .", ". . . . .", ". 4 . . .", ". . . . .", ". 5 6 . ."};

Replay replayOf(const test::Rows& marks) {
    ExerciseState state;
    test::setLoops(state, Loops);
    return Replay(state, test::marks(marks));
}

struct Step {
    int k;
    const char* fields; // "X,Y line header cell number mark"; empty for step 0
    const char* text;
    friend void PrintTo(const Step& s, std::ostream* os) { *os << "step " << s.k; }
};

class ReplayTest : public ::testing::TestWithParam<Step> {};

TEST_P(ReplayTest, StepShowsWhatTheLoopsWriteBesideTheStudentsMark) {
    const Step& s = GetParam();
    const Replay replay = replayOf(Answer);
    ASSERT_EQ(replay.size(), 6);
    EXPECT_EQ(stepText(replay, s.k), s.text);
    if (s.k == 0) {
        EXPECT_EQ(replay.line(0), Listing::OuterHeader);
        return;
    }
    const ReplayStep& r = replay.step(s.k);
    EXPECT_EQ(std::to_string(r.x) + "," + std::to_string(r.y) + " " + std::to_string(r.line) + " " +
                  std::to_string(r.header) + " " + std::to_string(r.cell) + " " +
                  std::to_string(r.number) + " " + std::to_string(r.mark),
              s.fields);
    EXPECT_EQ(replay.line(s.k), r.line);
}

INSTANTIATE_TEST_SUITE_P(
    Replay, ReplayTest,
    ::testing::Values(
        Step{0, "", "Step 0 of 6: the loops have not written anything yet."},
        Step{1, "0,1 5 3 2 1 1",
             "Step 1 of 6: X = 0, Y = 1. The loops write 1 in row 0, column 1; you wrote 1 there."},
        Step{3, "2,1 5 3 12 3 4",
             "Step 3 of 6: X = 2, Y = 1. The loops write 3 in row 2, column 1; you wrote 4 there."},
        Step{4, "2,2 5 4 13 4 0",
             "Step 4 of 6: X = 2, Y = 2. The loops write 4 in row 2, column 2; you did not mark "
             "it."}));

TEST(Replay, FirstMistakeIsTheFirstStepNotNumberedRight) {
    EXPECT_EQ(replayOf(Answer).firstMistake(), 3);
    EXPECT_EQ(
        replayOf({". 1 2 . .", ". . . . .", ". 3 4 . .", ". . . . .", ". 5 6 . ."}).firstMistake(),
        0);
    EXPECT_EQ(replayOf(test::Blank).firstMistake(), 1);
    EXPECT_THROW(replayOf(Answer).step(7), std::out_of_range);
}

// "." nothing written, else the number and G(reen) or R(ed); "/m" the student's mark.
test::Rows picture(const ReplayGrid& grid) {
    return test::rows(
        [&](int k) {
            const ReplayCell& c = grid[static_cast<std::size_t>(k)];
            const std::string written =
                c.number == 0 ? "."
                              : std::to_string(c.number) + (c.color == colors::Green ? "G" : "R");
            return written + (c.mark != 0 ? "/" + std::to_string(c.mark) : "");
        },
        " ");
}

TEST(Replay, GridShowsTheWritesUpToTheStepBesideTheStudentsMarks) {
    const Replay replay = replayOf(Answer);
    EXPECT_EQ(picture(replay.gridAt(3)), (test::Rows{". 1G/1 2G/2 . .", ". . . . .", ". 3R/4 . . .",
                                                     ". . . . .", ". ./5 ./6 . ."}));
    EXPECT_EQ(picture(replay.gridAt(6))[2], ". 3R/4 4R . .");
    EXPECT_THROW(replay.gridAt(7), std::out_of_range);
}

} // namespace
} // namespace tessaly
