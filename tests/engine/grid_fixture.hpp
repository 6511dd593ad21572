#pragma once

// Helpers shared by the engine tests: 25-cell expectations as five short rows,
// an exercise window loaded with scripted draws, and a full picture of a window
// for "nothing changed" checks.

#include "exercise.hpp"
#include "loops.hpp"

#include <array>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace tessaly::test {

using Rows = std::vector<std::string>;

// Five rows of five, one character per cell from `mark(index)`.
template <typename Mark> Rows rows(Mark mark) {
    Rows out(5);
    for (int k = 1; k <= AnswerGrid::CellCount; ++k) {
        out[(k - 1) / 5] += mark(k);
    }
    return out;
}

// '.' white, 'Y' yellow, 'G' green, 'R' red, 'O' orange, '?' anything else.
inline Rows colorRows(const AnswerGrid& grid) {
    return rows([&](int k) {
        switch (grid.lblCell[k].backColor) {
        case colors::White:
            return '.';
        case colors::Yellow:
            return 'Y';
        case colors::Green:
            return 'G';
        case colors::Red:
            return 'R';
        case colors::Orange:
            return 'O';
        default:
            return '?';
        }
    });
}

// '#' shown, '.' hidden.
inline Rows cellVisibility(const AnswerGrid& grid) {
    return rows([&](int k) { return grid.lblCell[k].visible ? '#' : '.'; });
}
inline Rows labelVisibility(const AnswerGrid& grid) {
    return rows([&](int k) { return grid.lblIndex[k].visible ? '#' : '.'; });
}

// Captions of each row joined by single blanks: "0 1 2 3 0".
inline Rows captionRows(const AnswerGrid& grid) {
    Rows out(5);
    for (int k = 1; k <= AnswerGrid::CellCount; ++k) {
        out[(k - 1) / 5] += (k % 5 == 1 ? "" : " ") + grid.lblCell[k].caption;
    }
    return out;
}

inline const Rows AllShown{"#####", "#####", "#####", "#####", "#####"};
inline const Rows AllHidden{".....", ".....", ".....", ".....", "....."};
inline const Rows ZeroCellsHidden{".....", ".####", ".####", ".####", ".####"};
inline const Rows AllWhite{".....", ".....", ".....", ".....", "....."};
inline const Rows AllZero{"0 0 0 0 0", "0 0 0 0 0", "0 0 0 0 0", "0 0 0 0 0", "0 0 0 0 0"};

// XStart, XEnd, XStep, YStart, YEnd, YStep.
using Loops = std::array<int, 6>;

inline Loops loopsOf(const ExerciseState& s) {
    return {static_cast<int>(s.XStart), static_cast<int>(s.XEnd), s.XStep,
            static_cast<int>(s.YStart), static_cast<int>(s.YEnd), s.YStep};
}

inline void setLoops(ExerciseState& s, const Loops& l) {
    s.XStart = static_cast<float>(l[0]);
    s.XEnd = static_cast<float>(l[1]);
    s.XStep = static_cast<std::int16_t>(l[2]);
    s.YStart = static_cast<float>(l[3]);
    s.YEnd = static_cast<float>(l[4]);
    s.YStep = static_cast<std::int16_t>(l[5]);
}

// An exercise window after its load, drawing from a fixed list (all zeros by
// default, so that every problem is the smallest one at FirstIndex).
struct ScriptedExercise {
    ScriptedRandom random;
    Exercise ex{random};

    explicit ScriptedExercise(std::vector<float> draws = std::vector<float>(60, 0.0f))
        : random(std::move(draws)) {
        ex.Form_Load(0.0f);
    }
};

// Everything a window shows or keeps, as text, so two moments can be compared.
inline std::string describe(const Exercise& e) {
    std::ostringstream out;
    const ExerciseState& s = e.state;
    out << s.XStart << ' ' << s.XEnd << ' ' << s.XStep << ' ' << s.YStart << ' ' << s.YEnd << ' '
        << s.YStep << ' ' << s.ClickOrder << ' ' << s.FirstIndex << ' ' << s.LanguageFlag << ' '
        << s.TestPending << ' ' << s.RightCount << ' ' << s.WrongCount << ' ' << s.ProblemLimit
        << '\n';
    for (int k = 1; k <= AnswerGrid::CellCount; ++k) {
        const Cell& c = e.grid.lblCell[k];
        const IndexLabel& l = e.grid.lblIndex[k];
        out << k << ' ' << c.caption << ' ' << c.backColor << ' ' << c.visible << ' ' << l.caption
            << ' ' << l.visible << '\n';
    }
    for (const std::string& line : e.listing.lines()) {
        out << line << '\n';
    }
    for (const MenuEntry* m : {&e.menus.mnu10, &e.menus.mnu11, &e.menus.mnu12, &e.menus.mnu13,
                               &e.menus.mnu20, &e.menus.mnu21, &e.menus.mnu22, &e.menus.mnu30}) {
        out << m->caption << ' ' << m->checked << ' ' << m->enabled << '\n';
    }
    out << e.lblProbNum << '|' << e.lblProbLimit << '|' << e.lblRight << '|' << e.lblWrong << '|'
        << e.lblScore << '|' << e.lblLevel << '|' << e.cmdRun << '|' << e.fraProgramVisible
        << e.fraArrayVisible << e.fraInstructionsVisible << e.lblScoreVisible << e.cmdStartVisible
        << e.cmdPrintVisible << '|' << e.backColor << '\n';
    return out.str();
}

} // namespace tessaly::test
