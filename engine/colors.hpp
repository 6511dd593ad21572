// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace tessaly {

// Colours are 24-bit values written 0x00BBGGRR (blue, green, red), as the layout gives them.
using Color = std::uint32_t;

namespace colors {
inline constexpr Color Black = 0x000000;
inline constexpr Color White = 0xFFFFFF;
inline constexpr Color Yellow = 0x00FFFF; // a cell marked by the student
inline constexpr Color Green = 0x00FF00;  // visited by the test run, right
inline constexpr Color Red = 0x0000FF;    // visited by the test run, wrong or missing
inline constexpr Color Orange = 0x0080FF; // marked but never visited
inline constexpr Color Grey = 0xC0C0C0;
inline constexpr Color LightGrey = 0xE0E0E0;
inline constexpr Color LightCyan = 0xFFFFC0;
inline constexpr Color LightGreen = 0x80FF80;
inline constexpr Color LightRed = 0xC0C0FF;
inline constexpr Color LightOrange = 0xC0E0FF;
inline constexpr Color LightYellow = 0xC0FFFF;
inline constexpr Color PaleYellow = 0x80FFFF;
} // namespace colors

} // namespace tessaly
