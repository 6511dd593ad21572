// SPDX-License-Identifier: MIT
#pragma once

#include "exercise_state.hpp"
#include "listing.hpp"

#include <array>
#include <cstdint>
#include <string_view>

namespace tessaly {

// What a language sets: the value of LanguageFlag that selects its loop
// headers, and the fixed lines of its listing.
struct Language {
    std::string_view menuName; // the language's entry in the Language menu
    std::string_view caption;  // the entry's caption
    std::int16_t languageFlag;
    void (Listing::*writeFixedLines)();
};

inline constexpr auto Languages = std::to_array<Language>({
    {"mnu21", "Java", FlagTrue, &Listing::writeJavaLines},
    {"mnu22", "BASIC", FlagFalse, &Listing::writeBasicLines},
});

inline constexpr int LanguageCount = static_cast<int>(Languages.size());

// The language whose entry is checked when the window is created.
inline constexpr int LanguageAtCreation = 2;

// Language n, 1..LanguageCount.
constexpr const Language& language(int n) {
    return Languages.at(static_cast<std::size_t>(n - 1));
}

} // namespace tessaly
