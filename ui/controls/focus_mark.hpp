// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPen>

namespace tessaly {

// The dashed navy rectangle that the program's own focusable controls (a grid
// cell, the Explain replay) draw while they have the keyboard focus.
inline QPen focusMarkPen() {
    return QPen(QColor(0, 0, 128), 2, Qt::DashLine);
}

} // namespace tessaly
