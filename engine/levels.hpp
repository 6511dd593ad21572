// SPDX-License-Identifier: MIT
#pragma once

#include "phrase.hpp"

#include <array>
#include <cstdint>
#include <string_view>

namespace tessaly {

// What a level sets: how loops are drawn (FirstIndex 1 lets them use the zero
// row and column, 2 keeps them off it, and the zero cells are shown exactly
// when FirstIndex is 1) and whether the coordinate labels show.
struct Level {
    std::string_view menuName; // the level's entry in the Level menu
    Phrase caption;            // the entry's caption, also shown in lblLevel
    std::int16_t firstIndex;
    bool indexLabelsShown;
};

inline constexpr auto Levels = std::to_array<Level>({
    {"mnu11", TESSALY_TEXT("Levels", "Level 1"), 2, true},
    {"mnu12", TESSALY_TEXT("Levels", "Level 2"), 1, true},
    {"mnu13", TESSALY_TEXT("Levels", "Level 3"), 1, false},
});

inline constexpr int LevelCount = static_cast<int>(Levels.size());

// The level whose entry is checked when the window is created. The load
// draws with its FirstIndex, so that what the window shows and what it draws agree.
inline constexpr int LevelAtCreation = 2;

// Level n, 1..LevelCount.
constexpr const Level& level(int n) {
    return Levels.at(static_cast<std::size_t>(n - 1));
}

} // namespace tessaly
