// SPDX-License-Identifier: MIT
// Each handler of the exercise with its render and paint, side by side with
// its floor: the same widget changes made by plain Qt calls on the bare
// windows, and painted alike. The floor of a handler is recorded from the
// program itself: the widgets' states before and after each timed step.

#include "bare_windows.hpp"
#include "bench_support.hpp"
#include "widget_diff.hpp"

#include <QTest>

using namespace tessaly;
using namespace tessaly::bench;

namespace {

// A running program and the cycle of steps that exercises one handler. A
// step may start the program afresh (a series has only twenty problems).
struct Scene {
    std::unique_ptr<Program> program;
    std::vector<Step> steps;

    frmArray& main() const { return program->mainWindow(); }
    std::vector<QWidget*> windows() const {
        std::vector<QWidget*> list{&main()};
        if (program->signIn() != nullptr) {
            list.push_back(program->signIn());
        }
        return list;
    }
};

using SceneMaker = std::function<void(Scene&)>;

void restart(Scene& scene, bool started) {
    scene.program.reset();
    scene.program = startedProgram();
    signIn(*scene.program);
    if (started) {
        scene.main().cmdStart_Click();
    }
    paintNow();
}

// The problem in hand will end the series when tested: start again.
void restartBeforeLastProblem(Scene& scene) {
    const ExerciseState& state = scene.main().exercise().state;
    if (state.RightCount + state.WrongCount + 1 >= state.ProblemLimit) {
        restart(scene, true);
    }
}

void cellClicks(Scene& scene) {
    restart(scene, true);
    const auto click = [&scene] { scene.main().lblCell_Click(13); };
    scene.steps = {{click}, {click}};
}

void markAll(Scene& scene) {
    restartBeforeLastProblem(scene);
    for (int k = 1; k <= CellCount; ++k) {
        scene.main().lblCell_Click(k);
    }
}

void testNow(Scene& scene) {
    restart(scene, true);
    scene.steps = {{[&scene] { markAll(scene); }, false},
                   {[&scene] { scene.main().cmdRun_Click(); }},
                   {[&scene] { scene.main().cmdRun_Click(); }, false}};
}

void next(Scene& scene) {
    restart(scene, true);
    scene.steps = {{[&scene] { markAll(scene), scene.main().cmdRun_Click(); }, false},
                   {[&scene] { scene.main().cmdRun_Click(); }}};
}

void levelChange(Scene& scene) {
    restart(scene, false);
    scene.steps = {{[&scene] { scene.main().chooseLevel(1); }},
                   {[&scene] { scene.main().chooseLevel(2); }}};
}

void languageChange(Scene& scene) {
    restart(scene, false);
    scene.steps = {{[&scene] { scene.main().mnu21_Click(); }},
                   {[&scene] { scene.main().mnu22_Click(); }}};
}

// Program side: the handlers themselves.
void runProgram(benchmark::State& state, SceneMaker make) {
    Scene scene;
    make(scene);
    runSteps(state, scene.steps);
}

// Floor side: one cycle of the program recorded as widget changes, then those
// changes made on the bare windows. Each timed step is preceded by its
// inverse, untimed, so that every timed change is a real one.
void runFloor(benchmark::State& state, SceneMaker make) {
    std::vector<std::pair<Snapshot, Snapshot>> recorded;
    {
        Scene scene;
        make(scene);
        for (const Step& step : scene.steps) {
            const Snapshot before = snapshot(scene.windows());
            step.act();
            paintNow();
            if (step.timed) {
                recorded.emplace_back(before, snapshot(scene.windows()));
            }
        }
    }
    BareWindows bare;
    bare.show();
    paintNow();
    const std::vector<QWidget*> windows{&bare.exercise(), &bare.signIn()};
    std::vector<Step> steps;
    for (const auto& [before, after] : recorded) {
        steps.push_back({[undo = changes(after, before, windows)] { apply(undo); }, false});
        steps.push_back({[redo = changes(before, after, windows)] { apply(redo); }});
    }
    runSteps(state, steps);
}

// A keystroke into the name box and a Backspace, with `filled` characters
// already there: the program mirrors the box into the exercise window.
void keystrokes(benchmark::State& state, QLineEdit& box, int filled) {
    box.setText(QString(filled, QChar('k')));
    box.setFocus();
    paintNow();
    runSteps(state, {{[&box] { QTest::keyClick(&box, Qt::Key_A); }},
                     {[&box] { QTest::keyClick(&box, Qt::Key_Backspace); }}});
}

void keysProgram(benchmark::State& state, int filled) {
    std::unique_ptr<Program> program = startedProgram();
    keystrokes(state, *program->signIn()->txtName, filled);
}

void keysFloor(benchmark::State& state, int filled) {
    BareWindows bare;
    bare.show();
    keystrokes(state, *bare.signIn().findChild<QLineEdit*>("txtName"), filled);
}

void registerPair(const char* name, int iterations, SceneMaker make) {
    const std::string base(name);
    registerTimed(base + "/tessaly", iterations, runProgram, make);
    registerTimed(base + "/floor", iterations, runFloor, make);
}

void registerKeys(const char* name, int iterations, int filled) {
    const std::string base(name);
    registerTimed(base + "/tessaly", iterations, keysProgram, filled);
    registerTimed(base + "/floor", iterations, keysFloor, filled);
}

} // namespace

int main(int argc, char** argv) {
    const int iterations = fixedIterations(argc, argv);
    registerPair("cellClick", iterations, cellClicks);
    registerPair("testNow25", iterations, testNow);
    registerPair("next", iterations, next);
    registerPair("levelChange", iterations, levelChange);
    registerPair("languageChange", iterations, languageChange);
    registerKeys("signInKey", iterations, 8);
    // One short of the box's limit, so that the keystroke is taken.
    registerKeys("signInKeyFull", iterations, MaxEntryLength - 1);
    return runBenchmarks(argc, argv);
}
