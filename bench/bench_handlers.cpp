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
    bool inExplain = false; // the steps change the Explain window alone

    frmArray& main() const { return program->mainWindow(); }
    std::vector<QWidget*> windows() const {
        if (inExplain) {
            return {main().explainWindow()}; // its controls share the grid's names
        }
        std::vector<QWidget*> list{&main()};
        if (program->signIn() != nullptr) {
            list.push_back(program->signIn());
        }
        return list;
    }
};

using SceneMaker = std::function<void(Scene&)>;

// The bare windows as they are after the sign-in: the exercise window alone.
void signInBare(BareWindows& bare) {
    bare.signIn().hide();
    bare.exercise().setEnabled(true);
}

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

// A problem tested with every cell marked in reading order, to explain.
void tested(Scene& scene) {
    restart(scene, true);
    markAll(scene);
    scene.main().cmdRun_Click();
    paintNow();
}

void closeExplain(Scene& scene) {
    scene.main().explainWindow()->cmdClose_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void explainOpen(Scene& scene) {
    tested(scene);
    scene.steps = {{[&scene] { scene.main().mnu40_Click(); }},
                   {[&scene] { closeExplain(scene); }, false}};
}

// A step forward and a step back, from the middle of the replay.
void explainStep(Scene& scene) {
    tested(scene);
    scene.main().mnu40_Click();
    frmExplain& explain = *scene.main().explainWindow();
    explain.showStep(explain.replay().size() / 2);
    paintNow();
    scene.inExplain = true;
    scene.steps = {{[&explain] { explain.fraReplay_Step(SteppingFrame::Move::Next); }},
                   {[&explain] { explain.fraReplay_Step(SteppingFrame::Move::Previous); }}};
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
    bool inExplain = false;
    {
        Scene scene;
        make(scene);
        inExplain = scene.inExplain;
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
    std::unique_ptr<QDialog> explain;
    std::vector<QWidget*> windows{&bare.exercise(), &bare.signIn()};
    if (inExplain) {
        signInBare(bare);
        explain = bare.explainWindow();
        explain->show();
        windows = {explain.get()};
    }
    paintNow();
    std::vector<Step> steps;
    for (const auto& [before, after] : recorded) {
        steps.push_back({[undo = changes(after, before, windows)] { apply(undo); }, false});
        steps.push_back({[redo = changes(before, after, windows)] { apply(redo); }});
    }
    runSteps(state, steps);
}

// The floor of opening Explain: its widgets made from the layout's rows and
// shown. It leaves out what the window writes into them (the diagnosis, the
// listing, the student's numbers), so it is lower than a true floor.
void explainOpenFloor(benchmark::State& state, SceneMaker) {
    BareWindows bare;
    bare.show();
    signInBare(bare);
    paintNow();
    std::unique_ptr<QDialog> explain;
    runSteps(state, {{[&] { explain = bare.explainWindow(), explain->show(); }},
                     {[&] { explain.reset(); }, false}});
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

using FloorRunner = void (*)(benchmark::State&, SceneMaker);

void registerPair(const char* name, int iterations, SceneMaker make, FloorRunner floor = runFloor) {
    const std::string base(name);
    registerTimed(base + "/tessaly", iterations, runProgram, make);
    registerTimed(base + "/floor", iterations, floor, make);
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
    registerPair("explainOpen", iterations, explainOpen, explainOpenFloor);
    registerPair("explainStep", iterations, explainStep);
    registerKeys("signInKey", iterations, 8);
    // One short of the box's limit, so that the keystroke is taken.
    registerKeys("signInKeyFull", iterations, MaxEntryLength - 1);
    return runBenchmarks(argc, argv);
}
