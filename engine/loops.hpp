// SPDX-License-Identifier: MIT
#pragma once

#include "exercise_state.hpp"
#include "grid_geometry.hpp"
#include "random_source.hpp"

#include <vector>

namespace tessaly {

// Draws the loops of a new problem. Reads FirstIndex (1 or 2); overwrites the
// six loop fields and nothing else. Takes 4, 5 or 6 draws: X's start, end,
// step (only when XEnd > XStart + 2), then the same for Y.
void InitializeLoops(ExerciseState& state, RandomSource& random);

// The cell numbers (1..25) that the current loops visit, in visiting order.
// Precondition: whole bounds within 1..5 and positive steps.
std::vector<int> visitedCells(const ExerciseState& state);

} // namespace tessaly
