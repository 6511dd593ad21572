// SPDX-License-Identifier: MIT
#include "exercise.hpp"

#include "loops.hpp"
#include "number_text.hpp"

#include <stdexcept>

namespace tessaly {

Menus::Menus() {
    for (int n = 1; n <= LevelCount; ++n) {
        level(n) = MenuEntry{std::string(tessaly::level(n).menuName),
                             say(tessaly::level(n).caption), n == LevelAtCreation};
    }
    for (int n = 1; n <= LanguageCount; ++n) {
        language(n) = MenuEntry{std::string(tessaly::language(n).menuName),
                                std::string(tessaly::language(n).caption), n == LanguageAtCreation};
    }
}

namespace {

template <typename Entry, std::size_t N> std::vector<Entry*> pointers(std::array<Entry, N>& row) {
    std::vector<Entry*> entries;
    for (Entry& entry : row) {
        entries.push_back(&entry);
    }
    return entries;
}

} // namespace

std::vector<MenuTitle<MenuEntry>> Menus::bar() {
    return {{&mnu10, pointers(levels)}, {&mnu20, pointers(languages)}, {&mnu30, {}}, {&mnu40, {}}};
}

std::vector<MenuTitle<const MenuEntry>> Menus::bar() const {
    std::vector<MenuTitle<const MenuEntry>> titles;
    for (const MenuTitle<MenuEntry>& title : const_cast<Menus*>(this)->bar()) {
        titles.push_back({title.title, {title.entries.begin(), title.entries.end()}});
    }
    return titles;
}

std::vector<MenuEntry*> Menus::all() {
    std::vector<MenuEntry*> entries;
    for (const MenuTitle<MenuEntry>& title : bar()) {
        entries.push_back(title.title);
        entries.insert(entries.end(), title.entries.begin(), title.entries.end());
    }
    return entries;
}

std::vector<const MenuEntry*> Menus::all() const {
    const std::vector<MenuEntry*> entries = const_cast<Menus*>(this)->all();
    return {entries.begin(), entries.end()};
}

void Exercise::Form_Load(float secondsSinceMidnight) {
    captionCheckedLevel();
    random_.seed(secondsSinceMidnight);
    // The window opens with the level of creation checked and every cell shown,
    // so its problems are drawn as that level draws them from the start.
    state.FirstIndex = level(LevelAtCreation).firstIndex;
    ResetArray();
    state.RightCount = 0;
    state.WrongCount = 0;
    state.ProblemLimit = SeriesLength;
    lblProbLimit = numberText(state.ProblemLimit);
    state.ClickOrder = 1;
    state.LanguageFlag = FlagFalse;
    state.AddedLanguage = 0;
    state.TestPending = FlagTrue;
    cmdNewProgram_Click();
    DisplayProgram();
    grid.captionIndexLabels();
}

// Each later checked entry overwrites an earlier one; with none checked the
// caption stays as created.
void Exercise::captionCheckedLevel() {
    for (int n = 1; n <= LevelCount; ++n) {
        if (menus.level(n).checked) {
            lblLevel = menus.level(n).caption;
        }
    }
}

void Exercise::cmdNewProgram_Click() {
    state.ClickOrder = 1;
    ResetArray();
    InitializeLoops();
    DisplayProgram();
}

void Exercise::InitializeLoops() {
    tessaly::InitializeLoops(state, random_);
    ++problemsDrawn;
    keepTestedMarks(std::nullopt); // they belong to the problem just replaced
}

void Exercise::keepTestedMarks(std::optional<Marks> marks) {
    testedMarks_ = marks;
    menus.mnu40.enabled = marks.has_value();
}

const Marks& Exercise::testedMarks() const {
    if (!testedMarks_) {
        throw std::logic_error("no problem has been tested since it was drawn");
    }
    return *testedMarks_;
}

void Exercise::DisplayProgram() {
    listing.DisplayProgram(state);
}

void Exercise::chooseLanguage(int n) {
    const Language& row = language(n);
    if (row.languageFlag) {
        state.LanguageFlag = *row.languageFlag;
        state.AddedLanguage = 0;
    } else {
        state.AddedLanguage = static_cast<std::int16_t>(n);
    }
    for (int other = 1; other <= LanguageCount; ++other) {
        menus.language(other).checked = other == n;
    }
    listing.writeFixedLines(row.fixedLines);
    DisplayProgram();
}

void Exercise::cmdStart_Click() {
    lblProbNum = numberText(1);
    cmdStartVisible = false;
    fraProgramVisible = true;
    // The choices (the menus with entries: level and language) are made
    // before Start only; the commands, Instructions and Explain, are left alone.
    for (const MenuTitle<MenuEntry>& title : menus.bar()) {
        if (!title.entries.empty()) {
            title.title->enabled = false;
            for (MenuEntry* entry : title.entries) {
                entry->enabled = false;
            }
        }
    }
}

void Exercise::chooseLevel(int n) {
    if (menus.level(n).checked) {
        return;
    }
    const Level& row = level(n);
    lblLevel = say(row.caption);
    grid.showIndexLabels(row.indexLabelsShown);
    for (int other = 1; other <= LevelCount; ++other) {
        menus.level(other).checked = other == n;
    }
    state.FirstIndex = row.firstIndex;
    state.ClickOrder = 1;
    ResetArray();
    InitializeLoops();
    DisplayProgram();
    ToggleCells(row.firstIndex, row.indexLabelsShown);
}

void Exercise::writeStudentData(std::string StudentData::*label, std::string text) {
    student.*label = std::move(text);
}

} // namespace tessaly
