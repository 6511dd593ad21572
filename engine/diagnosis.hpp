// SPDX-License-Identifier: MIT
#pragma once

#include "answer_grid.hpp"
#include "exercise_state.hpp"
#include "loops.hpp"

#include <optional>
#include <string>

namespace tessaly {

// What the student's marks say about how the listing was read.
enum class DiagnosisKind {
    AllRight,        // the marks are the listing's own order
    OtherLoops,      // the marks are the order of another fragment of the same shape
    FirstDifference, // no fragment fits; a number is misplaced or missing
    StrayMark,       // every visited cell is right, but a cell outside the loops is marked
};

struct Diagnosis {
    DiagnosisKind kind = DiagnosisKind::AllRight;
    std::optional<Fragment> match; // the fragment the marks follow (OtherLoops only)
    std::string text;              // one sentence or header a line, joined by '\n'
};

// Every fragment the search tries: X or Y outer; each loop starting at shown
// 0..3, ending one to four past the start but at most at 4, with a step of 1,
// or of 2 where the end is at least two past the start.
const std::vector<Fragment>& fragmentsOfTheShape();

// The fragment whose visiting order is exactly `marks` (every visited cell
// holds its order number, no other cell is marked), or none. Of fragments that
// visit alike, the one with the fewest differences from `listing` (which loop
// is outer, each start, end and step as written), then the smallest end of X,
// then of Y.
std::optional<Fragment> matchingFragment(const Fragment& listing, const Marks& marks);

// The diagnosis of `marks` against the current problem of `state`, its
// headers in the listing's language. Shown (0-based) indices.
Diagnosis diagnose(const ExerciseState& state, const Marks& marks);

} // namespace tessaly
