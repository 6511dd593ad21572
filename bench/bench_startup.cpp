// SPDX-License-Identifier: MIT
// Start-up in one process: both windows created, shown and painted, Tessaly
// against the bare Qt windows with the same widgets. Fonts and styles are
// warm after the first iteration; the whole process, library loading
// included, is measured by bench/startup.sh.

#include "bare_windows.hpp"
#include "bench_support.hpp"

using namespace tessaly::bench;

namespace {

// Both windows created, shown and painted; destroyed untimed.
template <typename Windows>
void timeStartUp(benchmark::State& state, std::unique_ptr<Windows> (*start)()) {
    std::unique_ptr<Windows> windows;
    const std::vector<Step> steps = {{[&] { windows = start(); }},
                                     {[&] {
                                          windows.reset();
                                          QCoreApplication::sendPostedEvents(
                                              nullptr, QEvent::DeferredDelete);
                                      },
                                      false}};
    runSteps(state, steps);
}

std::unique_ptr<BareWindows> startedBare() {
    auto windows = std::make_unique<BareWindows>();
    windows->show();
    return windows;
}

} // namespace

int main(int argc, char** argv) {
    const int iterations = fixedIterations(argc, argv);
    registerTimed("startup/tessaly", iterations, timeStartUp<tessaly::Program>, &startedProgram);
    registerTimed("startup/floor", iterations, timeStartUp<BareWindows>, &startedBare);
    return runBenchmarks(argc, argv);
}
