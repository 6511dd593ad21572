// SPDX-License-Identifier: MIT
// Where the exercise window's keyboard focus goes, and what its controls
// tell assistive technology beyond their captions.

#include "ui/windows/frm_array.hpp"

#include "ui/controls/grid_keyboard.hpp"
#include "ui/form/builder.hpp"
#include "ui/form/qt_convert.hpp"

#include <QApplication>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tessaly {

void frmArray::describeForScreenReaders() {
    // Each counter is described by the caption of the label beside it.
    const std::array<std::pair<QLabel*, const char*>, 5> counters = {{{lblProbNum, "Label1"},
                                                                      {lblProbLimit, "Label5"},
                                                                      {lblRight, "Label2"},
                                                                      {lblWrong, "Label3"},
                                                                      {lblScore, "Label6"}}};
    for (const auto& [counter, label] : counters) {
        counter->setAccessibleDescription(control<QLabel>(*clientArea(), label)->text());
    }
    // The panel's text is named after the command that opens it, not its frame.
    Text1->setAccessibleName(qs(exercise_.menus.mnu30.caption));
}

void frmArray::setFocusOrder(QWidget* gridEntry) {
    std::vector<QWidget*> order = {cmdStart, cmdExit};
    if (gridEntry != nullptr) {
        order.push_back(gridEntry);
    }
    order.insert(order.end(), {cmdRun, Text1, cmdOK, cmdPrint});
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void frmArray::followProblem() {
    if (exercise_.problemsDrawn != shownProblem_) {
        shownProblem_ = exercise_.problemsDrawn;
        gridKeyboard_->newProblem();
    } else {
        gridKeyboard_->refresh();
    }
}

} // namespace tessaly
