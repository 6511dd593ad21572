// SPDX-License-Identifier: MIT
#pragma once

#include "exercise_state.hpp"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly {

// The texts of the nine lines of a listing, element 0 first.
using FixedLines = std::array<std::string_view, 9>;

// The nine lines of the program fragment, lblCode(0) to lblCode(8).
class Listing {
public:
    static constexpr int LineCount = std::tuple_size_v<FixedLines>;
    static constexpr int OuterHeader = 3;
    static constexpr int InnerHeader = 4;
    static constexpr int Store = 5; // the line that writes the order number into the array

    // The texts the labels hold when the window is created.
    Listing();

    const std::string& line(int element) const { return lblCode.at(element); }
    const std::array<std::string, LineCount>& lines() const { return lblCode; }

    // Rewrites the two loop headers (elements 3 and 4) from the loop fields in
    // the listing's language (see listingLanguage).
    void DisplayProgram(const ExerciseState& state);

    // Writes a language's fixed lines into elements 0-2 and 5-8.
    void writeFixedLines(const FixedLines& lines);

private:
    std::array<std::string, LineCount> lblCode;
};

// The headers on their own, in each language: variable 'X' or 'Y', start and
// end internal (1..5), step 1 or 2. Every language but BASIC writes the bound
// after "<" or in range() exclusive, the internal end itself.
std::string basicHeader(char variable, float start, float end, std::int16_t step);
std::string javaHeader(char variable, float start, float end, std::int16_t step);
std::string pythonHeader(char variable, float start, float end, std::int16_t step);
std::string cHeader(char variable, float start, float end, std::int16_t step);
std::string javaScriptHeader(char variable, float start, float end, std::int16_t step);

using HeaderWriter = std::string (*)(char variable, float start, float end, std::int16_t step);

// The header writer of the listing's language in `state`.
HeaderWriter headerWriter(const ExerciseState& state);

// Every text that element i (0..8) of a listing in language n
// (1..LanguageCount) can hold, over every problem that a level can draw:
// the fixed line, or every header of that loop.
std::array<std::vector<std::string>, Listing::LineCount> drawableLines(int language);

} // namespace tessaly
