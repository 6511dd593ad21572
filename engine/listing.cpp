// SPDX-License-Identifier: MIT
#include "listing.hpp"

#include "languages.hpp"
#include "loops.hpp"
#include "number_text.hpp"

namespace tessaly {

namespace {

constexpr FixedLines AtCreation = {"Dim X,Y,Order As Integer",
                                   "Dim A(4,4) As Integer",
                                   "Order = 1",
                                   "For X = 0 to 4",
                                   "For Y = 0 to 4",
                                   "A(X,Y)=Order",
                                   "Order = Order + 1",
                                   "Next Y",
                                   "Next X"};

std::string lower(char variable) {
    return std::string(1, static_cast<char>(variable - 'A' + 'a'));
}

// The C/C++ and JavaScript header, declaring the variable as `declaration`.
std::string declaringHeader(const char* declaration, char variable, float start, float end,
                            std::int16_t step) {
    const std::string v = lower(variable);
    const std::string increment = step >= 2 ? v + " += " + numberText(step) : v + "++";
    return std::string("for (") + declaration + v + " = " + numberText(start - 1.0f) + "; " + v +
           " < " + numberText(end) + "; " + increment + ") {";
}

} // namespace

Listing::Listing() {
    for (int i = 0; i < LineCount; ++i) {
        lblCode[i] = AtCreation[i];
    }
}

std::string basicHeader(char variable, float start, float end, std::int16_t step) {
    std::string text = std::string("For ") + variable + " = " + numberText(start - 1.0f) + " to " +
                       numberText(end - 1.0f);
    if (step >= 2) {
        text += " Step " + numberText(step);
    }
    return text;
}

std::string javaHeader(char variable, float start, float end, std::int16_t step) {
    const std::string v = lower(variable);
    std::string increment = step >= 2 ? "; " + v + " += " + numberText(step) : "; " + v + "++";
    return "for (" + v + "= " + numberText(start - 1.0f) + "; " + v + "< " + numberText(end) +
           increment + " ) {";
}

std::string pythonHeader(char variable, float start, float end, std::int16_t step) {
    const std::string stepText = step >= 2 ? ", " + numberText(step) : std::string();
    return "for " + lower(variable) + " in range(" + numberText(start - 1.0f) + ", " +
           numberText(end) + stepText + "):";
}

std::string cHeader(char variable, float start, float end, std::int16_t step) {
    return declaringHeader("int ", variable, start, end, step);
}

std::string javaScriptHeader(char variable, float start, float end, std::int16_t step) {
    return declaringHeader("let ", variable, start, end, step);
}

int listingLanguage(const ExerciseState& state) {
    if (state.AddedLanguage != 0) {
        return state.AddedLanguage;
    }
    int java = 0;
    for (int n = 1; n <= LanguageCount; ++n) {
        const std::optional<std::int16_t> flag = language(n).languageFlag;
        if (flag == state.LanguageFlag) {
            return n;
        }
        java = flag == FlagTrue ? n : java;
    }
    return java; // the flag is tested for zero: any other value is Java's
}

HeaderWriter headerWriter(const ExerciseState& state) {
    return language(listingLanguage(state)).header;
}

void Listing::DisplayProgram(const ExerciseState& state) {
    const HeaderWriter header = headerWriter(state);
    lblCode[OuterHeader] = header('X', state.XStart, state.XEnd, state.XStep);
    lblCode[InnerHeader] = header('Y', state.YStart, state.YEnd, state.YStep);
}

void Listing::writeFixedLines(const FixedLines& lines) {
    for (int i : {0, 1, 2, 5, 6, 7, 8}) {
        lblCode[i] = lines[i];
    }
}

std::array<std::vector<std::string>, Listing::LineCount> drawableLines(int n) {
    const Language& row = language(n);
    std::array<std::vector<std::string>, Listing::LineCount> lines;
    for (int i = 0; i < Listing::LineCount; ++i) {
        lines[i] = {std::string(row.fixedLines[i])};
    }
    lines[Listing::OuterHeader].clear();
    lines[Listing::InnerHeader].clear();
    for (const Loop& loop : drawableLoops()) {
        const auto header = [&](char variable) {
            return row.header(variable, static_cast<float>(loop.start),
                              static_cast<float>(loop.end), static_cast<std::int16_t>(loop.step));
        };
        lines[Listing::OuterHeader].push_back(header('X'));
        lines[Listing::InnerHeader].push_back(header('Y'));
    }
    return lines;
}

} // namespace tessaly
