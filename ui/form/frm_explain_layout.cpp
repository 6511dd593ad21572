// SPDX-License-Identifier: MIT
// The Explain window's layout: the diagnosis above; the replay below it, with
// a grid like the exercise's (each cell with the student's own number under
// it), the listing and the step; the window's buttons at the right.

#include "ui/form/layout.hpp"

#include "ui/controls/stepping_frame.hpp"
#include "ui/form/frm_explain_form.hpp"

#include "engine/grid_geometry.hpp"
#include "engine/listing.hpp"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tessaly {

namespace {

constexpr FontChoice Medium{Face::MsSansSerif, 13.5};
constexpr FontChoice CellFont{Face::MsSansSerif, 18};

// The grid keeps the exercise grid's cells and pitch. Where the exercise
// shows each cell's coordinates under it, this grid shows the student's own
// number, and the coordinates stand once per row and column as "X = r" and
// "Y = c", the words of the step's "X = 1, Y = 2".
constexpr int GridLeft = 540;
constexpr int GridTop = 600;
constexpr int PitchX = 720;
constexpr int PitchY = 840;

// clang-format off
const Layout FixedRows = {
//   name               binding                                  kind                 container       left  top   width height  caption          font                       background          look   visible
    {"fraDiagnosis",    bound<&frmExplainForm::fraDiagnosis>,    Kind::Frame,         "",             {105,  60,  9270, 2070},  QT_TRANSLATE_NOOP("frmExplain", "Diagnosis"),     DialogFont,                colors::Grey},
    {"txtDiagnosis",    bound<&frmExplainForm::txtDiagnosis>,    Kind::MultiLineText, "fraDiagnosis", {120,  255, 9030, 1695},  "",              {Face::MsSansSerif, 9.75}},
    {"fraReplay",       bound<&frmExplainForm::fraReplay>,       Kind::SteppingFrame, "",             {105,  2235, 7950, 5100}, QT_TRANSLATE_NOOP("frmExplain", "Replay"),        DialogFont,                colors::Grey},
    {"lblMarkLegend",   {},                                      Kind::Label,         "fraReplay",    {GridLeft, 4800, 3495, 225}, QT_TRANSLATE_NOOP("frmExplain", "Under each cell: the number you wrote")},
    {"fraProgram",      {},                                      Kind::Frame,         "fraReplay",    {4170, 330, 3660, 3900},  QT_TRANSLATE_NOOP("frmExplain", "Program Code"),  DialogFont,                colors::LightCyan},
    {"lblStep",         bound<&frmExplainForm::lblStep>,         Kind::Label,         "fraReplay",    {4170, 4320, 1800, 360},  "",              Medium,                    {},                 AutoSize},
    {"lblVariables",    bound<&frmExplainForm::lblVariables>,    Kind::Label,         "fraReplay",    {6030, 4320, 1800, 360},  "",              Medium,                    {},                 AutoSize},
    {"cmdFirstMistake", bound<&frmExplainForm::cmdFirstMistake>, Kind::Button,        "",             {8160, 2400, 1215, 495},  QT_TRANSLATE_NOOP("frmExplain", "First Mistake")},
    {"cmdClose",        bound<&frmExplainForm::cmdClose>,        Kind::Button,        "",             {8160, 6840, 1215, 495},  QT_TRANSLATE_NOOP("frmExplain", "Close")},
};
// clang-format on

// clang-format off
void addGridRows(Layout& layout) {
    for (int i = 0; i < GridSide; ++i) {
        const std::string shown = std::to_string(i);
        layout.push_back({"lblRowHead" + shown,    {}, Kind::Label, "fraReplay", {105, GridTop + PitchY * i + 135, 420, 240},    "X = " + shown, DialogFont, {}, Centred});
        layout.push_back({"lblColumnHead" + shown, {}, Kind::Label, "fraReplay", {GridLeft + PitchX * i, 330, 615, 240},        "Y = " + shown, DialogFont, {}, Centred});
    }
    for (int k = 1; k <= CellCount; ++k) {
        const int left = GridLeft + PitchX * (cellColumn(k) - 1);
        const int top = GridTop + PitchY * (cellRow(k) - 1);
        layout.push_back({"lblCell" + std::to_string(k), bound<&frmExplainForm::lblCell>.at(k), Kind::Label, "fraReplay", {left, top, 615, 495},       "", CellFont,   colors::White, Framed | Centred});
        layout.push_back({"lblMark" + std::to_string(k), bound<&frmExplainForm::lblMark>.at(k), Kind::Label, "fraReplay", {left, top + 525, 615, 225}, "", DialogFont, {},            Centred});
    }
}

void addListingRows(Layout& layout) {
    for (int i = 0; i < Listing::LineCount; ++i) {
        const auto [left, top] = codePlace(i);
        layout.push_back({"lblCode" + std::to_string(i), bound<&frmExplainForm::lblCode>.at(i), Kind::Label, "fraProgram", {left, top, 0, 360}, "", Medium, {}, AutoSize});
    }
}
// clang-format on

Layout makeLayout() {
    Layout layout = FixedRows;
    addGridRows(layout);
    addListingRows(layout);
    return layout;
}

} // namespace

const WindowLook& frmExplainWindow() {
    static const WindowLook window{QT_TRANSLATE_NOOP("frmExplain", "Explain"), 9465, 7440,
                                   colors::Grey};
    return window;
}

const Layout& frmExplainLayout() {
    static const Layout layout = makeLayout();
    return layout;
}

} // namespace tessaly
