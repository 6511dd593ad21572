// SPDX-License-Identifier: MIT
// Whole series of student events in random order. After every event the grid is
// compared with what the event should make of it, and invariants are read off
// the window. A failing run prints its seed and a reduced list of events.
//   TESSALY_SEED=N  replays seed N alone
//   TESSALY_RUNS=N  runs the fixed seeds 1..N (default 3000) and one fresh seed

#include "engine/exercise.hpp"
#include "engine/loops.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace tessaly {
namespace {

constexpr int Problems = 20;
using Cells = std::array<Cell, AnswerGrid::CellCount + 1>;

// The student's commands; a Click carries its cell.
enum Kind { Level1, Level2, Level3, Java, Basic, Instructions, OK, Start, Run, Click };
struct Event {
    Kind kind;
    int cell = 0;
};
const std::array<std::pair<const char*, void (Exercise::*)()>, Click> Commands{
    {{"Level 1", &Exercise::mnu11_Click},
     {"Level 2", &Exercise::mnu12_Click},
     {"Level 3", &Exercise::mnu13_Click},
     {"Java", &Exercise::mnu21_Click},
     {"BASIC", &Exercise::mnu22_Click},
     {"Instructions", &Exercise::mnu30_Click},
     {"OK", &Exercise::cmdOK_Click},
     {"Start", &Exercise::cmdStart_Click},
     {"cmdRun", &Exercise::cmdRun_Click}}};

std::string text(Event e) {
    return e.kind == Click ? "click " + std::to_string(e.cell) : Commands[e.kind].first;
}

// --- Loop headers read back from the listing -----------------------------------------

struct Loop {
    int start, end, step; // internal indices, end inclusive
};

// BASIC "For X = a to b[ Step s]"; Java "for (x= a; x< b; x++ ) {" or
// "for (x= a; x< b; x += s ) {". The numbers found must rebuild the very same text.
std::optional<Loop> parseHeader(const std::string& line, bool java, char var) {
    std::vector<int> n;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(line[i])) &&
            (i == 0 || !std::isdigit(static_cast<unsigned char>(line[i - 1])))) {
            n.push_back(std::atoi(line.c_str() + i));
        }
    }
    if (n.size() < 2 || n.size() > 3 || (n.size() == 3 && n[2] < 2)) {
        return std::nullopt;
    }
    const std::string v(1, java ? static_cast<char>(std::tolower(var)) : var);
    const std::string a = std::to_string(n[0]), b = std::to_string(n[1]);
    const std::string s = n.size() == 3 ? std::to_string(n[2]) : "";
    const std::string rebuilt =
        java ? "for (" + v + "= " + a + "; " + v + "< " + b + "; " + v +
                   (s.empty() ? "++" : " += " + s) + " ) {"
             : "For " + v + " = " + a + " to " + b + (s.empty() ? "" : " Step " + s);
    const Loop loop{n[0] + 1, java ? n[1] : n[1] + 1, s.empty() ? 1 : n[2]};
    return rebuilt == line ? std::optional(loop) : std::nullopt;
}

// As a problem draws it: start FirstIndex..4, two values or more, step 2 only over four or more.
bool drawable(std::optional<Loop> l, int firstIndex) {
    return l && l->start >= firstIndex && l->start <= 4 && l->end >= l->start + 1 && l->end <= 5 &&
           (l->step == 1 || (l->step == 2 && l->end >= l->start + 3));
}

// The cells that the listed headers visit, in order; none when they do not read back.
std::vector<int> listedCells(const Exercise& ex) {
    const bool java = ex.state.LanguageFlag != 0;
    const auto x = parseHeader(ex.listing.line(3), java, 'X');
    const auto y = parseHeader(ex.listing.line(4), java, 'Y');
    std::vector<int> cells;
    for (int i = x ? x->start : 6; x && y && i <= x->end; i += x->step) {
        for (int j = y->start; j <= y->end; j += y->step) {
            cells.push_back(cellIndex(i, j));
        }
    }
    return cells;
}

