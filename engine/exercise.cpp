#include "exercise.hpp"

#include "loops.hpp"
#include "number_text.hpp"

namespace tessaly {

void Exercise::Form_Load(float secondsSinceMidnight) {
    if (menus.mnu11.checked) {
        lblLevel = "Level 1";
    }
    if (menus.mnu12.checked) {
        lblLevel = "Level 2";
    }
    if (menus.mnu13.checked) {
        lblLevel = "Level 3";
    }
    random_.seed(secondsSinceMidnight);
    // The window opens at Level 2 with every cell shown, so problems may use the
    // zero row and column from the start, as Level 2 does.
    state.FirstIndex = 1;
    ResetArray();
    state.RightCount = 0;
    state.WrongCount = 0;
    state.ProblemLimit = 20;
    lblProbLimit = numberText(state.ProblemLimit);
    state.ClickOrder = 1;
    state.LanguageFlag = FlagFalse;
    state.TestPending = FlagTrue;
    cmdNewProgram_Click();
    DisplayProgram();
    grid.captionIndexLabels();
}

void Exercise::cmdNewProgram_Click() {
    state.ClickOrder = 1;
    ResetArray();
    InitializeLoops();
    DisplayProgram();
}

void Exercise::InitializeLoops() {
    tessaly::InitializeLoops(state, random_);
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
    for (MenuEntry* entry : {&menus.mnu10, &menus.mnu11, &menus.mnu12, &menus.mnu13, &menus.mnu20,
                             &menus.mnu21, &menus.mnu22}) {
        entry->enabled = false;
    }
}

MenuEntry& Exercise::levelEntry(int level) {
    return level == 1 ? menus.mnu11 : level == 2 ? menus.mnu12 : menus.mnu13;
}

void Exercise::chooseLevel(int level) {
    if (levelEntry(level).checked) {
        return;
    }
    lblLevel = levelEntry(level).caption;
    grid.showIndexLabels(level != 3);
    for (int n = 1; n <= 3; ++n) {
        levelEntry(n).checked = n == level;
    }
    state.FirstIndex = level == 1 ? 2 : 1;
    state.ClickOrder = 1;
    ResetArray();
    InitializeLoops();
    DisplayProgram();
    ToggleCells(state.FirstIndex, level != 3);
}

} // namespace tessaly
