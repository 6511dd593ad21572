// SPDX-License-Identifier: MIT
#include "answer_grid.hpp"

#include "number_text.hpp"
#include "phrase.hpp"

#include <stdexcept>

namespace tessaly {

Cell& AnswerGrid::cell(int index) {
    if (index < 1 || index > CellCount) {
        throw std::out_of_range("no cell " + std::to_string(index));
    }
    return lblCell[index];
}

void AnswerGrid::aset(int x, int y, std::int16_t v, Color color) {
    if (x < 1 || x > GridSide || y < 1 || y > GridSide) {
        throw std::out_of_range("no cell at " + std::to_string(x) + "," + std::to_string(y));
    }
    Cell& target = cell(cellIndex(x, y));
    target.caption = v == -1 ? "X" : numberText(v);
    target.backColor = color;
}

void AnswerGrid::ResetArray() {
    for (int x = 1; x <= GridSide; ++x) {
        for (int y = 1; y <= GridSide; ++y) {
            aset(x, y, 0, colors::White);
        }
    }
}

void AnswerGrid::lblCell_Click(int index, std::int16_t& clickOrder) {
    Cell& target = cell(index);
    if (target.backColor == colors::Yellow) {
        target.backColor = colors::White;
        target.caption = "0";
        --clickOrder;
    } else {
        target.backColor = colors::Yellow;
        target.caption = numberText(clickOrder);
        ++clickOrder;
    }
}

Marks AnswerGrid::marks() const {
    Marks result{};
    for (int k = 1; k <= CellCount; ++k) {
        if (lblCell[k].backColor == colors::Yellow) {
            result[k] = static_cast<int>(textToNumber(lblCell[k].caption));
        }
    }
    return result;
}

void AnswerGrid::captionIndexLabels() {
    for (int i = 1; i <= GridSide; ++i) {
        for (int j = 1; j <= GridSide; ++j) {
            lblIndex[cellIndex(i, j)].caption =
                "(" + numberText(i - 1) + "," + numberText(j - 1) + ")";
        }
    }
}

namespace {

// What a cell tells in each state: where it is ("row %1, column %2, ...") and,
// after a press, its caption ("%1, ...").
struct CellState {
    Phrase described;
    Phrase announced;
};

// The states that a cell's colour shows; the test run's colours are its verdicts.
constexpr std::array<std::pair<Color, CellState>, 4> ColouredStates = {{
    {colors::Yellow,
     {TESSALY_TEXT("Cell", "row %1, column %2, marked"), TESSALY_TEXT("Cell", "%1, marked")}},
    {colors::Green,
     {TESSALY_TEXT("Cell", "row %1, column %2, right"), TESSALY_TEXT("Cell", "%1, right")}},
    {colors::Red,
     {TESSALY_TEXT("Cell", "row %1, column %2, wrong"), TESSALY_TEXT("Cell", "%1, wrong")}},
    {colors::Orange,
     {TESSALY_TEXT("Cell", "row %1, column %2, stray mark"),
      TESSALY_TEXT("Cell", "%1, stray mark")}},
}};

// A white cell: not visited once a test's result shows, not marked before.
constexpr CellState NotVisited{TESSALY_TEXT("Cell", "row %1, column %2, not visited"),
                               TESSALY_TEXT("Cell", "%1, not visited")};
constexpr CellState NotMarked{TESSALY_TEXT("Cell", "row %1, column %2, not marked"),
                              TESSALY_TEXT("Cell", "%1, not marked")};

const CellState& cellState(Color color, bool tested) {
    for (const auto& [stateColor, state] : ColouredStates) {
        if (stateColor == color) {
            return state;
        }
    }
    return tested ? NotVisited : NotMarked;
}

} // namespace

std::string rowText(int k) {
    return numberText(shownIndex(cellRow(k)));
}

std::string columnText(int k) {
    return numberText(shownIndex(cellColumn(k)));
}

std::string AnswerGrid::describeCell(int k, bool tested) const {
    const CellState& state = cellState(lblCell.at(static_cast<std::size_t>(k)).backColor, tested);
    return say(state.described, {rowText(k), columnText(k)});
}

std::string AnswerGrid::announceCell(int k, bool tested) const {
    const Cell& shown = lblCell.at(static_cast<std::size_t>(k));
    return say(cellState(shown.backColor, tested).announced, {shown.caption});
}

void AnswerGrid::ToggleCells(int i, bool turnOn) {
    const bool visible = i == 1;
    for (int k = 1; k <= CellCount; ++k) {
        if (!isZeroCell(k)) {
            continue;
        }
        lblCell[k].visible = visible;
        if (turnOn) {
            lblIndex[k].visible = visible;
        }
    }
}

void AnswerGrid::showIndexLabels(bool visible) {
    for (int k = 1; k <= CellCount; ++k) {
        lblIndex[k].visible = visible;
    }
}

} // namespace tessaly
