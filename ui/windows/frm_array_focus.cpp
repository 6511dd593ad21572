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

void frmArray::coverFocus(bool covered) {
    if (covered && coveredFocus_.isEmpty()) {
        const QRect panel = fraInstructions->geometry();
        for (QWidget* widget : clientArea()->findChildren<QWidget*>()) {
            // The grid's cells are the grid keyboard's to hand out.
            const bool inPanel = fraInstructions->isAncestorOf(widget) ||
                                 qobject_cast<ClickableLabel*>(widget) != nullptr;
            const QRect place(widget->mapTo(clientArea(), QPoint(0, 0)), widget->size());
            if (!inPanel && widget->focusPolicy() != Qt::NoFocus && panel.intersects(place)) {
                coveredFocus_.insert(widget, widget->focusPolicy());
                widget->setFocusPolicy(Qt::NoFocus);
            }
        }
    } else if (!covered) {
        for (auto it = coveredFocus_.cbegin(); it != coveredFocus_.cend(); ++it) {
            it.key()->setFocusPolicy(it.value());
        }
        coveredFocus_.clear();
    }
    gridKeyboard_->setCovered(covered);
}

// Back to the control that had the focus before the panel opened, if it can
// still take it; otherwise to the control the phase works with. Never to Exit
// unless Exit had it.
void frmArray::restoreFocus() {
    QWidget* before = focusBeforeInstructions_.data();
    focusBeforeInstructions_.clear();
    const bool usable = before != nullptr && before->isVisible() && before->isEnabled() &&
                        isAncestorOf(before) && !fraInstructions->isAncestorOf(before);
    if (usable) {
        before->setFocus(Qt::OtherFocusReason);
        return;
    }
    for (QWidget* candidate : {static_cast<QWidget*>(cmdRun), static_cast<QWidget*>(cmdStart),
                               static_cast<QWidget*>(cmdPrint)}) {
        if (candidate->isVisible()) {
            candidate->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

} // namespace tessaly
