// SPDX-License-Identifier: MIT
#pragma once

// Helpers for the engine tests: the grid as five rows of short tokens, loops as
// text ("1..5/2 2..4"), and an exercise window loaded with scripted draws.

#include "engine/exercise.hpp"
#include "engine/loops.hpp"

#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace tessaly::test {

using Rows = std::vector<std::string>;

// Five rows of the 25 cells, one token per cell from `token(k)`, joined by `gap`.
template <typename Token> Rows rows(Token token, const std::string& gap) {
    Rows out(5);
    for (int k = 1; k <= AnswerGrid::CellCount; ++k) {
        out[(k - 1) / 5] += (k % 5 == 1 ? "" : gap) + std::string(token(k));
    }
    return out;
}

// "." is "0" on white; any other cell is its caption and then its colour:
// Y(ellow), G(reen), R(ed), O(range), W(hite) or ?: "3Y", "5R", "XO".
inline Rows picture(const AnswerGrid& g) {
    return rows(
        [&](int k) {
            const Cell& c = g.lblCell[k];
            static const std::map<Color, char> letters{{colors::Yellow, 'Y'},
                                                       {colors::Green, 'G'},
                                                       {colors::Red, 'R'},
                                                       {colors::Orange, 'O'},
                                                       {colors::White, 'W'}};
            const auto found = letters.find(c.backColor);
            const char letter = found == letters.end() ? '?' : found->second;
            return c.caption == "0" && letter == 'W' ? std::string(".") : c.caption + letter;
        },
        " ");
}

// '#' shown, '.' hidden, for the cells or (labels) the coordinate labels under them.
inline Rows shown(const AnswerGrid& g, bool labels = false) {
    return rows(
        [&](int k) { return (labels ? g.lblIndex[k].visible : g.lblCell[k].visible) ? "#" : "."; },
        "");
}

// The student's numbers from five rows of five tokens: "." unmarked, else the number.
inline Marks marks(const Rows& rows) {
    Marks out{};
    for (std::size_t row = 0; row < rows.size(); ++row) {
        std::istringstream in(rows[row]);
        std::string token;
        for (int column = 1; in >> token; ++column) {
            out[row * 5 + static_cast<std::size_t>(column)] = token == "." ? 0 : std::stoi(token);
        }
    }
    return out;
}

inline const Rows Blank(5, ". . . . .");
inline const Rows AllShown(5, "#####");
inline const Rows AllHidden(5, ".....");
inline const Rows ZeroCellsHidden{".....", ".####", ".####", ".####", ".####"};

// "XStart..XEnd YStart..YEnd", a step other than 1 written after a slash.
inline std::string loopText(const ExerciseState& s) {
    std::ostringstream out;
    out << s.XStart << ".." << s.XEnd << (s.XStep != 1 ? "/" + std::to_string(s.XStep) : "") << ' '
        << s.YStart << ".." << s.YEnd << (s.YStep != 1 ? "/" + std::to_string(s.YStep) : "");
    return out.str();
}

inline void setLoops(ExerciseState& s, const std::string& text) {
    int v[6] = {0, 0, 1, 0, 0, 1};
    std::istringstream in(text);
    std::string loop;
    for (int i = 0; i < 6 && in >> loop; i += 3) {
        std::sscanf(loop.c_str(), "%d..%d/%d", &v[i], &v[i + 1], &v[i + 2]);
    }
    s.XStart = static_cast<float>(v[0]);
    s.XEnd = static_cast<float>(v[1]);
    s.XStep = static_cast<std::int16_t>(v[2]);
    s.YStart = static_cast<float>(v[3]);
    s.YEnd = static_cast<float>(v[4]);
    s.YStep = static_cast<std::int16_t>(v[5]);
}

// An exercise window after its load, drawing from a fixed list: all zeros by
// default, so that every problem is FirstIndex..FirstIndex+1 both ways.
struct ScriptedExercise {
    ScriptedRandom random;
    Exercise ex{random};

    explicit ScriptedExercise(std::vector<float> draws = std::vector<float>(60, 0.0f))
        : random(std::move(draws)) {
        ex.Form_Load(0.0f);
    }
};

// What a window shows and keeps, as text, to compare two moments.
inline std::string describe(const Exercise& e) {
    std::ostringstream out;
    for (const Rows& r : {picture(e.grid), shown(e.grid), shown(e.grid, true)}) {
        for (const std::string& row : r) {
            out << row << '/';
        }
    }
    for (const std::string& line : e.listing.lines()) {
        out << line << '/';
    }
    const Menus& m = e.menus;
    out << loopText(e.state) << e.state.ClickOrder << e.state.FirstIndex << e.state.LanguageFlag
        << e.state.TestPending << m.level(1).checked << m.level(2).checked << m.level(3).checked
        << m.language(1).checked << m.language(2).checked << m.mnu40.enabled << e.lblLevel
        << e.lblProbNum << e.lblRight << e.lblWrong << e.lblScore << e.cmdRun << e.fraProgramVisible
        << e.fraArrayVisible << e.fraInstructionsVisible << e.cmdPrintVisible << e.backColor;
    return out.str();
}

} // namespace tessaly::test
