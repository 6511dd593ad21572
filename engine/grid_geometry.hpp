// SPDX-License-Identifier: MIT
#pragma once

namespace tessaly {

// The answer grid is GridSide by GridSide cells. Internal coordinates x (row,
// from the top) and y (column, from the left) run 1..GridSide; the student sees
// them minus one. Cells are numbered 1..CellCount row by row.
inline constexpr int GridSide = 5;
inline constexpr int CellCount = GridSide * GridSide;

// Cell number of internal row x and column y (both 1..GridSide).
constexpr int cellIndex(int x, int y) {
    return (x - 1) * GridSide + y;
}

// The index that the student sees for internal index i: one less, 0..GridSide - 1.
constexpr int shownIndex(int i) {
    return i - 1;
}

// Internal row and column (1..GridSide) of cell k (1..CellCount).
constexpr int cellRow(int k) {
    return (k - 1) / GridSide + 1;
}
constexpr int cellColumn(int k) {
    return (k - 1) % GridSide + 1;
}

// The zero row and zero column: the cells whose shown row or column is 0.
constexpr bool isZeroCell(int k) {
    return cellRow(k) == 1 || cellColumn(k) == 1;
}

} // namespace tessaly
