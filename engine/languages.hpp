// SPDX-License-Identifier: MIT
#pragma once

#include "exercise_state.hpp"
#include "listing.hpp"

#include <array>
#include <cstdint>
#include <string_view>

namespace tessaly {

// What a language sets: the value of LanguageFlag that selects it, the fixed
// lines of its listing and the writer of its two loop headers.
struct Language {
    std::string_view menuName; // the language's entry in the Language menu
    std::string_view caption;  // the entry's caption
    std::int16_t languageFlag;
    void (Listing::*writeFixedLines)();
    HeaderWriter header;
};

inline constexpr auto Languages = std::to_array<Language>({
    {"mnu21", "Java", FlagTrue, &Listing::writeJavaLines, javaHeader},
    {"mnu22", "BASIC", FlagFalse, &Listing::writeBasicLines, basicHeader},
});

inline constexpr int LanguageCount = static_cast<int>(Languages.size());

// The language whose entry is checked when the window is created.
inline constexpr int LanguageAtCreation = 2;

// Language n, 1..LanguageCount.
constexpr const Language& language(int n) {
    return Languages.at(static_cast<std::size_t>(n - 1));
}

} // namespace tessaly
