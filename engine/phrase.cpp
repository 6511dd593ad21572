// SPDX-License-Identifier: MIT
#include "phrase.hpp"

#include "number_text.hpp"

namespace tessaly {

namespace {

const Translator* current = nullptr;

bool isArgumentDigit(char c) {
    return c >= '1' && c <= '9';
}

// One pass over the pattern, so that an argument holding "%2" stays as it is.
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> arguments,
                 std::string_view count) {
    std::string text;
    text.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && isArgumentDigit(next) &&
            static_cast<std::size_t>(next - '1') < arguments.size()) {
            text += arguments.begin()[next - '1'];
            ++i;
        } else if (pattern[i] == '%' && next == 'n' && !count.empty()) {
            text += count;
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string pattern(const Phrase& phrase, int count) {
    std::string translated = current != nullptr ? current->translate(phrase, count) : "";
    if (!translated.empty()) {
        return translated;
    }
    return phrase.one != nullptr && count == 1 ? phrase.one : phrase.source;
}

} // namespace

void useTranslator(const Translator* translator) {
    current = translator;
}

std::string say(const Phrase& phrase, std::initializer_list<std::string_view> arguments) {
    return fill(pattern(phrase, -1), arguments, {});
}

std::string sayCount(const Phrase& phrase, int count,
                     std::initializer_list<std::string_view> arguments) {
    return fill(pattern(phrase, count), arguments, numberText(count));
}

} // namespace tessaly
