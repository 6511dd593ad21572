// SPDX-License-Identifier: MIT
#include "loops.hpp"

#include <cmath>
#include <stdexcept>

namespace tessaly {

namespace {

struct Loop {
    float start;
    float end;
    std::int16_t step;
};

// One loop's start, end and step, in single precision throughout.
Loop drawLoop(std::int16_t firstIndex, RandomSource& random) {
    Loop loop{};
    const std::int16_t starts = static_cast<std::int16_t>(GridSide - firstIndex);
    float r = random.next();
    loop.start = std::floor(r * static_cast<float>(starts)) + static_cast<float>(firstIndex);
    r = random.next();
    loop.end = std::floor(r * (float(GridSide) - loop.start)) + loop.start + 1.0f;
    loop.step = 1;
    if (loop.end > loop.start + 2.0f) {
        r = random.next();
        loop.step = static_cast<std::int16_t>(std::floor(r * 2.0f) + 1.0f);
    }
    return loop;
}

} // namespace

void InitializeLoops(ExerciseState& state, RandomSource& random) {
    const Loop x = drawLoop(state.FirstIndex, random);
    state.XStart = x.start;
    state.XEnd = x.end;
    state.XStep = x.step;
    const Loop y = drawLoop(state.FirstIndex, random);
    state.YStart = y.start;
    state.YEnd = y.end;
    state.YStep = y.step;
}

std::vector<int> visitedCells(const ExerciseState& state) {
    if (state.XStep < 1 || state.YStep < 1) {
        throw std::logic_error("loop steps must be positive");
    }
    std::vector<int> cells;
    const int xEnd = static_cast<int>(state.XEnd);
    const int yEnd = static_cast<int>(state.YEnd);
    for (int x = static_cast<int>(state.XStart); x <= xEnd; x += state.XStep) {
        for (int y = static_cast<int>(state.YStart); y <= yEnd; y += state.YStep) {
            cells.push_back(cellIndex(x, y));
        }
    }
    return cells;
}

} // namespace tessaly
