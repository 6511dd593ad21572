// SPDX-License-Identifier: MIT
// The exercise window's layout: every control with its container, rectangle
// in twips, font, colours and look.

#include "ui/form/frm_array_form.hpp"
#include "ui/form/layout.hpp"

#include "ui/controls/clickable_label.hpp"

#include "engine/grid_geometry.hpp"
#include "engine/listing.hpp"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tessaly {

namespace {

constexpr FontChoice Counter{Face::ArialBlack, 36};
constexpr FontChoice Big{Face::MsSansSerif, 24, true};
constexpr FontChoice Medium{Face::MsSansSerif, 13.5};
constexpr FontChoice CellFont{Face::MsSansSerif, 18};
constexpr FontChoice StudentFont{Face::TimesNewRoman, 15.75, true};

// The student-data labels stand just below the frame's caption instead of at
// 90 twips, so that "Student Data" stays readable above them; the frame grows
// by the same amount.
constexpr int StudentDataDrop = 195 - 90;

// Label5's left edge: its middle midway between those of lblProbNum
// (1995 + 315 / 2) and lblProbLimit (2985 + 315 / 2), 60 twips right of the
// layout's 2475 (see FixedRows).
constexpr int OfLeft = (1995 + 2985 + 315) / 2 - 225 / 2;

// Rows of the controls placed on the window, the program frame and the
// student-data frame; the grid and the listing follow from their own tables.
// The centred auto-size counters lblProbNum and lblProbLimit grow about their
// middle (see setCaption), so that "20" stays clear of its neighbours just as "1" does.
// Label5 between them ("of", left at 2475 in the layout) stands midway
// between their middles and grows about its middle as well, so that a longer
// word ("von", "sur") stays clear of both, "20" beside "20" included.
// clang-format off
const Layout FixedRows = {
//   name              binding                                kind          container         left   top   width height  caption             font                        background          look                visible
    {"Label1",         {},                                    Kind::Label,  "",               {300,  270,  1215, 255},   QT_TRANSLATE_NOOP("frmArray", "Problem Number")},
    {"lblProbNum",     bound<&frmArrayForm::lblProbNum>,      Kind::Label,  "",               {1995, 60,   315,  555},   "",                 Big,                        {},                 Centred | AutoSize},
    {"Label5",         {},                                    Kind::Label,  "",               {OfLeft, 165, 225,  360},   QT_TRANSLATE_NOOP("frmArray", "of"),               Medium,                     {},                 Centred | AutoSize},
    {"lblProbLimit",   bound<&frmArrayForm::lblProbLimit>,    Kind::Label,  "",               {2985, 45,   315,  555},   "",                 Big,                        {},                 Centred | AutoSize},
    {"Label4",         {},                                    Kind::Label,  "",               {6300, -15,  1665, 360},   "Tessaly",          {Face::MsSansSerif, 13.5, true}, {},            AutoSize},
    {"fraArray",       bound<&frmArrayForm::fraArray>,        Kind::Frame,  "",               {105,  600,  4035, 4770},  QT_TRANSLATE_NOOP("frmArray", "Display of Array"), DialogFont,                 colors::Grey},
    {"fraProgram",     bound<&frmArrayForm::fraProgram>,      Kind::Frame,  "",               {4185, 645,  3660, 4695},  QT_TRANSLATE_NOOP("frmArray", "Program Code"),     DialogFont,                 colors::LightCyan,  Plain,              false},
    {"cmdRun",         bound<&frmArrayForm::cmdRun>,          Kind::Button, "fraProgram",     {150,  3930, 1200, 495}},
    {"cmdNewProgram",  bound<&frmArrayForm::cmdNewProgram>,   Kind::Button, "fraProgram",     {1485, 3960, 1215, 495},   QT_TRANSLATE_NOOP("frmArray", "New"),              DialogFont,                 {},                 Plain,              false},
    {"cmdStart",       bound<&frmArrayForm::cmdStart>,        Kind::Button, "",               {6615, 4875, 1215, 495},   QT_TRANSLATE_NOOP("frmArray", "Start")},
    {"cmdPrint",       bound<&frmArrayForm::cmdPrint>,        Kind::Button, "",               {6615, 4875, 1215, 495},   QT_TRANSLATE_NOOP("frmArray", "Print"),            DialogFont,                 {},                 Plain,              false},
    {"cmdExit",        bound<&frmArrayForm::cmdExit>,         Kind::Button, "",               {6630, 5400, 1215, 495},   QT_TRANSLATE_NOOP("frmArray", "Exit")},
    {"lblRight",       bound<&frmArrayForm::lblRight>,        Kind::Label,  "",               {435,  5445, 1515, 975},   "",                 Counter,                    colors::LightGreen, Framed | Centred},
    {"Label2",         {},                                    Kind::Label,  "",               {1005, 6510, 375,  195},   QT_TRANSLATE_NOOP("frmArray", "Right"),            DialogFont,                 {},                 AutoSize},
    {"lblWrong",       bound<&frmArrayForm::lblWrong>,        Kind::Label,  "",               {2145, 5460, 1515, 975},   "",                 Counter,                    colors::LightRed,   Framed | Centred},
    {"Label3",         {},                                    Kind::Label,  "",               {2610, 6495, 480,  195},   QT_TRANSLATE_NOOP("frmArray", "Wrong"),            DialogFont,                 {},                 AutoSize},
    {"lblScore",       bound<&frmArrayForm::lblScore>,        Kind::Label,  "",               {3825, 5460, 2280, 990},   "",                 Counter,                    colors::Yellow,     Framed | Centred},
    {"Label6",         {},                                    Kind::Label,  "",               {4635, 6525, 420,  195},   QT_TRANSLATE_NOOP("frmArray", "Score"),            DialogFont,                 {},                 AutoSize},
    {"lblLevel",       bound<&frmArrayForm::lblLevel>,        Kind::Label,  "",               {6285, 5925, 2445, 840},   "",                 {Face::Arial, 36, true},    {},                 AutoSize},
    // The frame grows by StudentDataDrop, and its labels move down by as much (see above).
    {"fraStudentData", bound<&frmArrayForm::fraStudentData>,  Kind::Frame,  "",               {315,  6855, 8880, 645 + StudentDataDrop}, QT_TRANSLATE_NOOP("frmArray", "Student Data"), DialogFont,     colors::LightGrey},
    {"lblPeriod",      bound<&frmArrayForm::lblPeriod>,       Kind::Label,  "fraStudentData", {45,   90 + StudentDataDrop,  645,  435}, "", StudentFont,             colors::LightOrange, Framed | Centred},
    {"lblID",          bound<&frmArrayForm::lblID>,           Kind::Label,  "fraStudentData", {795,  90 + StudentDataDrop,  855,  435}, "", StudentFont,             colors::LightOrange, Framed | Centred},
    {"lblDate",        bound<&frmArrayForm::lblDate>,         Kind::Label,  "fraStudentData", {1755, 90 + StudentDataDrop,  1590, 435}, "", StudentFont,             colors::LightOrange, Framed | Centred},
    {"lblName",        bound<&frmArrayForm::lblName>,         Kind::Label,  "fraStudentData", {3420, 90 + StudentDataDrop,  3645, 435}, "", StudentFont,             colors::LightOrange, Framed | Centred},
    {"lblTeacher",     bound<&frmArrayForm::lblTeacher>,      Kind::Label,  "fraStudentData", {7095, 105 + StudentDataDrop, 1635, 435}, "", StudentFont,             colors::LightOrange, Framed | Centred},
};
// clang-format on

// The listing lines lblCode(0)..lblCode(8): left and top in the program frame;
// each sizes itself to its text.
constexpr std::array<std::pair<int, int>, Listing::LineCount> CodePlaces = {{
    {195, 285},
    {180, 645},
    {180, 990},
    {225, 1395},
    {420, 1800},
    {630, 2205},
    {615, 2580},
    {420, 3015},
    {240, 3405},
}};

// The instructions panel comes last, so that it lies above every other
// control. Text1's font shrinks until every line fits the box unwrapped, since
// the stand-in fonts run wider than the original (see frmArray).
// clang-format off
const Layout InstructionRows = {
//   name               binding                                kind                 container          left  top   width height  caption   font                     background    look   visible
    {"fraInstructions", bound<&frmArrayForm::fraInstructions>, Kind::Frame,         "",                {240, 480,  7965, 6480},  "Frame1", DialogFont,              colors::Grey, Plain, false},
    {"Text1",           bound<&frmArrayForm::Text1>,           Kind::MultiLineText, "fraInstructions", {570, 420,  7005, 4800},  "",       {Face::MsSansSerif, 12}},
    {"cmdOK",           bound<&frmArrayForm::cmdOK>,           Kind::Button,        "fraInstructions", {3255, 5505, 1620, 675},  QT_TRANSLATE_NOOP("frmArray", "OK")},
};
// clang-format on

// Cell k and its coordinate label, on the grid's pitch of 720 by 840 twips.
// clang-format off
void addGridRows(Layout& layout) {
    for (int k = 1; k <= CellCount; ++k) {
        const int left = 240 + 720 * (cellColumn(k) - 1);
        const int top = 360 + 840 * (cellRow(k) - 1);
        layout.push_back({"lblCell" + std::to_string(k),  bound<&frmArrayForm::lblCell>.at(k),  Kind::Cell,  "fraArray", {left, top, 615, 495},             "", CellFont,   colors::White, Framed | Centred});
        layout.push_back({"lblIndex" + std::to_string(k), bound<&frmArrayForm::lblIndex>.at(k), Kind::Label, "fraArray", {left + 120, top + 540, 360, 210}, "", DialogFont, colors::Grey,  Centred});
    }
}

void addListingRows(Layout& layout) {
    for (int i = 0; i < Listing::LineCount; ++i) {
        const auto [left, top] = codePlace(i);
        layout.push_back({"lblCode" + std::to_string(i), bound<&frmArrayForm::lblCode>.at(i), Kind::Label, "fraProgram", {left, top, 0, 360}, "", Medium, {}, AutoSize});
    }
}
// clang-format on

Layout makeLayout() {
    Layout layout = FixedRows;
    addGridRows(layout);
    addListingRows(layout);
    layout.insert(layout.end(), InstructionRows.begin(), InstructionRows.end());
    return layout;
}

} // namespace

std::pair<int, int> codePlace(int i) {
    return CodePlaces.at(static_cast<std::size_t>(i));
}

const WindowLook& frmArrayWindow() {
    static const WindowLook window{"Tessaly", 9465, 7875, colors::Grey};
    return window;
}

const Layout& frmArrayLayout() {
    static const Layout layout = makeLayout();
    return layout;
}

} // namespace tessaly
