// SPDX-License-Identifier: MIT
#pragma once

#include "colors.hpp"
#include "grid_geometry.hpp"

#include <array>
#include <cstdint>
#include <string>

namespace tessaly {

// One answer cell: its caption and background colour are the student's answer.
struct Cell {
    std::string caption = "?";
    Color backColor = colors::White;
    bool visible = true;
};

// The small coordinate label under a cell.
struct IndexLabel {
    std::string caption = "(-,-)";
    bool visible = true;
};

// The student's number in each cell, element k for lblCell(k) (element 0 is
// unused): the number of a marked cell, 0 for an unmarked one.
using Marks = std::array<int, CellCount + 1>;

// Where cell k (1..CellCount) stands, in shown indices: its row and its
// column as text, the arguments of every sentence that says where a cell is.
std::string rowText(int k);
std::string columnText(int k);

// The 25 cells lblCell(1)..lblCell(25) and their labels lblIndex(1)..lblIndex(25);
// element 0 of each array is unused so that indices read as in the layout.
class AnswerGrid {
public:
    static constexpr int CellCount = tessaly::CellCount;

    std::array<Cell, CellCount + 1> lblCell;
    std::array<IndexLabel, CellCount + 1> lblIndex;

    // Sets cell (x, y), x and y internal 1..GridSide; v == -1 shows "X", any other v
    // its decimal text. Throws std::out_of_range for a cell that does not exist.
    void aset(int x, int y, std::int16_t v, Color color);

    // Every cell, hidden ones included, to "0" on white. Leaves visibility alone.
    void ResetArray();

    // The click rule: exactly yellow unmarks ("0" on white, clickOrder - 1);
    // anything else marks (clickOrder on yellow, clickOrder + 1).
    // Throws std::out_of_range for an index outside 1..25.
    void lblCell_Click(int index, std::int16_t& clickOrder);

    // The student's marks as the cells hold them now: the caption's number of
    // every yellow cell, 0 for every other (the test run's colours are not marks).
    Marks marks() const;

    // Captions "(row,column)" in shown indices, "(0,0)" to "(4,4)".
    void captionIndexLabels();

    // Shows (i == 1) or hides the nine zero cells; with turnOn, their
    // coordinate labels likewise.
    void ToggleCells(int i, bool turnOn);

    // What a cell tells a student who cannot see it: its shown row and column
    // and its state, "row 1, column 2, marked". k in 1..CellCount. `tested`:
    // the grid shows a test's result, so a white cell is one the loops did
    // not visit; before the test it is one not marked yet.
    std::string describeCell(int k, bool tested = false) const;

    // What a press on cell k tells a student who cannot see it: its new
    // caption and state, "3, marked" or "0, not marked".
    std::string announceCell(int k, bool tested = false) const;

    // Makes all 25 coordinate labels visible or hidden.
    void showIndexLabels(bool visible);

private:
    Cell& cell(int index);
};

} // namespace tessaly
