// SPDX-License-Identifier: MIT
#include "ui/controls/double_click_guard.hpp"

#include <QAbstractButton>
#include <QEvent>

namespace tessaly {

void ignoreDoubleClicks(QAbstractButton& button) {
    button.installEventFilter(new DoubleClickGuard(&button));
}

bool DoubleClickGuard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        swallowRelease_ = true;
        return true;
    case QEvent::MouseButtonPress:
        swallowRelease_ = false; // a new click: its release counts
        break;
    case QEvent::MouseButtonRelease:
        if (swallowRelease_) {
            swallowRelease_ = false;
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tessaly
