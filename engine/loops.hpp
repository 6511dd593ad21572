// SPDX-License-Identifier: MIT
#pragma once

#include "exercise_state.hpp"
#include "grid_geometry.hpp"
#include "random_source.hpp"

#include <vector>

namespace tessaly {

// Whether a loop from start to end (internal) draws a step: only when it
// covers four values or more.
constexpr bool drawsStep(float start, float end) {
    return end > start + 2.0f;
}

// Draws the loops of a new problem. Reads FirstIndex (1 or 2); overwrites the
// six loop fields and nothing else. Takes 4, 5 or 6 draws: X's start, end,
// step (only when XEnd > XStart + 2), then the same for Y.
void InitializeLoops(ExerciseState& state, RandomSource& random);

// One loop of a fragment in internal indices: from start while at most end
// (the bound, which the loop need not reach) in steps of step.
struct Loop {
    int start = 1;
    int end = 1;
    int step = 1;

    // The last index that the loop visits: start..end, on the step.
    int last() const { return start + (end - start) / step * step; }
    bool operator==(const Loop&) const = default;
};

// Two nested loops that write 1, 2, 3 ... into the cells they visit; the loop
// over X is the outer one unless yOuter.
struct Fragment {
    Loop x;
    Loop y;
    bool yOuter = false;
    bool operator==(const Fragment&) const = default;
};

// Every loop that InitializeLoops can draw at some level, for X and Y alike:
// each start that a level allows, each end past it, with a step of 1 and,
// where one is drawn, of 2.
const std::vector<Loop>& drawableLoops();

// The fragment of the current problem, as the listing shows it: X outer.
Fragment currentFragment(const ExerciseState& state);

// The cell numbers (1..25) that the fragment visits, in visiting order.
// Precondition: bounds within 1..5 and positive steps (std::logic_error otherwise).
std::vector<int> visitedCells(const Fragment& fragment);

// The cell numbers (1..25) that the current loops visit, in visiting order.
// Precondition: whole bounds within 1..5 and positive steps.
std::vector<int> visitedCells(const ExerciseState& state);

} // namespace tessaly
