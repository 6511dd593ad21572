// SPDX-License-Identifier: MIT
#pragma once

#include "answer_grid.hpp"
#include "colors.hpp"
#include "diagnosis.hpp"
#include "exercise_state.hpp"
#include "languages.hpp"
#include "levels.hpp"
#include "listing.hpp"
#include "phrase.hpp"
#include "random_source.hpp"
#include "replay.hpp"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tessaly {

struct MenuEntry {
    std::string name; // the entry's name in the menu tree, "mnu21"
    std::string caption;
    bool checked = false;
    bool enabled = true;
};

// One title of the menu bar: a menu with its entries, or a command of its
// own when it has none.
template <typename Entry> struct MenuTitle {
    Entry* title;
    std::vector<Entry*> entries;
};

// The menu tree of the exercise window: Level (one entry per row of the level
// table), Language (one per row of the language table), Instructions, and
// Explain at the end of the menu bar.
struct Menus {
    Menus();

    MenuEntry mnu10{"mnu10", say(TESSALY_TEXT("Menus", "Level"))};
    std::array<MenuEntry, LevelCount> levels; // in level order, mnu11 first
    MenuEntry mnu20{"mnu20", say(TESSALY_TEXT("Menus", "Language"))};
    std::array<MenuEntry, LanguageCount> languages; // in table order, mnu21 first
    MenuEntry mnu30{"mnu30", say(TESSALY_TEXT("Menus", "Instructions"))};
    // Enabled from a test until the next problem is drawn; Start leaves it alone.
    MenuEntry mnu40{"mnu40", say(TESSALY_TEXT("Menus", "Explain")), false, false};

    // The entry of level n, 1..LevelCount, and of language n, 1..LanguageCount.
    MenuEntry& level(int n) { return levels.at(static_cast<std::size_t>(n - 1)); }
    const MenuEntry& level(int n) const { return levels.at(static_cast<std::size_t>(n - 1)); }
    MenuEntry& language(int n) { return languages.at(static_cast<std::size_t>(n - 1)); }
    const MenuEntry& language(int n) const { return languages.at(static_cast<std::size_t>(n - 1)); }

    // The menu bar, title by title, in the order it shows them.
    std::vector<MenuTitle<MenuEntry>> bar();
    std::vector<MenuTitle<const MenuEntry>> bar() const;

    // Every entry, titles included, in the order of bar().
    std::vector<MenuEntry*> all();
    std::vector<const MenuEntry*> all() const;
};

// The test button's caption while a test is pending; "Next" while the result shows.
inline constexpr Phrase TestNow = TESSALY_TEXT("Exercise", "Test Now!");
inline constexpr Phrase Next = TESSALY_TEXT("Exercise", "Next");

// The five captions of the student-data frame, written by the sign-in window.
struct StudentData {
    std::string lblPeriod = "18";
    std::string lblID;
    std::string lblDate;
    std::string lblName;
    std::string lblTeacher;
};

// Everything the exercise window shows and keeps, with the procedures and
// commands that change it. The window mirrors this after every command.
class Exercise {
public:
    explicit Exercise(RandomSource& random) : random_(random) {}

    ExerciseState state;
    AnswerGrid grid;
    Listing listing;
    Menus menus;
    StudentData student;

    std::string lblProbNum = "0";
    std::string lblProbLimit = "0";
    std::string lblRight = "0";
    std::string lblWrong = "0";
    std::string lblScore = "0%";
    std::string lblLevel = say(level(1).caption);
    std::string cmdRun = say(TestNow);

    // The last test's verdict and the totals, in words, for a student who
    // cannot see the colours; empty until a test and again after "Next".
    std::string verdict;
    // How many problems have been drawn; a new problem changes it.
    int problemsDrawn = 0;

    bool fraProgramVisible = false;
    bool fraArrayVisible = true;
    bool fraInstructionsVisible = false;
    bool lblScoreVisible = true;
    bool cmdStartVisible = true;
    bool cmdPrintVisible = false;
    Color backColor = colors::Grey;

    // The window's load: level caption, seeding, first values, first problem.
    void Form_Load(float secondsSinceMidnight);

    // Drawing a problem: ClickOrder 1, ResetArray, InitializeLoops, DisplayProgram.
    void cmdNewProgram_Click();
    void InitializeLoops();
    void DisplayProgram();
    void ResetArray() { grid.ResetArray(); }

    // A click on cell 1..25 (throws std::out_of_range for any other index).
    void lblCell_Click(int index) { grid.lblCell_Click(index, state.ClickOrder); }

    // "Test Now!" (test run and scoring) or "Next" (the next problem).
    void cmdRun_Click();
    bool seriesOver() const;
    // Whether "Test Now!" is showing: the next press tests the marks.
    bool testPending() const { return state.TestPending != 0; }

    // What a student who cannot see the window is told. After Start and each
    // "Next": "Problem 2 of 20. For X = 1 to 3. For Y = 0 to 4 Step 2", the
    // loop headers as the listing shows them.
    std::string problemAnnouncement() const;
    // After a test: the verdict; after the last one also that the series is
    // over and what Print does.
    std::string testAnnouncement() const;
    // Cell k (1..CellCount): its place and state, and its caption and state
    // as a press on it changes them; after a test they tell its result.
    std::string describeCell(int k) const { return grid.describeCell(k, !testPending()); }
    std::string cellAnnouncement(int k) const { return grid.announceCell(k, !testPending()); }

    // Level n (1..LevelCount) as its row in the level table says: a checked
    // level does nothing; otherwise it redraws the problem.
    void chooseLevel(int n);
    void mnu11_Click() { chooseLevel(1); }
    void mnu12_Click() { chooseLevel(2); }
    void mnu13_Click() { chooseLevel(3); }
    void ToggleCells(int i, bool turnOn) { grid.ToggleCells(i, turnOn); }

    // Language n (1..LanguageCount) as its row in the language table says;
    // the current problem stays.
    void chooseLanguage(int n);
    void mnu21_Click() { chooseLanguage(1); }
    void mnu22_Click() { chooseLanguage(2); }

    void cmdStart_Click();
    void mnu30_Click() { fraInstructionsVisible = true; }
    void cmdOK_Click() { fraInstructionsVisible = false; }

    // The sign-in window's commands: a box's whole text into its label, and
    // the date of the sign-in.
    void writeStudentData(std::string StudentData::*label, std::string text);
    void writeSignInDate(std::string date) { student.lblDate = std::move(date); }

    // Explain: available from the moment a problem is tested until the next
    // problem is drawn (after the last test, for good); menus.mnu40 mirrors it.
    bool explainAvailable() const { return testedMarks_.has_value(); }
    // The student's marks as they were when "Test Now!" was pressed, and what
    // they say against the tested problem. Precondition: explainAvailable()
    // (std::logic_error otherwise).
    const Marks& testedMarks() const;
    Diagnosis diagnosis() const { return diagnose(state, testedMarks()); }
    Replay replay() const { return Replay(state, testedMarks()); }

private:
    void captionCheckedLevel();
    void keepTestedMarks(std::optional<Marks> marks);
    void testRun();
    void nextProblem();
    int replayLoops(int& visited);
    int sweepStrayMarks();
    void score(bool wrong);
    void describeVerdict(bool wrong, int rightCells, int visited, int strayMarks);
    void endSeries();

    RandomSource& random_;
    std::optional<Marks> testedMarks_;
};

} // namespace tessaly
