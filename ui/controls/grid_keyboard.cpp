// SPDX-License-Identifier: MIT
#include "ui/controls/grid_keyboard.hpp"

#include "ui/controls/clickable_label.hpp"

#include <QKeyEvent>

namespace tessaly {

GridKeyboard::GridKeyboard(const Cells& cells, std::function<void(int)> press,
                           std::function<void(QWidget*)> placeInTabOrder)
    : cells_(cells), press_(std::move(press)), placeInTabOrder_(std::move(placeInTabOrder)) {
    for (int k = 1; k <= CellCount; ++k) {
        cells_[k]->installEventFilter(this);
        cells_[k]->setFocusPolicy(Qt::NoFocus);
    }
}

void GridKeyboard::newProblem() {
    lastFocused_ = 0;
    refresh();
}

void GridKeyboard::setCovered(bool covered) {
    covered_ = covered;
    refresh();
}

// Hidden cells cannot be shown while their window is hidden, so a cell counts
// as shown when it is not hidden itself.
bool GridKeyboard::shown(int cell) const {
    return !cells_[cell]->isHidden() && !cells_[cell]->parentWidget()->isHidden();
}

int GridKeyboard::entryCell() const {
    if (lastFocused_ != 0 && shown(lastFocused_)) {
        return lastFocused_;
    }
    for (int k = 1; k <= CellCount; ++k) {
        if (shown(k)) {
            return k;
        }
    }
    return 0;
}

// Touches the cells and the focus chain only when the grid's stop moves.
void GridKeyboard::refresh() {
    const int entry = covered_ ? 0 : entryCell();
    if (entry == stop_) {
        return;
    }
    if (stop_ != 0) {
        cells_[stop_]->setFocusPolicy(Qt::NoFocus);
    }
    stop_ = entry;
    if (entry != 0) {
        cells_[entry]->setFocusPolicy(Qt::TabFocus);
        placeInTabOrder_(cells_[entry]);
    }
}

int GridKeyboard::indexOf(const QObject* cell) const {
    for (int k = 1; k <= CellCount; ++k) {
        if (cells_[k] == cell) {
            return k;
        }
    }
    return 0;
}

int GridKeyboard::nextVisible(int cell, int rowStep, int columnStep) const {
    int row = cellRow(cell) + rowStep;
    int column = cellColumn(cell) + columnStep;
    for (; row >= 1 && row <= GridSide && column >= 1 && column <= GridSide;
         row += rowStep, column += columnStep) {
        if (shown(cellIndex(row, column))) {
            return cellIndex(row, column);
        }
    }
    return 0;
}

bool GridKeyboard::handleKey(int cell, const QKeyEvent& key) {
    if (key.modifiers() & ~Qt::KeypadModifier) {
        return false;
    }
    int target = 0;
    switch (key.key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Holding the key down presses once, as holding the mouse button does.
        if (!key.isAutoRepeat()) {
            press_(cell);
        }
        return true;
    case Qt::Key_Left:
        target = nextVisible(cell, 0, -1);
        break;
    case Qt::Key_Right:
        target = nextVisible(cell, 0, 1);
        break;
    case Qt::Key_Up:
        target = nextVisible(cell, -1, 0);
        break;
    case Qt::Key_Down:
        target = nextVisible(cell, 1, 0);
        break;
    default:
        return false;
    }
    if (target != 0) {
        cells_[target]->setFocus(Qt::OtherFocusReason);
    }
    return true;
}

bool GridKeyboard::eventFilter(QObject* watched, QEvent* event) {
    const int cell = indexOf(watched);
    if (cell == 0) {
        return false;
    }
    if (event->type() == QEvent::FocusIn) {
        lastFocused_ = cell;
        refresh();
    } else if (event->type() == QEvent::KeyPress) {
        return handleKey(cell, static_cast<const QKeyEvent&>(*event));
    }
    return false;
}

} // namespace tessaly
