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

// The headers on their own, for either language.
std::string basicHeader(char variable, float start, float end, std::int16_t step);
std::string javaHeader(char variable, float start, float end, std::int16_t step);

} // namespace tessaly
