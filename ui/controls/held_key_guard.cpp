// SPDX-License-Identifier: MIT
#include "ui/controls/held_key_guard.hpp"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

namespace tessaly {

namespace {

// An X server's release and press of one repeat carry one time stamp; Qt's own
// check allows as much as this between them. Nobody releases and presses a
// key again this quickly.
constexpr quint64 RepeatPairGap = 10;

// How much later than the repeat delay a busy X server may send a held key's
// first repeat.
constexpr quint64 RepeatLateness = 250;

// How often a key that is down is checked for a release that never came: well
// within the time anyone takes to press the key again.
constexpr int KeyCheckInterval = 30;

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

HeldKeyGuard::HeldKeyGuard(QObject* parent) : QObject(parent), check_(new QTimer(this)) {
    check_->setInterval(KeyCheckInterval);
    connect(check_, &QTimer::timeout, this, &HeldKeyGuard::checkKeysDown);
    QCoreApplication::instance()->installEventFilter(this);
}

bool HeldKeyGuard::repeated(const QKeyEvent& key) {
    KeyState& state = keys_[key.key()];
    const quint64 lastRepeatAt =
        state.lastEventAt + static_cast<quint64>(repeatDelay_) + RepeatLateness;
    if (state.down && key.timestamp() > lastRepeatAt) {
        state.down = false; // its release was lost
    }
    state.lastEventAt = key.timestamp();
    state.scanCode = key.nativeScanCode();
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
    if (isDown_ && !check_->isActive()) {
        check_->start();
    }
    return repeat;
}

// The server answers after the events it sent before, so a release (or a
// repeat) that is on its way has been handled by the next check; a key still
// up then lost its release.
void HeldKeyGuard::checkKeysDown() {
    bool anyDown = false;
    for (auto& [key, state] : keys_) {
        const std::optional<bool> down = state.down ? isDown_(state.scanCode) : std::nullopt;
        const bool up = down.has_value() && !*down;
        if (up && state.upAtLastCheck) {
            state.down = false;
            state.released = false;
        }
        state.upAtLastCheck = up && state.down;
        anyDown = anyDown || state.down;
    }
    if (!anyDown) {
        check_->stop();
    }
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
