// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <map>

class QKeyEvent;

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
class HeldKeyGuard : public QObject {
    Q_OBJECT
public:
    // Guards the whole application for as long as it lives.
    explicit HeldKeyGuard(QObject* parent = nullptr);

    // Whether the window system repeats a held key with presses alone.
    void setRepeatsArePressesAlone(bool alone) { repeatsArePressesAlone_ = alone; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Records the key's state; true when the press is a repeat.
    bool repeated(const QKeyEvent& key);

    struct KeyState {
        bool down = false;
        quint64 releasedAt = 0; // the time stamp of the last release, in ms
        bool released = false;
    };
    std::map<int, KeyState> keys_;
    bool repeatsArePressesAlone_ = false;
};

} // namespace tessaly
