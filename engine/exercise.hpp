// SPDX-License-Identifier: MIT
#pragma once

#include "answer_grid.hpp"
#include "colors.hpp"
#include "exercise_state.hpp"
#include "levels.hpp"
#include "listing.hpp"
#include "random_source.hpp"

#include <array>
#include <string>
#include <vector>

namespace tessaly {

struct MenuEntry {
    std::string name; // the entry's name in the menu tree, "mnu21"
    std::string caption;
    bool checked = false;
    bool enabled = true;
};

// The menu tree of the exercise window: Level (one entry per row of the level
// table), Language and Instructions.
struct Menus {
    Menus();

    MenuEntry mnu10{"mnu10", "Level"};
    std::array<MenuEntry, LevelCount> levels; // in level order, mnu11 first
    MenuEntry mnu20{"mnu20", "Language"};
    MenuEntry mnu21{"mnu21", "Java"};
    MenuEntry mnu22{"mnu22", "BASIC", true};
    MenuEntry mnu30{"mnu30", "Instructions"};

    // The entry of level n, 1..LevelCount.
    MenuEntry& level(int n) { return levels.at(static_cast<std::size_t>(n - 1)); }
    const MenuEntry& level(int n) const { return levels.at(static_cast<std::size_t>(n - 1)); }

    // Every entry, in the order the menu bar shows them.
    std::vector<MenuEntry*> all();
    std::vector<const MenuEntry*> all() const;
};

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
    std::string lblLevel{level(1).caption};
    std::string cmdRun = "Test Now!";

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
    // The grid shows the last test's result: from "Test Now!" until "Next".
    bool showsTestResult() const { return state.TestPending == 0; }

    // What a student who cannot see the window is told. After Start and each
    // "Next": "Problem 2 of 20. For X = 1 to 3. For Y = 0 to 4 Step 2", the
    // loop headers as the listing shows them.
    std::string problemAnnouncement() const;
    // After a test: the verdict; after the last one also that the series is
    // over and what Print does.
    std::string testAnnouncement() const;
    // Cell k (1..CellCount): its place and state, and its caption and state
    // as a press on it changes them.
    std::string describeCell(int k) const { return grid.describeCell(k, showsTestResult()); }
    std::string cellAnnouncement(int k) const { return grid.announceCell(k, showsTestResult()); }

    // Level n (1..LevelCount) as its row in the level table says: a checked
    // level does nothing; otherwise it redraws the problem.
    void chooseLevel(int n);
    void mnu11_Click() { chooseLevel(1); }
    void mnu12_Click() { chooseLevel(2); }
    void mnu13_Click() { chooseLevel(3); }
    void ToggleCells(int i, bool turnOn) { grid.ToggleCells(i, turnOn); }

    // Languages: Java and BASIC; the current problem stays.
    void mnu21_Click();
    void mnu22_Click();

    void cmdStart_Click();
    void mnu30_Click() { fraInstructionsVisible = true; }
    void cmdOK_Click() { fraInstructionsVisible = false; }

    // The sign-in window's commands: a box's whole text into its label, and
    // the date of the sign-in.
    void writeStudentData(std::string StudentData::*label, std::string text);
    void writeSignInDate(std::string date) { student.lblDate = std::move(date); }

private:
    void captionCheckedLevel();
    void testRun();
    void nextProblem();
    int replayLoops(int& visited);
    int sweepStrayMarks();
    void score(bool wrong);
    void describeVerdict(bool wrong, int rightCells, int visited, int strayMarks);
    void endSeries();

    RandomSource& random_;
};

} // namespace tessaly
