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
    cmdRun = "Next";
    const bool wrongCell = replayLoops();
    const bool strayMark = sweepStrayMarks();
    score(wrongCell || strayMark);
    if (state.RightCount + state.WrongCount == state.ProblemLimit) {
        endSeries();
    }
}

// Marks every visited cell green (the student's caption is the expected number)
// or red, and shows the expected number there. True when any cell was wrong.
bool Exercise::replayLoops() {
    bool wrong = false;
    std::int16_t expected = 1;
    for (int cell : visitedCells(state)) {
        const int x = cellRow(cell);
        const int y = cellColumn(cell);
        const bool right = grid.lblCell[cell].caption == numberText(expected);
        grid.aset(x, y, expected, right ? colors::Green : colors::Red);
        wrong = wrong || !right;
        ++expected;
    }
    return wrong;
}

// Turns every mark the loops never reached into "X" on orange. True when any was found.
bool Exercise::sweepStrayMarks() {
    bool found = false;
    for (int x = 1; x <= GridSide; ++x) {
        for (int y = 1; y <= GridSide; ++y) {
            if (grid.lblCell[cellIndex(x, y)].backColor == colors::Yellow) {
                grid.aset(x, y, -1, colors::Orange);
                found = true;
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

void Exercise::endSeries() {
    fraProgramVisible = false;
    backColor = colors::White;
    lblScoreVisible = true;
    fraArrayVisible = false;
    cmdPrintVisible = true;
}

void Exercise::nextProblem() {
    cmdRun = "Test Now!";
    state.ClickOrder = 1;
    ResetArray();
    InitializeLoops();
    DisplayProgram();
    lblProbNum = numberText(static_cast<double>(state.WrongCount) + state.RightCount + 1.0);
}

} // namespace tessaly
