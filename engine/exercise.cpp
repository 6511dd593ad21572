// SPDX-License-Identifier: MIT
#include "exercise.hpp"

#include "loops.hpp"
#include "number_text.hpp"

namespace tessaly {

Menus::Menus() {
    for (int n = 1; n <= LevelCount; ++n) {
        level(n) = MenuEntry{std::string(tessaly::level(n).menuName),
                             std::string(tessaly::level(n).caption), n == LevelAtCreation};
    }
}

std::vector<MenuEntry*> Menus::all() {
    std::vector<MenuEntry*> entries{&mnu10};
    for (MenuEntry& entry : levels) {
        entries.push_back(&entry);
    }
    entries.insert(entries.end(), {&mnu20, &mnu21, &mnu22, &mnu30});
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
}

void Exercise::DisplayProgram() {
    listing.DisplayProgram(state);
}

void Exercise::mnu21_Click() {
    state.LanguageFlag = FlagTrue;
    menus.mnu21.checked = true;
    menus.mnu22.checked = false;
    listing.writeJavaLines();
    DisplayProgram();
}

void Exercise::mnu22_Click() {
    state.LanguageFlag = FlagFalse;
    menus.mnu21.checked = false;
    menus.mnu22.checked = true;
    listing.writeBasicLines();
    DisplayProgram();
}

void Exercise::cmdStart_Click() {
    lblProbNum = "1";
    cmdStartVisible = false;
    fraProgramVisible = true;
    // Level and language are chosen before Start only; Instructions stays.
    for (MenuEntry* entry : menus.all()) {
        if (entry != &menus.mnu30) {
            entry->enabled = false;
        }
    }
}

void Exercise::chooseLevel(int n) {
    if (menus.level(n).checked) {
        return;
    }
    const Level& row = level(n);
    lblLevel = row.caption;
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
