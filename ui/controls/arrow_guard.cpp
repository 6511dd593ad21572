// SPDX-License-Identifier: MIT
#include "ui/controls/arrow_guard.hpp"

#include <QAbstractButton>
#include <QKeyEvent>

namespace tessaly {

void keepArrowsOn(QAbstractButton& button) {
    button.installEventFilter(new ArrowGuard(&button));
}

bool ArrowGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const bool arrow = key.key() == Qt::Key_Left || key.key() == Qt::Key_Right ||
                           key.key() == Qt::Key_Up || key.key() == Qt::Key_Down;
        if (arrow && (key.modifiers() & ~Qt::KeypadModifier) == 0) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tessaly
