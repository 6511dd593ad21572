// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace tessaly {

// Flags are 16-bit integers: 0 is false, -1 is true, inverted by bitwise complement.
inline constexpr std::int16_t FlagTrue = -1;
inline constexpr std::int16_t FlagFalse = 0;

// The number of problems in a series.
inline constexpr std::int16_t SeriesLength = 20;

// The state of one exercise window, in the declared order. Bounds are internal
// 1-based indices (shown index = internal - 1) held as whole-valued floats.
struct ExerciseState {
    float XStart = 0;
    float XEnd = 0;
    std::int16_t XStep = 0;
    float YStart = 0;
    float YEnd = 0;
    std::int16_t YStep = 0;
    std::int16_t ClickOrder = 1;
    std::int16_t FirstIndex = 1;
    std::int16_t LanguageFlag = FlagFalse;
    // 0: the listing is in the language LanguageFlag selects; otherwise the
    // row of the language table of a language added beside those two.
    std::int16_t AddedLanguage = 0;
    std::int16_t TestPending = FlagTrue;
    double RightCount = 0;
    std::int16_t WrongCount = 0;
    std::int16_t ProblemLimit = SeriesLength;
};

} // namespace tessaly