// --- Invariants read off the window --------------------------------------------------

// The series so far, as the events tell it.
struct Progress {
    bool started = false, reviewing = false, languageChosen = false, instructions = false;
    int tests = 0, right = 0;
};

std::string checkClickOrder(const Exercise& ex) {
    const int order = ex.state.ClickOrder;
    return order >= 1 && order <= 51 ? "" : "ClickOrder " + std::to_string(order);
}

// The headers are drawable and name exactly the cells that the test run visits.
std::string checkHeaders(const Exercise& ex) {
    const bool java = ex.state.LanguageFlag != 0;
    const bool ok = drawable(parseHeader(ex.listing.line(3), java, 'X'), ex.state.FirstIndex) &&
                    drawable(parseHeader(ex.listing.line(4), java, 'Y'), ex.state.FirstIndex) &&
                    listedCells(ex) == visitedCells(ex.state);
    return ok ? "" : "headers \"" + ex.listing.line(3) + "\" \"" + ex.listing.line(4) + "\"";
}

// One level checked; its caption, FirstIndex and the visibility of cells and labels.
std::string checkLevel(const Exercise& ex) {
    const Menus& m = ex.menus;
    const int level = m.level(1).checked ? 1 : m.level(2).checked ? 2 : 3;
    bool ok = m.level(1).checked + m.level(2).checked + m.level(3).checked == 1 &&
              ex.lblLevel == "Level " + std::to_string(level) &&
              ex.state.FirstIndex == (level == 1 ? 2 : 1);
    for (int k = 1; k <= AnswerGrid::CellCount; ++k) {
        const bool zero = k <= 5 || k % 5 == 1;
        ok = ok && ex.grid.lblCell[k].visible == (level != 1 || !zero) &&
             ex.grid.lblIndex[k].visible == (level == 2 || (level == 1 && !zero));
    }
    return ok ? ""
              : "level, FirstIndex or visibility out of step at Level " + std::to_string(level);
}

// Level and Language menus enabled before Start only; the fixed lines of the
// chosen language (the texts at creation while none was chosen).
std::string checkMenusAndListing(const Exercise& ex, const Progress& p) {
    const Menus& m = ex.menus;
    for (const MenuEntry* e : {&m.mnu10, &m.level(1), &m.level(2), &m.level(3), &m.mnu20,
                               &m.language(1), &m.language(2)}) {
        if (e->enabled == p.started || !m.mnu30.enabled) {
            return "menu " + e->caption + " or Instructions enabled wrongly";
        }
    }
    const bool java = ex.state.LanguageFlag != 0;
    if (m.language(1).checked != java || m.language(2).checked == java) {
        return "language check marks";
    }
    std::string got;
    for (int i : {0, 1, 2, 5, 6, 7, 8}) {
        got += ex.listing.line(i) + "|";
    }
    const std::string want =
        java ? "int x, y, order = 1;|int a[ ][ ] = new int[5][5];|order = 1;|a[x][y] = order;|"
               "order++;|}|}|"
             : std::string(
                   "Dim X,Y,Order As Integer|Dim A(4,4) As Integer|Order = 1|A(X,Y)=Order|") +
                   (p.languageChosen ? "Order = Order+1" : "Order = Order + 1") + "|Next Y|Next X|";
    return got == want ? "" : "fixed lines \"" + got + "\", want \"" + want + "\"";
}

// The totals add up to the tests done, the score is the truncated percentage, and
// the problem number is right + wrong + 1 from Next on.
std::string checkTotals(const Exercise& ex, const Progress& p) {
    const std::string want = std::to_string(p.right) + " " + std::to_string(p.tests - p.right) +
                             " " + std::to_string(p.tests ? 100 * p.right / p.tests : 0) + "% " +
                             (!p.started ? "0" : std::to_string(p.tests + !p.reviewing));
    const std::string got =
        ex.lblRight + " " + ex.lblWrong + " " + ex.lblScore + " " + ex.lblProbNum;
    const bool counts = ex.state.RightCount == p.right && ex.state.WrongCount == p.tests - p.right;
    return got == want && counts
               ? ""
               : "right wrong score problem \"" + got + "\", want \"" + want + "\"";
}

