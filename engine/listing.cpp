// SPDX-License-Identifier: MIT
#include "listing.hpp"

#include "languages.hpp"
#include "number_text.hpp"

namespace tessaly {

namespace {

using Lines = std::array<const char*, Listing::LineCount>;

// Elements 3 and 4 are the headers and are never taken from these tables.
constexpr Lines AtCreation = {"Dim X,Y,Order As Integer",
                              "Dim A(4,4) As Integer",
                              "Order = 1",
                              "For X = 0 to 4",
                              "For Y = 0 to 4",
                              "A(X,Y)=Order",
                              "Order = Order + 1",
                              "Next Y",
                              "Next X"};
constexpr Lines Basic = {"Dim X,Y,Order As Integer",
                         "Dim A(4,4) As Integer",
                         "Order = 1",
                         "",
                         "",
                         "A(X,Y)=Order",
                         "Order = Order+1",
                         "Next Y",
                         "Next X"};
constexpr Lines Java = {"int x, y, order = 1;",
                        "int a[ ][ ] = new int[5][5];",
                        "order = 1;",
                        "",
                        "",
                        "a[x][y] = order;",
                        "order++;",
                        "}",
                        "}"};

char lower(char variable) {
    return static_cast<char>(variable - 'A' + 'a');
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
    const std::string v(1, lower(variable));
    std::string increment = step >= 2 ? "; " + v + " += " + numberText(step) : "; " + v + "++";
    return "for (" + v + "= " + numberText(start - 1.0f) + "; " + v + "< " + numberText(end) +
           increment + " ) {";
}

HeaderWriter headerWriter(std::int16_t languageFlag) {
    for (const Language& row : Languages) {
        if (row.languageFlag == languageFlag) {
            return row.header;
        }
    }
    return javaHeader; // the flag is tested for zero: any other value is Java's
}

void Listing::DisplayProgram(const ExerciseState& state) {
    const HeaderWriter header = headerWriter(state.LanguageFlag);
    lblCode[OuterHeader] = header('X', state.XStart, state.XEnd, state.XStep);
    lblCode[InnerHeader] = header('Y', state.YStart, state.YEnd, state.YStep);
}

namespace {
void writeFixed(std::array<std::string, Listing::LineCount>& target, const Lines& source) {
    for (int i : {0, 1, 2, 5, 6, 7, 8}) {
        target[i] = source[i];
    }
}
} // namespace

void Listing::writeBasicLines() {
    writeFixed(lblCode, Basic);
}
void Listing::writeJavaLines() {
    writeFixed(lblCode, Java);
}

} // namespace tessaly
