// SPDX-License-Identifier: MIT
#include "ui/form/qt_convert.hpp"

#include <cmath>

namespace tessaly {

QColor toQColor(Color color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

int twips(int value) {
    return static_cast<int>(std::lround(value / 15.0));
}

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

std::string utf8(const QString& text) {
    return text.toStdString();
}

} // namespace tessaly
