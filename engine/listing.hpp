// SPDX-License-Identifier: MIT
#pragma once

#include "exercise_state.hpp"

#include <array>
#include <string>

namespace tessaly {

// The nine lines of the program fragment, lblCode(0) to lblCode(8).
class Listing {
public:
    static constexpr int LineCount = 9;
    static constexpr int OuterHeader = 3;
    static constexpr int InnerHeader = 4;
    static constexpr int Store = 5; // the line that writes the order number into the array

    // The texts the labels hold when the window is created.
    Listing();

    const std::string& line(int element) const { return lblCode.at(element); }
    const std::array<std::string, LineCount>& lines() const { return lblCode; }

    // Rewrites the two loop headers (elements 3 and 4) from the loop fields in
    // the language that LanguageFlag selects (0 BASIC, anything else Java).
    void DisplayProgram(const ExerciseState& state);

    // Writes the fixed lines of BASIC or Java into elements 0-2 and 5-8.
    void writeBasicLines();
    void writeJavaLines();

private:
    std::array<std::string, LineCount> lblCode;
};

// The headers on their own, for either language: variable 'X' or 'Y', start
// and end internal (1..5), step 1 or 2.
std::string basicHeader(char variable, float start, float end, std::int16_t step);
std::string javaHeader(char variable, float start, float end, std::int16_t step);

// The header writer of the language that languageFlag selects in the language
// table (0 BASIC, anything else Java).
using HeaderWriter = std::string (*)(char variable, float start, float end, std::int16_t step);
HeaderWriter headerWriter(std::int16_t languageFlag);

} // namespace tessaly
