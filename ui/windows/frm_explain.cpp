// SPDX-License-Identifier: MIT
#include "ui/windows/frm_explain.hpp"

#include "engine/number_text.hpp"
#include "ui/controls/accessibility.hpp"
#include "ui/controls/announce.hpp"
#include "ui/form/builder.hpp"
#include "ui/form/font_fit.hpp"
#include "ui/form/layout.hpp"
#include "ui/form/look.hpp"
#include "ui/form/qt_convert.hpp"

#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace tessaly {

namespace {

// A cell's number, or nothing while there is none.
std::string numberOrBlank(int number) {
    return number == 0 ? std::string() : numberText(number);
}

} // namespace

frmExplain::frmExplain(const Exercise& exercise, QWidget& owner)
    : QDialog(&owner), diagnosis_(exercise.diagnosis()), replay_(exercise.replay()) {
    buildWindow();
    fillFixedTexts(exercise);
    render();
    fraReplay->setFocus(Qt::OtherFocusReason);
}

frmExplain::~frmExplain() = default;

void frmExplain::buildWindow() {
    const WindowLook& look = frmExplainWindow();
    setObjectName("frmExplain");
    setWindowTitle(QCoreApplication::translate("frmExplain", look.caption.c_str()));
    setWindowIcon(programIcon());
    installAccessibility();
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowModality(Qt::WindowModal);
    setFixedSize(twips(look.clientWidth), twips(look.clientHeight));
    setColors(*this, look.background);
    buildControls(*this, frmExplainLayout(), "frmExplain", static_cast<frmExplainForm&>(*this));
    connectControls();
}

void frmExplain::connectControls() {
    connect(fraReplay, &SteppingFrame::stepRequested, this, &frmExplain::fraReplay_Step);
    connect(cmdFirstMistake, &QPushButton::clicked, this, &frmExplain::cmdFirstMistake_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmExplain::cmdClose_Click);
    setTabOrder(fraReplay, cmdFirstMistake);
    setTabOrder(cmdFirstMistake, cmdClose);
    setTabOrder(cmdClose, txtDiagnosis);
    cmdClose->setDefault(true); // Enter closes the window unless a button has the focus
}

// What stays as it is while the student steps: the diagnosis, the listing,
// the student's numbers, and whether there is a mistake to jump to.
void frmExplain::fillFixedTexts(const Exercise& exercise) {
    txtDiagnosis->setPlainText(qs(diagnosis_.text));
    // The text is named after its frame, as a box is after its caption.
    txtDiagnosis->setAccessibleName(fraDiagnosis->title());
    fillListing(exercise);
    const ReplayGrid grid = replay_.gridAt(0);
    for (int k = 1; k <= CellCount; ++k) {
        shown_.setCaption(*lblMark[k], numberOrBlank(grid[static_cast<std::size_t>(k)].mark));
    }
    cmdFirstMistake->setEnabled(replay_.firstMistake() != 0);
}

// The listing as the exercise window shows it: in the same size, with its
// empty lines hidden.
void frmExplain::fillListing(const Exercise& exercise) {
    const QGroupBox& frame = *control<QGroupBox>(*this, "fraProgram");
    const int pixelSize =
        listingPixelSize(listingLanguage(exercise.state), lblCode[0]->font(), listingEnd(frame));
    for (int i = 0; i < Listing::LineCount; ++i) {
        const std::string& line = exercise.listing.line(i);
        shown_.setPixelSize(*lblCode[i], pixelSize);
        shown_.setCaption(*lblCode[i], line);
        shown_.setShown(*lblCode[i], !line.empty());
    }
}

void frmExplain::render() {
    const ReplayGrid grid = replay_.gridAt(step_);
    for (int k = 1; k <= CellCount; ++k) {
        const ReplayCell& cell = grid[static_cast<std::size_t>(k)];
        shown_.setCaption(*lblCell[k], numberOrBlank(cell.number));
        shown_.setColors(*lblCell[k], cell.color);
    }
    const int executing = replay_.line(step_);
    for (int i = 0; i < Listing::LineCount; ++i) {
        shown_.setColors(*lblCode[i], i == executing ? colors::Yellow : colors::LightCyan);
    }
    shown_.setCaption(*lblStep, stepCounterText(step_, replay_.size()));
    shown_.setCaption(*lblVariables, variablesText(replay_, step_));
    shown_.setDescription(*fraReplay, stepText(replay_, step_));
}

void frmExplain::showStep(int k) {
    step_ = std::clamp(k, 0, replay_.size());
    render();
    announce(*fraReplay, qs(stepText(replay_, step_)));
}

void frmExplain::fraReplay_Step(SteppingFrame::Move move) {
    switch (move) {
    case SteppingFrame::Move::Next:
        showStep(step_ + 1);
        break;
    case SteppingFrame::Move::Previous:
        showStep(step_ - 1);
        break;
    case SteppingFrame::Move::First:
        showStep(0);
        break;
    case SteppingFrame::Move::Last:
        showStep(replay_.size());
        break;
    }
}

// The diagnosis is said once the window is active, after the screen reader
// has said the window and the replay that has the focus.
bool frmExplain::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate && !spokenDiagnosis_) {
        spokenDiagnosis_ = true;
        announce(*fraReplay, qs(diagnosis_.text));
    }
    return handled;
}

} // namespace tessaly