// Button captions and frames follow the phase; the series ends at exactly the last
// test: white window, program and grid hidden, Print shown.
std::string checkPhase(const Exercise& ex, const Progress& p) {
    const bool over = p.tests == Problems;
    const bool ok =
        ex.seriesOver() == over && ex.backColor == (over ? colors::White : colors::Grey) &&
        ex.fraProgramVisible == (p.started && !over) && ex.fraArrayVisible == !over &&
        ex.cmdPrintVisible == over && ex.lblScoreVisible && ex.cmdStartVisible == !p.started &&
        ex.fraInstructionsVisible == p.instructions &&
        ex.cmdRun == (p.reviewing ? "Next" : "Test Now!") &&
        ex.state.TestPending == (p.reviewing ? 0 : -1);
    return ok ? "" : "frames, buttons or window colour after test " + std::to_string(p.tests);
}

// "3Y 0W ..", one row at a time: caption, then W(hite) Y(ellow) G(reen) R(ed) O(range) or ?.
std::string gridText(const Cells& cells) {
    const Color palette[] = {colors::White, colors::Yellow, colors::Green, colors::Red,
                             colors::Orange};
    std::string out;
    for (int k = 1; k <= AnswerGrid::CellCount; ++k) {
        const auto colour = std::find(palette, palette + 5, cells[k].backColor) - palette;
        out += cells[k].caption + "WYGRO?"[colour] + (k % 5 == 0 ? " | " : " ");
    }
    out.resize(out.size() - 3);
    return out;
}

// --- One window, and what each event should do to its grid ---------------------------

struct Session {
    explicit Session(std::uint32_t seed) { ex.Form_Load(static_cast<float>(seed)); }

    TimeSeededRandom random;
    Exercise ex{random};
    Progress p;

    bool over() const { return p.tests == Problems; }

    bool possible(Event e) const {
        return e.kind <= Basic || e.kind == Start ? !p.started
               : e.kind == OK                     ? ex.fraInstructionsVisible
               : e.kind == Click ? ex.fraArrayVisible && ex.grid.lblCell[e.cell].visible
               : e.kind == Run   ? p.started && !over()
                                 : true;
    }

    std::string invariants() const {
        for (const std::string& failure :
             {checkClickOrder(ex), checkHeaders(ex), checkLevel(ex), checkMenusAndListing(ex, p),
              checkTotals(ex, p), checkPhase(ex, p)}) {
            if (!failure.empty()) {
                return failure;
            }
        }
        return "";
    }

    // Applies a possible event; "" when the window is as it should be afterwards.
    std::string apply(Event e) {
        const ExerciseState was = ex.state;
        const Menus& m = ex.menus;
        const bool draws = (e.kind == Run && p.reviewing) ||
                           (e.kind <= Level3 &&
                            !std::array{&m.level(1), &m.level(2), &m.level(3)}[e.kind]->checked);
        Cells want = ex.grid.lblCell;
        std::int16_t order = was.ClickOrder;
        if (draws) {
            clear(want, order);
        } else if (e.kind == Run) {
            testRun(want, listedCells(ex));
        } else if (e.kind == Click) { // a yellow cell is unmarked; any other is stamped
            Cell& cell = want[e.cell];
            const bool marked = cell.backColor == colors::Yellow;
            cell.caption = marked ? "0" : std::to_string(order);
            cell.backColor = marked ? colors::White : colors::Yellow;
            order = static_cast<std::int16_t>(order + (marked ? -1 : 1));
        }
        p.started = p.started || e.kind == Start;
        p.languageChosen = p.languageChosen || e.kind == Java || e.kind == Basic;
        p.instructions = e.kind == Instructions || (p.instructions && e.kind != OK);
        p.reviewing = e.kind == Run ? !p.reviewing : p.reviewing;
        try {
            e.kind == Click ? ex.lblCell_Click(e.cell) : (ex.*Commands[e.kind].second)();
        } catch (const std::exception& error) {
            return "threw " + std::string(error.what());
        }
        auto loops = [](const ExerciseState& s) {
            return std::tie(s.XStart, s.XEnd, s.XStep, s.YStart, s.YEnd, s.YStep);
        };
        if (!draws && loops(ex.state) != loops(was)) {
            return "loops changed without a new problem";
        }
        bool same = ex.state.ClickOrder == order;
        for (int k = 1; k <= AnswerGrid::CellCount; ++k) {
            same = same && ex.grid.lblCell[k].caption == want[k].caption &&
                   ex.grid.lblCell[k].backColor == want[k].backColor;
        }
        return same ? invariants()
                    : "grid " + gridText(ex.grid.lblCell) + ", ClickOrder " +
                          std::to_string(ex.state.ClickOrder) + "; want " + gridText(want) +
                          ", ClickOrder " + std::to_string(order);
    }

private:
    static void clear(Cells& cells, std::int16_t& order) {
        order = 1;
        for (Cell& cell : cells) {
            cell.caption = "0";
            cell.backColor = colors::White;
        }
    }

