// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace tessaly {

// Where a window frame of `frame` size goes in the `available` area of a
// screen: in its middle, but never with its top or left edge outside it, so
// that the title bar and the menu bar stay reachable; a frame larger than the
// area starts at the area's top-left corner.
QPoint centredTopLeft(QSize frame, const QRect& available);

// Places a window so on the available area of the screen it is on. A window
// that the window manager has not framed yet is placed with room for a title
// bar above it.
void centreOnScreen(QWidget& window);

} // namespace tessaly
