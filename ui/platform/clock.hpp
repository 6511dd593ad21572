// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QTime>

namespace tessaly {

// The date of today in the system's short date format.
QString shortDate();

// Seconds since midnight, local time, with their fraction, for seeding the exercise.
float secondsSinceMidnight();
float secondsSinceMidnight(QTime time);

} // namespace tessaly
