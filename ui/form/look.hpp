// SPDX-License-Identifier: MIT
#pragma once

#include "engine/colors.hpp"

#include <QFont>
#include <QIcon>

class QApplication;
class QWidget;

namespace tessaly {

// The layout's fonts, sized in pixels so that the system's dpi setting cannot
// change the layout. Each names the installed metric-compatible Liberation
// family first, then the original: a family that is not installed sends every
// font through the font configuration's substitution at start-up.
enum class Face { MsSansSerif, Arial, ArialBlack, TimesNewRoman };
QFont layoutFont(Face face, double points, bool bold = false);

// A fixed light look for every desktop: the Fusion style with a light palette,
// so that a dark theme cannot change a cell's text or background.
void applyTessalyLook(QApplication& app);

// Background and text colours set explicitly on a widget.
void setColors(QWidget& widget, Color background, Color text = colors::Black);
void setTextColor(QWidget& widget, Color text);

// The program's icon, shown by every window.
QIcon programIcon();

} // namespace tessaly
