// SPDX-License-Identifier: MIT
#include "loops.hpp"

#include "levels.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace tessaly {

namespace {

struct DrawnLoop {
    float start;
    float end;
    std::int16_t step;
};

// One loop's start, end and step, in single precision throughout.
DrawnLoop drawLoop(std::int16_t firstIndex, RandomSource& random) {
    DrawnLoop loop{};
    const std::int16_t starts = static_cast<std::int16_t>(GridSide - firstIndex);
    float r = random.next();
    loop.start = std::floor(r * static_cast<float>(starts)) + static_cast<float>(firstIndex);
    r = random.next();
    loop.end = std::floor(r * (float(GridSide) - loop.start)) + loop.start + 1.0f;
    loop.step = 1;
    if (drawsStep(loop.start, loop.end)) {
        r = random.next();
        loop.step = static_cast<std::int16_t>(std::floor(r * 2.0f) + 1.0f);
    }
    return loop;
}

} // namespace

void InitializeLoops(ExerciseState& state, RandomSource& random) {
    const DrawnLoop x = drawLoop(state.FirstIndex, random);
    state.XStart = x.start;
    state.XEnd = x.end;
    state.XStep = x.step;
    const DrawnLoop y = drawLoop(state.FirstIndex, random);
    state.YStart = y.start;
    state.YEnd = y.end;
    state.YStep = y.step;
}

const std::vector<Loop>& drawableLoops() {
    static const std::vector<Loop> loops = [] {
        int firstIndex = GridSide;
        for (const Level& row : Levels) {
            firstIndex = std::min(firstIndex, static_cast<int>(row.firstIndex));
        }
        std::vector<Loop> all;
        for (int start = firstIndex; start < GridSide; ++start) {
            for (int end = start + 1; end <= GridSide; ++end) {
                all.push_back({start, end, 1});
                if (drawsStep(static_cast<float>(start), static_cast<float>(end))) {
                    all.push_back({start, end, 2});
                }
            }
        }
        return all;
    }();
    return loops;
}

Fragment currentFragment(const ExerciseState& state) {
    const auto whole = [](float bound) { return static_cast<int>(bound); };
    return {{whole(state.XStart), whole(state.XEnd), state.XStep},
            {whole(state.YStart), whole(state.YEnd), state.YStep}};
}

std::vector<int> visitedCells(const Fragment& fragment) {
    if (fragment.x.step < 1 || fragment.y.step < 1) {
        throw std::logic_error("loop steps must be positive");
    }
    const Loop& outer = fragment.yOuter ? fragment.y : fragment.x;
    const Loop& inner = fragment.yOuter ? fragment.x : fragment.y;
    std::vector<int> cells;
    for (int o = outer.start; o <= outer.end; o += outer.step) {
        for (int i = inner.start; i <= inner.end; i += inner.step) {
            cells.push_back(fragment.yOuter ? cellIndex(i, o) : cellIndex(o, i));
        }
    }
    return cells;
}

std::vector<int> visitedCells(const ExerciseState& state) {
    return visitedCells(currentFragment(state));
}

} // namespace tessaly
