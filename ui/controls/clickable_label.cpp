// SPDX-License-Identifier: MIT
#include "ui/controls/clickable_label.hpp"
#include "ui/controls/focus_mark.hpp"

#include <QMouseEvent>
#include <QPainter>

namespace tessaly {

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QPainter painter(this);
    painter.setPen(focusMarkPen());
    painter.drawRect(rect().adjusted(3, 3, -4, -4));
}

void ClickableLabel::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    update();
}

void ClickableLabel::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    update();
}

} // namespace tessaly