    // Visited cells show their numbers, green where the caption already was that
    // number and red elsewhere; any mark left becomes "X" on orange.
    void testRun(Cells& cells, const std::vector<int>& visited) {
        bool wrong = false;
        for (std::size_t n = 0; n < visited.size(); ++n) {
            Cell& cell = cells[visited[n]];
            const std::string expected = std::to_string(n + 1);
            wrong = wrong || cell.caption != expected;
            cell.backColor = cell.caption == expected ? colors::Green : colors::Red;
            cell.caption = expected;
        }
        for (Cell& cell : cells) {
            if (cell.backColor == colors::Yellow) {
                cell = {"X", colors::Orange, cell.visible};
                wrong = true;
            }
        }
        ++p.tests;
        p.right += !wrong;
    }
};

// --- The student: random events, and now and then a worked answer --------------------

class Student {
public:
    explicit Student(std::uint32_t seed) : rng_(seed) {}

    Event next(const Session& s) {
        if (plan_.empty()) {
            plan(s.ex, s.p);
        }
        const Event e = plan_.front();
        plan_.pop_front();
        return e;
    }

private:
    int pick(std::size_t n) { return static_cast<int>(rng_() % n); }

    void plan(const Exercise& ex, const Progress& p) {
        const int roll = pick(100);
        if (roll < 4) {
            plan_.push_back({ex.fraInstructionsVisible && pick(4) != 0 ? OK : Instructions});
        } else if (!p.started && roll < 24) {
            plan_.push_back({static_cast<Kind>(pick(Basic + 1))}); // a level or a language
        } else if (roll < (p.reviewing ? 50 : p.started ? 24 : 34)) {
            plan_.push_back({p.started ? Run : Start});
            answered_ = false;
        } else if (!p.reviewing && !answered_ && roll < 54) {
            answer(ex);
        } else { // the last cell again, a visited cell, or any cell
            const auto visited = visitedCells(ex.state);
            const int r = pick(10);
            last_ = r < 2 && last_ != 0 ? last_
                    : r < 7             ? visited[static_cast<std::size_t>(pick(visited.size()))]
                                        : 1 + pick(AnswerGrid::CellCount);
            plan_.push_back({Click, last_});
        }
    }

    // Clears every mark and clicks the visited cells in order, now and then with
    // one slip (two clicks swapped, or a stray mark), and half the time tests at once.
    void answer(const Exercise& ex) {
        answered_ = true;
        for (int k = 1; k <= AnswerGrid::CellCount; ++k) {
            if (ex.grid.lblCell[k].backColor == colors::Yellow) {
                plan_.push_back({Click, k});
            }
        }
        const std::size_t first = plan_.size();
        for (int k : visitedCells(ex.state)) {
            plan_.push_back({Click, k});
        }
        const int slip = pick(8);
        if (slip == 0) {
            std::swap(plan_[first + static_cast<std::size_t>(pick(plan_.size() - first))],
                      plan_.back());
        } else if (slip == 1) {
            plan_.push_back({Click, 1 + pick(AnswerGrid::CellCount)});
        }
        if (pick(2) == 0) {
            plan_.push_back({Run});
            answered_ = false;
        }
    }

