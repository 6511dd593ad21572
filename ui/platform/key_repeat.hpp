// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include <optional>

namespace tessaly {

// Asks the window system to repeat a key held down with presses alone, with
// no release before each (the X server's detectable auto-repeat), so that
// every release is a real one. False where the display is not X11 or the
// server cannot; then each repeat comes as a release and a press with one time
// stamp, as before.
bool repeatHeldKeysWithoutReleases();

// How long the X server waits before it repeats a key held down, in ms;
// nothing where the display is not X11.
std::optional<int> heldKeyRepeatDelay();

// Whether the key with this X key code (a key event's native scan code) is
// down at this moment, as the X server sees the keyboard; nothing where the
// display is not X11.
std::optional<bool> keyIsDown(quint32 keyCode);

} // namespace tessaly
