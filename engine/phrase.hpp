// SPDX-License-Identifier: MIT
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tessaly {

// A sentence that a student reads or hears, as the engine writes it: English,
// whole, with placeholders %1..%9 for its arguments and %n for a count that
// chooses the plural form. The windows show it in the student's language.
struct Phrase {
    const char* context; // the group the sentence belongs to in the catalogues
    const char* source;  // the English text; for a count, its plural form
    // The English singular of a counted sentence, which is also its
    // disambiguation in the catalogues; null for every other sentence.
    const char* one = nullptr;
};

// How the engine marks its sentences where it writes them, so that `lupdate`
// finds them (the build names these as aliases of Qt's own markers).
#define TESSALY_TEXT(context, source)                                                              \
    ::tessaly::Phrase {                                                                            \
        context, source                                                                            \
    }
#define TESSALY_PLURAL(context, source, one)                                                       \
    ::tessaly::Phrase {                                                                            \
        context, source, one                                                                       \
    }

// What the windows provide: the sentence in the student's language, with its
// placeholders left in place and for a count the plural form that suits it;
// an empty text when the catalogue has none, so that the English stays.
class Translator {
public:
    virtual ~Translator() = default;
    virtual std::string translate(const Phrase& phrase, int count) const = 0;
};

// The translator of every sentence from now on; null (the start) keeps the
// English of the sources, byte for byte. Not owned; it must outlive its use.
void useTranslator(const Translator* translator);

// The sentence with %1, %2 ... replaced by `arguments` in order (each one
// inserted as it is, never read for placeholders again).
std::string say(const Phrase& phrase, std::initializer_list<std::string_view> arguments = {});
// A counted sentence: also %n replaced by `count`, in the form that suits it.
std::string sayCount(const Phrase& phrase, int count,
                     std::initializer_list<std::string_view> arguments = {});

} // namespace tessaly
