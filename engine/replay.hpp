// SPDX-License-Identifier: MIT
#pragma once

#include "answer_grid.hpp"
#include "colors.hpp"
#include "exercise_state.hpp"

#include <array>
#include <string>
#include <vector>

namespace tessaly {

// One write of the current problem's loops, as the student steps through them.
struct ReplayStep {
    int x = 0;      // shown index of X, 0..4
    int y = 0;      // shown index of Y, 0..4
    int line = 0;   // the listing line executing: Listing::Store
    int header = 0; // the header that gave this step its new value: Listing::OuterHeader
                    // on the first write of each pass of the outer loop, else InnerHeader
    int cell = 0;   // lblCell index, 1..25
    int number = 0; // the order number that the loops write there
    int mark = 0;   // the student's number in that cell at the test, 0 if unmarked

    bool right() const { return mark == number; }
};

// One cell of the replay's grid at a given step.
struct ReplayCell {
    int number = 0;              // what the loops have written there by then; 0 if nothing yet
    int mark = 0;                // the student's number there at the test; 0 if unmarked
    Color color = colors::White; // green where the written number is the student's, red where
                                 // not, white while nothing is written
};
using ReplayGrid = std::array<ReplayCell, CellCount + 1>; // element k for cell k; 0 unused

// The writes of a problem in order: step k (1..size()) is one write; step 0 is
// the moment before the first, when the outer header is about to run.
class Replay {
public:
    Replay(const ExerciseState& state, const Marks& marks);

    int size() const { return static_cast<int>(steps_.size()); }
    // Step k, 1..size(); throws std::out_of_range otherwise.
    const ReplayStep& step(int k) const;
    const std::vector<ReplayStep>& steps() const { return steps_; }
    // The listing line executing at step k, 0..size().
    int line(int k) const;
    // The first step whose cell the student numbered differently, or 0 when
    // every cell that the loops write holds the student's right number.
    int firstMistake() const;
    // The 25 cells after step k, 0..size() (std::out_of_range otherwise).
    ReplayGrid gridAt(int k) const;

private:
    std::vector<ReplayStep> steps_;
    Marks marks_;
};

// "Step 4 of 9", k in 0..n.
std::string stepCounterText(int k, int n);

// "X = 1, Y = 2", in shown indices; at step 0 of a replay, before X and Y
// have values, empty.
std::string variablesText(const ReplayStep& step);
std::string variablesText(const Replay& replay, int k);

// What step k (0..replay.size()) tells a student who cannot see it:
// "Step 4 of 9: X = 1, Y = 2. The loops write 4 in row 1, column 2; you wrote 5 there."
std::string stepText(const Replay& replay, int k);

} // namespace tessaly
