// SPDX-License-Identifier: MIT
#include "engine/exercise.hpp"
#include "engine/phrase.hpp"

#include <gtest/gtest.h>

#include <map>

namespace tessaly {
namespace {

constexpr Phrase Marks = TESSALY_PLURAL("Test", "%1: %n marks", "%1: %n mark");
constexpr Phrase Swap = TESSALY_TEXT("Test", "%2 before %1, %2 again");
constexpr Phrase Lacking = TESSALY_TEXT("Test", "%1 and %2, not translated");

// A catalogue as the windows give it: by source text, a pattern per plural
// form (one for 1, other for the rest; a sentence without a count has one),
// placeholders left in place.
class Catalogue : public Translator {
public:
    std::map<std::string, std::pair<std::string, std::string>> entries;

    std::string translate(const Phrase& phrase, int count) const override {
        const auto found = entries.find(phrase.source);
        if (found == entries.end()) {
            return {};
        }
        return count == 1 || count < 0 ? found->second.first : found->second.second;
    }
};

struct Case {
    const char* name;
    bool translated;
    const Phrase* phrase;
    int count; // -1: not a counted sentence
    std::vector<std::string> arguments;
    std::string expected;
};

// By its name: GoogleTest would otherwise print the case's bytes, padding included.
void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

class PhraseTest : public testing::TestWithParam<Case> {
protected:
    void TearDown() override { useTranslator(nullptr); }
};

TEST_P(PhraseTest, FillsTheSentenceItsLanguageHas) {
    const Case& c = GetParam();
    Catalogue german;
    german.entries = {{"%1: %n marks", {"%1: %n Markierung", "%1: %n Markierungen"}},
                      {"%2 before %1, %2 again", {"%2 vor %1, %2 noch einmal", ""}}};
    useTranslator(c.translated ? &german : nullptr);
    const auto& a = c.arguments;
    const std::string said =
        c.count < 0 ? say(*c.phrase, {a.at(0), a.at(1)}) : sayCount(*c.phrase, c.count, {a.at(0)});
    EXPECT_EQ(said, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Phrases, PhraseTest,
    testing::Values(
        Case{"EnglishOne", false, &Marks, 1, {"A"}, "A: 1 mark"},
        Case{"EnglishNone", false, &Marks, 0, {"A"}, "A: 0 marks"},
        Case{"EnglishMany", false, &Marks, 2, {"A"}, "A: 2 marks"},
        Case{"GermanOne", true, &Marks, 1, {"A"}, "A: 1 Markierung"},
        Case{"GermanMany", true, &Marks, 3, {"A"}, "A: 3 Markierungen"},
        // Arguments in any order and more than once; an argument that holds a
        // placeholder or a percent sign is inserted as it is.
        Case{"Reordered", false, &Swap, -1, {"x", "y"}, "y before x, y again"},
        Case{"ArgumentsAsTheyAre", false, &Swap, -1, {"%2", "66%"}, "66% before %2, 66% again"},
        Case{"GermanReordered", true, &Swap, -1, {"x", "y"}, "y vor x, y noch einmal"},
        // A sentence the catalogue lacks stays English.
        Case{"NotInTheCatalogue", true, &Lacking, -1, {"x", "y"}, "x and y, not translated"}),
    [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

// With a translator, the engine's own texts come out translated; without, as they were.
TEST(PhraseTest, EngineTextsFollowTheTranslator) {
    Catalogue german;
    german.entries = {{"Test Now!", {"Jetzt prüfen!", "Jetzt prüfen!"}}};
    useTranslator(&german);
    EXPECT_EQ(say(TestNow), "Jetzt prüfen!");
    useTranslator(nullptr);
    EXPECT_EQ(say(TestNow), "Test Now!");
}

} // namespace
} // namespace tessaly
