// SPDX-License-Identifier: MIT
#pragma once

#include "engine/grid_geometry.hpp"

#include <QObject>

#include <array>
#include <functional>

class QKeyEvent;
class QWidget;

namespace tessaly {

class ClickableLabel;

// The grid as one keyboard stop, as a table is: Tab enters it at one cell (the
// one that had the focus last in this problem, else the top-left visible
// cell), the arrow keys move among the visible cells without wrapping, and
// Space or Enter press the focused cell as a click does.
class GridKeyboard : public QObject {
    Q_OBJECT
public:
    using Cells = std::array<ClickableLabel*, CellCount + 1>; // element 0 unused

    // `placeInTabOrder` puts the grid's entry cell into the window's focus chain.
    GridKeyboard(const Cells& cells, std::function<void(int cell)> press,
                 std::function<void(QWidget* entry)> placeInTabOrder);

    // A new problem: the grid is entered at its top-left visible cell again.
    void newProblem();
    // Re-reads which cells are visible and makes the entry cell the grid's only stop.
    void refresh();
    // While covered (by the instructions panel) no cell can take the focus.
    void setCovered(bool covered);

    // The cell Tab enters the grid at; 0 when no cell is visible.
    int entryCell() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int indexOf(const QObject* cell) const;
    bool handleKey(int cell, const QKeyEvent& key);
    // The next visible cell from `cell` one step at a time in (rows, columns); 0 if none.
    int nextVisible(int cell, int rowStep, int columnStep) const;
    bool shown(int cell) const;

    Cells cells_;
    std::function<void(int)> press_;
    std::function<void(QWidget*)> placeInTabOrder_;
    int lastFocused_ = 0;
    int stop_ = 0; // the cell that is the grid's Tab stop now; 0 for none
    bool covered_ = false;
};

} // namespace tessaly