    std::mt19937 rng_;
    std::deque<Event> plan_;
    bool answered_ = false;
    int last_ = 0;
};

// --- Runs, replays and reduction -----------------------------------------------------

struct Outcome {
    std::vector<Event> events; // as applied, up to the failing one
    std::string failure;
    Progress progress;
};

// The whole series that the student of `seed` produces, or a replay of `script`
// that leaves out the events the window does not offer at their moment.
Outcome play(std::uint32_t seed, const std::vector<Event>* script = nullptr) {
    Session session(seed);
    Student student(seed);
    Outcome out{{}, session.invariants(), {}};
    for (std::size_t i = 0; out.failure.empty() && (script ? i < script->size() : !session.over());
         ++i) {
        const Event e = script ? (*script)[i] : student.next(session);
        if (session.possible(e)) {
            out.events.push_back(e);
            out.failure = session.apply(e);
        }
    }
    out.progress = session.p;
    return out;
}

// Leaves out one event at a time while the run still fails, pass after pass
// until a whole pass removes nothing.
Outcome reduce(std::uint32_t seed, Outcome failing) {
    for (std::size_t before = 0; before != failing.events.size();) {
        before = failing.events.size();
        for (std::size_t i = 0; i < failing.events.size();) {
            std::vector<Event> fewer = failing.events;
            fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(i));
            Outcome tried = play(seed, &fewer);
            if (tried.failure.empty()) {
                ++i;
            } else {
                failing = std::move(tried);
            }
        }
    }
    return failing;
}

std::uint32_t envNumber(const char* name, std::uint32_t fallback) {
    const char* value = std::getenv(name);
    return value ? static_cast<std::uint32_t>(std::strtoul(value, nullptr, 10)) : fallback;
}

TEST(RandomSeries, EveryEventLeavesTheWindowAsItShould) {
    std::vector<std::uint32_t> seeds;
    if (std::getenv("TESSALY_SEED") != nullptr) {
        seeds.push_back(envNumber("TESSALY_SEED", 0));
    } else {
        for (std::uint32_t s = 1; s <= envNumber("TESSALY_RUNS", 3000); ++s) {
            seeds.push_back(s);
        }
        // Below 2^24, so that the window's float seed is the very same number.
        seeds.push_back(std::random_device{}() % (1u << 24));
        RecordProperty("fresh_seed", std::to_string(seeds.back()));
        std::cout << "fresh seed " << seeds.back() << " (TESSALY_SEED=" << seeds.back()
                  << " replays it)\n";
    }
    long events = 0, tests = 0, right = 0;
    int failures = 0;
    for (std::uint32_t seed : seeds) {
        const Outcome run = play(seed);
        events += static_cast<long>(run.events.size());
        tests += run.progress.tests;
        right += run.progress.right;
        if (!run.failure.empty()) {
            const Outcome reduced = reduce(seed, run);
            std::string list;
            for (const Event& e : reduced.events) {
                list += (list.empty() ? "" : ", ") + text(e);
            }
            ADD_FAILURE() << "seed " << seed << " (TESSALY_SEED=" << seed << "): " << run.failure
                          << "\n  after " << run.events.size() << " events, reduced to "
                          << reduced.events.size() << ": " << list
                          << "\n  which end with: " << reduced.failure;
            if (++failures == 3) {
                break;
            }
        }
    }
    RecordProperty("events", std::to_string(events));
    std::cout << seeds.size() << " runs, " << events << " events, " << tests << " tests, " << right
              << " right\n";
}

} // namespace
} // namespace tessaly
