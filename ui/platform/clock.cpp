// SPDX-License-Identifier: MIT
#include "ui/platform/clock.hpp"

#include <QDate>
#include <QLocale>

namespace tessaly {

QString shortDate() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

float secondsSinceMidnight(QTime time) {
    // With its fraction: students who start in the same second still get
    // problems of their own.
    return static_cast<float>(time.msecsSinceStartOfDay() / 1000.0);
}

float secondsSinceMidnight() {
    return secondsSinceMidnight(QTime::currentTime());
}

} // namespace tessaly
