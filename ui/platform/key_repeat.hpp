// SPDX-License-Identifier: MIT
#pragma once

namespace tessaly {

// Asks the window system to repeat a key held down with presses alone, with
// no release before each (the X server's detectable auto-repeat), so that
// every release is a real one. False where the display is not X11 or the
// server cannot; then each repeat comes as a release and a press with one time
// stamp, as before.
bool repeatHeldKeysWithoutReleases();

} // namespace tessaly
