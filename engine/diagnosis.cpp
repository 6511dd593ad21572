// SPDX-License-Identifier: MIT
#include "diagnosis.hpp"

#include "listing.hpp"
#include "number_text.hpp"
#include "phrase.hpp"

#include <algorithm>
#include <tuple>

namespace tessaly {

namespace {

// Shown starts 0..3 are internal 1..4; every loop visits at least two indices.
std::vector<Loop> loopsOfTheShape() {
    std::vector<Loop> loops;
    for (int start = 1; start < GridSide; ++start) {
        for (int end = start + 1; end <= GridSide; ++end) {
            loops.push_back({start, end, 1});
            if (end >= start + 2) {
                loops.push_back({start, end, 2});
            }
        }
    }
    return loops;
}

// The marks that number `cells` in order, 1 first.
Marks orderOf(const std::vector<int>& cells) {
    Marks order{};
    for (std::size_t k = 0; k < cells.size(); ++k) {
        order[static_cast<std::size_t>(cells[k])] = static_cast<int>(k + 1);
    }
    return order;
}

// Each fragment of the shape with its visiting order, worked out once, so that
// a search only compares marks.
struct Shaped {
    Fragment fragment;
    Marks order;
};

const std::vector<Shaped>& shapedFragments() {
    static const std::vector<Shaped> table = [] {
        std::vector<Shaped> all;
        for (const Fragment& f : fragmentsOfTheShape()) {
            all.push_back({f, orderOf(visitedCells(f))});
        }
        return all;
    }();
    return table;
}

int differences(const Fragment& f, const Fragment& listing) {
    const auto apart = [](const Loop& a, const Loop& b) {
        return int(a.start != b.start) + int(a.end != b.end) + int(a.step != b.step);
    };
    return int(f.yOuter != listing.yOuter) + apart(f.x, listing.x) + apart(f.y, listing.y);
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += (text.empty() ? "" : "\n") + line;
    }
    return text;
}

// "X starts at 1, not 0." and the like, for what differs; ends are the last
// indices visited, the listing's too.
void addLoopDifferences(std::vector<std::string>& lines, char variable, const Loop& mine,
                        const Loop& listed) {
    const std::string name(1, variable);
    const auto differ = [&](const Phrase& sentence, int a, int b) {
        if (a != b) {
            lines.push_back(say(sentence, {name, numberText(a), numberText(b)}));
        }
    };
    differ(TESSALY_TEXT("Diagnosis", "%1 starts at %2, not %3."), shownIndex(mine.start),
           shownIndex(listed.start));
    differ(TESSALY_TEXT("Diagnosis", "%1 ends at %2, not %3."), shownIndex(mine.last()),
           shownIndex(listed.last()));
    differ(TESSALY_TEXT("Diagnosis", "%1 steps by %2, not %3."), mine.step, listed.step);
}

std::string otherLoopsText(const Fragment& match, const Fragment& listing, HeaderWriter writer) {
    const auto header = [&](char variable, const Loop& loop) {
        return writer(variable, static_cast<float>(loop.start), static_cast<float>(loop.end),
                      static_cast<std::int16_t>(loop.step));
    };
    std::vector<std::string> lines{
        say(TESSALY_TEXT("Diagnosis", "Your numbers follow these loops instead:"))};
    if (match.yOuter) {
        lines.insert(
            lines.end(),
            {header('Y', match.y), header('X', match.x),
             say(TESSALY_TEXT("Diagnosis", "The loops are swapped: the outer loop runs over Y."))});
    } else {
        lines.insert(lines.end(), {header('X', match.x), header('Y', match.y)});
    }
    addLoopDifferences(lines, 'X', match.x, listing.x);
    addLoopDifferences(lines, 'Y', match.y, listing.y);
    return joinLines(lines);
}

// The smallest order number that is not in its cell, or 0 when all are.
int firstDifference(const std::vector<int>& cells, const Marks& marks) {
    for (std::size_t k = 0; k < cells.size(); ++k) {
        if (marks[static_cast<std::size_t>(cells[k])] != static_cast<int>(k + 1)) {
            return static_cast<int>(k + 1);
        }
    }
    return 0;
}

std::string firstDifferenceText(int k, const std::vector<int>& cells, const Marks& marks) {
    const int cell = cells[static_cast<std::size_t>(k - 1)];
    const auto written = std::find(marks.begin() + 1, marks.end(), k); // reading order
    if (written == marks.end()) {
        return say(TESSALY_TEXT("Diagnosis",
                                "Number %1 is the first difference: the loops "
                                "write it in row %2, column %3; you did not write it."),
                   {numberText(k), rowText(cell), columnText(cell)});
    }
    const int yours = static_cast<int>(written - marks.begin());
    return say(TESSALY_TEXT("Diagnosis",
                            "Number %1 is the first difference: the loops write it in row %2, "
                            "column %3; you wrote it in row %4, column %5."),
               {numberText(k), rowText(cell), columnText(cell), rowText(yours), columnText(yours)});
}

// The first marked cell in reading order that the loops never visit; 0 if none.
int firstStrayMark(const std::vector<int>& cells, const Marks& marks) {
    for (int k = 1; k <= CellCount; ++k) {
        if (marks[static_cast<std::size_t>(k)] != 0 &&
            std::find(cells.begin(), cells.end(), k) == cells.end()) {
            return k;
        }
    }
    return 0;
}

} // namespace

const std::vector<Fragment>& fragmentsOfTheShape() {
    static const std::vector<Fragment> fragments = [] {
        const std::vector<Loop> loops = loopsOfTheShape();
        std::vector<Fragment> all;
        for (bool yOuter : {false, true}) {
            for (const Loop& x : loops) {
                for (const Loop& y : loops) {
                    all.push_back({x, y, yOuter});
                }
            }
        }
        return all;
    }();
    return fragments;
}

std::optional<Fragment> matchingFragment(const Fragment& listing, const Marks& marks) {
    std::optional<Fragment> best;
    const auto rank = [&](const Fragment& f) {
        return std::tuple(differences(f, listing), f.x.end, f.y.end);
    };
    for (const Shaped& s : shapedFragments()) {
        if (s.order == marks && (!best || rank(s.fragment) < rank(*best))) {
            best = s.fragment;
        }
    }
    return best;
}

Diagnosis diagnose(const ExerciseState& state, const Marks& marks) {
    const Fragment listing = currentFragment(state);
    const std::vector<int> cells = visitedCells(listing);
    if (orderOf(cells) == marks) {
        return {
            DiagnosisKind::AllRight,
            {},
            say(TESSALY_TEXT("Diagnosis", "Right: your numbers follow the loops of the listing."))};
    }
    if (const std::optional<Fragment> match = matchingFragment(listing, marks)) {
        return {DiagnosisKind::OtherLoops, match,
                otherLoopsText(*match, listing, headerWriter(state))};
    }
    if (const int k = firstDifference(cells, marks); k != 0) {
        return {DiagnosisKind::FirstDifference, {}, firstDifferenceText(k, cells, marks)};
    }
    // Not the listing's order and every visited cell right: a stray mark is left.
    const int stray = firstStrayMark(cells, marks);
    return {DiagnosisKind::StrayMark,
            {},
            say(TESSALY_TEXT("Diagnosis", "Every cell the loops visit is right, but row %1, "
                                          "column %2 is marked and the loops never visit it."),
                {rowText(stray), columnText(stray)})};
}

} // namespace tessaly
