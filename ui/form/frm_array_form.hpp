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

class ClickableLabel;

// The exercise window's controls as its layout table names them: the builder
// fills each pointer from the row bound to it. Element 0 of the cell arrays
// is unused, so that they are numbered as the grid is.
struct frmArrayForm {
    std::array<ClickableLabel*, CellCount + 1> lblCell{};
    std::array<QLabel*, CellCount + 1> lblIndex{};
    std::array<QLabel*, Listing::LineCount> lblCode{};
    QLabel* lblProbNum = nullptr;
    QLabel* lblProbLimit = nullptr;
    QLabel* lblRight = nullptr;
    QLabel* lblWrong = nullptr;
    QLabel* lblScore = nullptr;
    QLabel* lblLevel = nullptr;
    QLabel* lblPeriod = nullptr;
    QLabel* lblID = nullptr;
    QLabel* lblDate = nullptr;
    QLabel* lblName = nullptr;
    QLabel* lblTeacher = nullptr;
    QGroupBox* fraArray = nullptr;
    QGroupBox* fraProgram = nullptr;
    QGroupBox* fraStudentData = nullptr;
    QGroupBox* fraInstructions = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* cmdStart = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* cmdRun = nullptr;
    QPushButton* cmdNewProgram = nullptr;
    QPushButton* cmdOK = nullptr;
};

} // namespace tessaly
