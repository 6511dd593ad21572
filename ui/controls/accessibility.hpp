// SPDX-License-Identifier: MIT
#pragma once

namespace tessaly {

// Teaches Qt's accessibility bridge how the program's own controls look to
// assistive technology: a grid cell is a focusable button named by its
// caption with a press action; a label is named by its caption and nothing
// else (an empty label is not named after the frame it stands in).
void installAccessibility();

} // namespace tessaly
