// SPDX-License-Identifier: MIT
#include "replay.hpp"

#include "listing.hpp"
#include "loops.hpp"
#include "number_text.hpp"
#include "phrase.hpp"

#include <stdexcept>

namespace tessaly {

Replay::Replay(const ExerciseState& state, const Marks& marks) : marks_(marks) {
    int number = 1;
    for (int cell : visitedCells(state)) {
        const int x = shownIndex(cellRow(cell));
        const bool newPass = steps_.empty() || steps_.back().x != x;
        steps_.push_back({x, shownIndex(cellColumn(cell)), Listing::Store,
                          newPass ? Listing::OuterHeader : Listing::InnerHeader, cell, number++,
                          marks.at(static_cast<std::size_t>(cell))});
    }
}

const ReplayStep& Replay::step(int k) const {
    if (k < 1 || k > size()) {
        throw std::out_of_range("no replay step " + std::to_string(k));
    }
    return steps_[static_cast<std::size_t>(k - 1)];
}

int Replay::line(int k) const {
    return k == 0 ? Listing::OuterHeader : step(k).line;
}

int Replay::firstMistake() const {
    for (int k = 1; k <= size(); ++k) {
        if (!step(k).right()) {
            return k;
        }
    }
    return 0;
}

ReplayGrid Replay::gridAt(int k) const {
    if (k < 0 || k > size()) {
        throw std::out_of_range("no replay step " + std::to_string(k));
    }
    ReplayGrid grid{};
    for (int cell = 1; cell <= CellCount; ++cell) {
        grid[static_cast<std::size_t>(cell)].mark = marks_[static_cast<std::size_t>(cell)];
    }
    for (int done = 1; done <= k; ++done) {
        const ReplayStep& s = step(done);
        ReplayCell& cell = grid[static_cast<std::size_t>(s.cell)];
        cell.number = s.number;
        cell.color = s.right() ? colors::Green : colors::Red;
    }
    return grid;
}

std::string stepCounterText(int k, int n) {
    return say(TESSALY_TEXT("Replay", "Step %1 of %2"), {numberText(k), numberText(n)});
}

std::string variablesText(const ReplayStep& step) {
    return "X = " + numberText(step.x) + ", Y = " + numberText(step.y);
}

std::string variablesText(const Replay& replay, int k) {
    return k == 0 ? std::string() : variablesText(replay.step(k));
}

// X and Y are the row and the column of the cell written, in shown indices.
std::string stepText(const Replay& replay, int k) {
    const std::string step = numberText(k);
    const std::string steps = numberText(replay.size());
    if (k == 0) {
        return say(
            TESSALY_TEXT("Replay", "Step %1 of %2: the loops have not written anything yet."),
            {step, steps});
    }
    const ReplayStep& s = replay.step(k);
    const std::string x = numberText(s.x);
    const std::string y = numberText(s.y);
    if (s.mark == 0) {
        return say(TESSALY_TEXT("Replay", "Step %1 of %2: X = %3, Y = %4. The loops write %5 in "
                                          "row %3, column %4; you did not mark it."),
                   {step, steps, x, y, numberText(s.number)});
    }
    return say(TESSALY_TEXT("Replay", "Step %1 of %2: X = %3, Y = %4. The loops write %5 in "
                                      "row %3, column %4; you wrote %6 there."),
               {step, steps, x, y, numberText(s.number), numberText(s.mark)});
}

} // namespace tessaly
