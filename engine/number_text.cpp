// SPDX-License-Identifier: MIT
#include "number_text.hpp"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace tessaly {

std::string numberText(double value) {
    if (value == 0.0) {
        return "0"; // also -0.0
    }
    if (std::trunc(value) == value && std::fabs(value) < 1e15) {
        return std::to_string(static_cast<std::int64_t>(value));
    }
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

// Length of the exponent part ("e5", "E-3") at pos, or 0 if none is there.
std::size_t exponentLength(std::string_view text, std::size_t pos) {
    if (pos >= text.size() || (text[pos] != 'e' && text[pos] != 'E')) {
        return 0;
    }
    std::size_t p = pos + 1;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
        ++p;
    }
    std::size_t end = skipDigits(text, p);
    return end > p ? end - pos : 0;
}

} // namespace

double textToNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
        ++pos;
    }
    std::size_t start = pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    std::size_t digitsStart = pos;
    pos = skipDigits(text, pos);
    std::size_t intDigits = pos - digitsStart;
    std::size_t fracDigits = 0;
    if (pos < text.size() && text[pos] == '.') {
        std::size_t fracEnd = skipDigits(text, pos + 1);
        fracDigits = fracEnd - pos - 1;
        if (intDigits + fracDigits > 0) {
            pos = fracEnd;
        }
    }
    if (intDigits + fracDigits == 0) {
        return 0.0;
    }
    pos += exponentLength(text, pos);
    std::string number(text.substr(start, pos - start));
    if (number.front() == '+') {
        number.erase(0, 1);
    }
    double value = 0.0;
    auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec != std::errc()) {
        return 0.0; // out of range: no number a caption of ours can hold
    }
    return value;
}

} // namespace tessaly
