// SPDX-License-Identifier: MIT
#pragma once

#include "engine/grid_geometry.hpp"
#include "engine/listing.hpp"

#include <array>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tessaly {

class SteppingFrame;

// The Explain window's controls as its layout table names them: the builder
// fills each pointer from the row bound to it. Element 0 of the cell arrays
// is unused, so that they are numbered as the grid is.
struct frmExplainForm {
    QGroupBox* fraDiagnosis = nullptr;
    QPlainTextEdit* txtDiagnosis = nullptr;
    SteppingFrame* fraReplay = nullptr;
    std::array<QLabel*, CellCount + 1> lblCell{};
    std::array<QLabel*, CellCount + 1> lblMark{}; // the student's number under each cell
    std::array<QLabel*, Listing::LineCount> lblCode{};
    QLabel* lblStep = nullptr;
    QLabel* lblVariables = nullptr;
    QPushButton* cmdFirstMistake = nullptr;
    QPushButton* cmdClose = nullptr;
};

} // namespace tessaly
