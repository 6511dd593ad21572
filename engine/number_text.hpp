// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace tessaly {

// Decimal text of a number with no blank before or after it; a whole-valued
// real is written without point or fraction (2.0 -> "2", -3 -> "-3").
std::string numberText(double value);

// The value of the longest leading part of `text` that reads as a decimal
// number, after leading blanks; 0 when there is none ("12abc" -> 12, "x" -> 0).
double textToNumber(std::string_view text);

} // namespace tessaly
