// SPDX-License-Identifier: MIT
#include "ui/platform/placement.hpp"

#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace tessaly {

QPoint centredTopLeft(QSize frame, const QRect& available) {
    QRect placed(QPoint(), frame);
    placed.moveCenter(available.center());
    return QPoint(std::max(placed.left(), available.left()),
                  std::max(placed.top(), available.top()));
}

void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        return;
    }
    // A window's position is that of its frame's top-left corner. Until the
    // window manager has framed the window (some time after it is shown), its
    // frame is the bare window and the window itself goes where the frame
    // should: room is kept above it for a title bar, or that would be above
    // the screen whenever the window is taller than the screen.
    const QRect frame = window.frameGeometry();
    const int titleBar =
        frame == window.geometry() ? window.style()->pixelMetric(QStyle::PM_TitleBarHeight) : 0;
    const QPoint topLeft =
        centredTopLeft(frame.size() + QSize(0, titleBar), screen->availableGeometry());
    window.move(topLeft + QPoint(0, titleBar));
}

} // namespace tessaly
