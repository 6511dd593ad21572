// SPDX-License-Identifier: MIT
#pragma once

#include "engine/colors.hpp"

#include <QColor>
#include <QRect>
#include <QString>

#include <string>

namespace tessaly {

// 0x00BBGGRR to QColor.
QColor toQColor(Color color);

// Twips to pixels at 96 dpi (15 twips a pixel); Qt scales pixels on high-dpi screens.
int twips(int value);
QRect twipsRect(int left, int top, int width, int height);

// Engine text (UTF-8) to and from Qt.
QString qs(const std::string& text);
std::string utf8(const QString& text);

} // namespace tessaly
