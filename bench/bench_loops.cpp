// SPDX-License-Identifier: MIT
#include "engine/exercise.hpp"
#include "engine/loops.hpp"

#include <benchmark/benchmark.h>

namespace {

// Drawing a problem happens on every "Next": it must stay far below a frame.
void drawProblem(benchmark::State& bench) {
    tessaly::TimeSeededRandom random;
    random.seed(1234.0f);
    tessaly::ExerciseState state;
    for (auto _ : bench) {
        tessaly::InitializeLoops(state, random);
        benchmark::DoNotOptimize(tessaly::visitedCells(state));
    }
}
BENCHMARK(drawProblem);

// A whole series of twenty test runs and next problems, the window's busiest path.
void wholeSeries(benchmark::State& bench) {
    for (auto _ : bench) {
        tessaly::TimeSeededRandom random;
        tessaly::Exercise exercise(random);
        exercise.Form_Load(1234.0f);
        exercise.cmdStart_Click();
        while (!exercise.seriesOver()) {
            exercise.cmdRun_Click();
        }
        benchmark::DoNotOptimize(exercise.lblScore);
    }
}
BENCHMARK(wholeSeries);

} // namespace
