// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>
#include <map>
#include <optional>

class QKeyEvent;
class QTimer;

namespace tessaly {

// Makes a key held down press once, however long it is held: Space and Enter
// act on every button, on a cell and in a dialog once per physical press, as
// holding the mouse button does. Installed on the application, it sees every
// key as the window system delivers it to a window and drops a press of one of
// these keys that is a repeat:
// - a press of a key that is already down (an X server asked for detectable
//   auto-repeat repeats a held key with presses alone);
// - a press that comes within a few milliseconds of the same key's release (an
//   X server's own auto-repeat sends a release and a press with one time
//   stamp, and Qt takes many of them for fresh presses), unless the window
//   system repeats with presses alone, when every release is real;
// - a press Qt flags as a repeat.
// Two separate presses, however quick, stay two. Other keys repeat as before
// (the grid's arrows), and Space repeats in a box that takes typing.
//
// A release can be lost: a press that closes a window sends its release to a
// window that is gone, or to none while the window manager moves the focus.
// A key that is down is therefore checked with the window system every few
// milliseconds until its release comes (a key found up twice in a row lost
// its release), and a press that comes later than the
// window system's repeat delay after the key's last event is a new press.
class HeldKeyGuard : public QObject {
    Q_OBJECT
public:
    // Guards the whole application for as long as it lives.
    explicit HeldKeyGuard(QObject* parent = nullptr);

    // Whether the window system repeats a held key with presses alone.
    void setRepeatsArePressesAlone(bool alone) { repeatsArePressesAlone_ = alone; }
    // How long the window system waits before it repeats a held key, in ms.
    void setRepeatDelay(int ms) { repeatDelay_ = ms; }
    // Asks the window system whether the key with a native scan code is down
    // now; nothing when it cannot tell.
    using KeyDownQuery = std::function<std::optional<bool>(quint32 nativeScanCode)>;
    void setKeyDownQuery(KeyDownQuery isDown) { isDown_ = std::move(isDown); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Records the key's state; true when the press is a repeat.
    bool repeated(const QKeyEvent& key);
    // Forgets a key down whose release never came.
    void checkKeysDown();

    struct KeyState {
        bool down = false;
        quint64 releasedAt = 0; // the time stamp of the last release, in ms
        bool released = false;
        quint64 lastEventAt = 0; // the time stamp of the last press or release, in ms
        quint32 scanCode = 0;
        bool upAtLastCheck = false; // the window system said the key was up
    };
    std::map<int, KeyState> keys_;
    bool repeatsArePressesAlone_ = false;
    int repeatDelay_ = 660; // the X server's default
    KeyDownQuery isDown_;
    QTimer* check_ = nullptr;
};

} // namespace tessaly
