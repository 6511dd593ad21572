// SPDX-License-Identifier: MIT
#include "ui/controls/stepping_frame.hpp"
#include "ui/controls/focus_mark.hpp"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include <optional>

namespace tessaly {

namespace {

std::optional<SteppingFrame::Move> moveOf(const QKeyEvent& key) {
    if (key.modifiers() & ~Qt::KeypadModifier) {
        return std::nullopt; // Shift+Tab, Alt+key and the like are the window's
    }
    switch (key.key()) {
    case Qt::Key_Right:
    case Qt::Key_Space:
        return SteppingFrame::Move::Next;
    case Qt::Key_Left:
        return SteppingFrame::Move::Previous;
    case Qt::Key_Home:
        return SteppingFrame::Move::First;
    case Qt::Key_End:
        return SteppingFrame::Move::Last;
    default:
        return std::nullopt;
    }
}

} // namespace

SteppingFrame::SteppingFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
    setFocusPolicy(Qt::StrongFocus);
}

// Before the frame's own handling, which takes Space for a check box that
// this frame does not have. Escape and Enter go on to the window.
bool SteppingFrame::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        if (const std::optional<Move> move = moveOf(*static_cast<QKeyEvent*>(event))) {
            emit stepRequested(*move);
            event->accept();
            return true;
        }
    }
    return QGroupBox::event(event);
}

void SteppingFrame::paintEvent(QPaintEvent* event) {
    QGroupBox::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QRect frame =
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, this);
    QPainter painter(this);
    painter.setPen(focusMarkPen());
    painter.drawRect(frame.adjusted(1, 1, -2, -2)); // inside the border, below the title
}

void SteppingFrame::focusInEvent(QFocusEvent* event) {
    QGroupBox::focusInEvent(event);
    update();
}

void SteppingFrame::focusOutEvent(QFocusEvent* event) {
    QGroupBox::focusOutEvent(event);
    update();
}

} // namespace tessaly
