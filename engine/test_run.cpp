// SPDX-License-Identifier: MIT
#include "exercise.hpp"

#include "loops.hpp"
#include "number_text.hpp"

#include <cmath>

namespace tessaly {

void Exercise::cmdRun_Click() {
    if (state.TestPending != 0) {
        testRun();
    } else {
        nextProblem();
    }
    state.TestPending = static_cast<std::int16_t>(~state.TestPending);
}

bool Exercise::seriesOver() const {
    return state.RightCount + state.WrongCount >= state.ProblemLimit;
}

void Exercise::testRun() {
    cmdRun = say(Next);
    keepTestedMarks(grid.marks()); // before the replay writes its verdicts over them
    int visited = 0;
    const int rightCells = replayLoops(visited);
    const int strayMarks = sweepStrayMarks();
    const bool wrong = rightCells < visited || strayMarks > 0;
    score(wrong);
    describeVerdict(wrong, rightCells, visited, strayMarks);
    if (state.RightCount + state.WrongCount == state.ProblemLimit) {
        endSeries();
    }
}

// Marks every visited cell green (the student's caption is the expected number)
// or red, and shows the expected number there. Returns how many were right;
// `visited` is how many the loops visit.
int Exercise::replayLoops(int& visited) {
    int rightCells = 0;
    std::int16_t expected = 1;
    const std::vector<int> cells = visitedCells(state);
    for (int cell : cells) {
        const int x = cellRow(cell);
        const int y = cellColumn(cell);
        const bool right = grid.lblCell[cell].caption == numberText(expected);
        grid.aset(x, y, expected, right ? colors::Green : colors::Red);
        rightCells += right ? 1 : 0;
        ++expected;
    }
    visited = static_cast<int>(cells.size());
    return rightCells;
}

// Turns every mark the loops never reached into "X" on orange. Returns how many.
int Exercise::sweepStrayMarks() {
    int found = 0;
    for (int x = 1; x <= GridSide; ++x) {
        for (int y = 1; y <= GridSide; ++y) {
            if (grid.lblCell[cellIndex(x, y)].backColor == colors::Yellow) {
                grid.aset(x, y, -1, colors::Orange);
                ++found;
            }
        }
    }
    return found;
}

// The totals are read back from their captions, raised, and written back with the score.
void Exercise::score(bool wrong) {
    state.WrongCount = static_cast<std::int16_t>(std::lround(textToNumber(lblWrong)));
    state.RightCount = textToNumber(lblRight);
    if (wrong) {
        ++state.WrongCount;
    } else {
        state.RightCount += 1;
    }
    const double percent = (100.0 * state.RightCount) / (state.RightCount + state.WrongCount);
    lblWrong = numberText(state.WrongCount);
    lblRight = numberText(state.RightCount);
    lblScore = numberText(std::floor(percent)) + "%";
}

// "Problem 3 wrong: 7 of 9 cells right, 1 stray mark. Right 2, Wrong 1, Score 66%"
void Exercise::describeVerdict(bool wrong, int rightCells, int visited, int strayMarks) {
    static constexpr Phrase Wrong = TESSALY_PLURAL(
        "Exercise",
        "Problem %1 wrong: %2 of %3 cells right, %n stray marks. Right %4, Wrong %5, Score %6",
        "Problem %1 wrong: %2 of %3 cells right, %n stray mark. Right %4, Wrong %5, Score %6");
    static constexpr Phrase Right = TESSALY_PLURAL(
        "Exercise",
        "Problem %1 right: %2 of %3 cells right, %n stray marks. Right %4, Wrong %5, Score %6",
        "Problem %1 right: %2 of %3 cells right, %n stray mark. Right %4, Wrong %5, Score %6");
    const double problem = state.RightCount + state.WrongCount;
    verdict = sayCount(wrong ? Wrong : Right, strayMarks,
                       {numberText(problem), numberText(rightCells), numberText(visited), lblRight,
                        lblWrong, lblScore});
}

std::string Exercise::problemAnnouncement() const {
    return say(TESSALY_TEXT("Exercise", "Problem %1 of %2. %3. %4"),
               {lblProbNum, lblProbLimit, listing.line(Listing::OuterHeader),
                listing.line(Listing::InnerHeader)});
}

std::string Exercise::testAnnouncement() const {
    if (!seriesOver()) {
        return verdict;
    }
    return say(TESSALY_TEXT("Exercise", "%1. The series is over. Print prints the result sheet."),
               {verdict});
}

void Exercise::endSeries() {
    fraProgramVisible = false;
    backColor = colors::White;
    lblScoreVisible = true;
    fraArrayVisible = false;
    cmdPrintVisible = true;
}

void Exercise::nextProblem() {
    cmdRun = say(TestNow);
    verdict.clear();
    state.ClickOrder = 1;
    ResetArray();
    InitializeLoops();
    DisplayProgram();
    lblProbNum = numberText(static_cast<double>(state.WrongCount) + state.RightCount + 1.0);
}

} // namespace tessaly
