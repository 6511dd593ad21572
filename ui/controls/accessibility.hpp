// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QWidget;

namespace tessaly {

// Teaches Qt's accessibility bridge how the program's own controls look to
// assistive technology: a grid cell is a focusable button named by its
// caption with a press action; a label is named by its caption and nothing
// else (an empty label is not named after the frame it stands in).
void installAccessibility();

// Enables or disables `window` and everything in it, telling assistive
// technology only of the widgets that show. Qt tells a screen reader that a
// widget shows, never that it became visible, so a screen reader that learns
// of a widget while it is hidden keeps it as never visible: Orca would leave
// the listing's frame out of its reading of the window for good.
void setEnabledTellingShownOnly(QWidget& window, bool enabled);

// Makes `change`, telling assistive technology only of the widgets that show,
// for the reason above: the listing rewritten while its frame is hidden.
void tellingShownOnly(const std::function<void()>& change);

} // namespace tessaly
