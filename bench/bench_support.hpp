// SPDX-License-Identifier: MIT
#pragma once

// What the window benchmarks share: a repeatable program, painting what is
// due at once, timing a step together with its paint, and a main() that runs
// Qt offscreen.

#include "ui/form/look.hpp"
#include "ui/form/qt_convert.hpp"
#include "ui/program.hpp"

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tessaly::bench {

// The program's own generator with a fixed seed, so every run draws alike.
class FixedSeedRandom : public TimeSeededRandom {
public:
    void seed(float) override { TimeSeededRandom::seed(4321.0f); }
};

inline std::unique_ptr<Program> startedProgram() {
    auto program = std::make_unique<Program>(std::make_unique<FixedSeedRandom>());
    program->start();
    return program;
}

// Signs in with all four boxes filled; the sign-in window is gone afterwards.
inline void signIn(Program& program) {
    frmSignIn& window = *program.signIn();
    for (QLineEdit* box : {window.txtPeriod, window.txtID, window.txtName, window.txtTeacher}) {
        box->setText("Bench");
    }
    window.cmdOk_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Delivers what is pending (expose, layout) and paints every dirty region of
// every window now, as the event loop would on its next pass.
inline void paintNow() {
    QCoreApplication::processEvents();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            QEvent update(QEvent::UpdateRequest);
            QCoreApplication::sendEvent(window, &update);
        }
    }
}

// One step of a benchmark's cycle: timed steps are what the benchmark
// measures (with their paint), the others bring the windows to where the
// next timed step starts.
struct Step {
    std::function<void()> act;
    bool timed = true;
};

// A timed step and its paint. Kept out of line so that an instruction count
// can be taken of it alone (valgrind --toggle-collect, see bench/run.sh).
[[gnu::noinline]] inline void measuredStep(const Step& step) {
    step.act();
    paintNow();
}

// Runs `steps` round and round; each iteration is one timed step.
inline void runSteps(benchmark::State& state, const std::vector<Step>& steps) {
    std::size_t next = 0;
    for (auto _ : state) {
        for (;;) {
            const Step& step = steps[next];
            next = (next + 1) % steps.size();
            if (!step.timed) {
                step.act();
                paintNow();
                continue;
            }
            const auto start = std::chrono::steady_clock::now();
            measuredStep(step);
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
            state.SetIterationTime(took.count());
            break;
        }
    }
}

// The offscreen platform says on every window that it cannot pass size hints
// on; nothing else that Qt says is dropped.
inline void quietOffscreen(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (!message.contains("propagateSizeHints")) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
    if (type == QtFatalMsg) {
        std::abort();
    }
}

// "--iterations=N" runs every benchmark exactly N times, for instruction
// counts that compare like with like; 0 when not given. Removes the argument.
inline int fixedIterations(int& argc, char** argv) {
    int iterations = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--iterations=", 13) == 0) {
            iterations = std::atoi(argv[i] + 13);
            std::copy(argv + i + 1, argv + argc, argv + i);
            --argc;
            break;
        }
    }
    return iterations;
}

// Registers `run(state, args...)` as "name/side", timed by hand.
template <typename... Args>
void registerTimed(const std::string& name, int iterations, void (*run)(benchmark::State&, Args...),
                   Args... args) {
    benchmark::internal::Benchmark* bench =
        benchmark::RegisterBenchmark(name.c_str(), run, args...);
    bench->UseManualTime()->Unit(benchmark::kMicrosecond);
    if (iterations > 0) {
        bench->Iterations(iterations);
    }
}

// Runs the registered benchmarks under the offscreen platform.
inline int runBenchmarks(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietOffscreen);
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    applyTessalyLook(app);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace tessaly::bench
