// SPDX-License-Identifier: MIT
#include "ui/controls/held_key_guard.hpp"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace tessaly {

namespace {

// An X server's release and press of one repeat carry one time stamp; Qt's own
// check allows as much as this between them. Nobody releases and presses a
// key again this quickly.
constexpr quint64 RepeatPairGap = 10;

bool pressesOnce(int key) {
    switch (key) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        return true;
    default:
        return false;
    }
}

// Space typed into a box repeats as any letter does.
bool typing(int key) {
    const QWidget* focus = QApplication::focusWidget();
    return key == Qt::Key_Space && focus != nullptr &&
           focus->testAttribute(Qt::WA_InputMethodEnabled);
}

} // namespace

HeldKeyGuard::HeldKeyGuard(QObject* parent) : QObject(parent) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool HeldKeyGuard::repeated(const QKeyEvent& key) {
    KeyState& state = keys_[key.key()];
    if (key.type() == QEvent::KeyRelease) {
        if (!key.isAutoRepeat()) {
            state.down = false;
            state.released = true;
            state.releasedAt = key.timestamp();
        }
        return false;
    }
    const bool pairedWithRelease = !repeatsArePressesAlone_ && state.released &&
                                   key.timestamp() >= state.releasedAt &&
                                   key.timestamp() - state.releasedAt <= RepeatPairGap;
    const bool repeat = key.isAutoRepeat() || state.down || pairedWithRelease;
    state.down = true;
    return repeat;
}

bool HeldKeyGuard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ApplicationDeactivate:
        // A key released while another program has the keyboard sends us no release.
        keys_.clear();
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        // Each key reaches its window once, before the widgets that it is passed on to.
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (watched->isWindowType() && pressesOnce(key.key())) {
            return repeated(key) && !typing(key.key());
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tessaly
