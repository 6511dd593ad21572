// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

namespace tessaly {

// The instructions panel's text, fifteen lines each ended by CR LF, exactly as
// the students have always read it (spelling and double blanks included); a
// translation may break its lines where its own words need it.
inline constexpr const char* InstructionsText = QT_TRANSLATE_NOOP(
    "frmArray", "Tessaly \r\n"
                "     This program will test your knowledge of Array (Matrix) Access.\r\n"
                "For each sample program, click on the Array (Matrix) Cells in the\r\n"
                "order in which they would be accessed by the program\r\n"
                "fragment.\r\n"
                "     Click on the TEST NOW! button to have your selections\r\n"
                "tested for correctness.  If your choice is correct, the array\r\n"
                "cell will be marked with GREEN.  If your choice is incorrect,  \r\n"
                "the cell will be marked with RED.  A running total will be kept\r\n"
                "in the Right and Wrong Boxes.\r\n"
                "     A final score will be displayed after completion of the 20 \r\n"
                "excercises.\r\n"
                "    Level 1 - No Zero Cells, No Steps\r\n"
                "    Level 2 - Zero Cell, No steps\r\n"
                "    Level 3 - Zero Cells, Steps\r\n");

} // namespace tessaly
