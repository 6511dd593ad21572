// SPDX-License-Identifier: MIT
#pragma once

#include "exercise_state.hpp"
#include "listing.hpp"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tessaly {

// What a language sets: how it is selected, the fixed lines of its listing
// (elements 0-2 and 5-8; "" is an empty line) and the writer of its two loop
// headers. Java and BASIC are selected by LanguageFlag; each language added
// beside them by AddedLanguage, which names its row.
struct Language {
    std::string_view menuName;                // the language's entry in the Language menu
    std::string_view caption;                 // the entry's caption
    std::optional<std::int16_t> languageFlag; // none: selected by AddedLanguage
    FixedLines fixedLines;                    // elements 3 and 4 are the headers' and unused
    HeaderWriter header;
};

// clang-format off
inline constexpr auto Languages = std::to_array<Language>({
    {"mnu21", "Java", FlagTrue,
     {"int x, y, order = 1;", "int a[ ][ ] = new int[5][5];", "order = 1;", "", "",
      "a[x][y] = order;", "order++;", "}", "}"},
     javaHeader},
    {"mnu22", "BASIC", FlagFalse,
     {"Dim X,Y,Order As Integer", "Dim A(4,4) As Integer", "Order = 1", "", "",
      "A(X,Y)=Order", "Order = Order+1", "Next Y", "Next X"},
     basicHeader},
    {"mnu23", "Python", std::nullopt,
     {"a = [[0] * 5 for _ in range(5)]", "order = 1", "", "", "",
      "a[x][y] = order", "order += 1", "", ""},
     pythonHeader},
    {"mnu24", "C/C++", std::nullopt,
     {"int a[5][5] = {0};", "int order = 1;", "", "", "",
      "a[x][y] = order;", "order++;", "}", "}"},
     cHeader},
    {"mnu25", "JavaScript", std::nullopt,
     {"const a = [[], [], [], [], []];", "let order = 1;", "", "", "",
      "a[x][y] = order;", "order++;", "}", "}"},
     javaScriptHeader},
});
// clang-format on

inline constexpr int LanguageCount = static_cast<int>(Languages.size());

// The language whose entry is checked when the window is created.
inline constexpr int LanguageAtCreation = 2;

// Language n, 1..LanguageCount.
constexpr const Language& language(int n) {
    return Languages.at(static_cast<std::size_t>(n - 1));
}

// The row of the language that the listing of `state` is in: AddedLanguage's
// when it names one, else the one LanguageFlag selects (0 BASIC, any other
// value Java).
int listingLanguage(const ExerciseState& state);

} // namespace tessaly
