// SPDX-License-Identifier: MIT
#pragma once

#include "answer_grid.hpp"
#include "exercise_state.hpp"

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

private:
    std::vector<ReplayStep> steps_;
};

// "Step 4 of 9", k in 0..n.
std::string stepCounterText(int k, int n);

// "X = 1, Y = 2", in shown indices.
std::string variablesText(const ReplayStep& step);

// What step k (0..replay.size()) tells a student who cannot see it:
// "Step 4 of 9: X = 1, Y = 2. The loops write 4 in row 1, column 2; you wrote 5 there."
std::string stepText(const Replay& replay, int k);

} // namespace tessaly
