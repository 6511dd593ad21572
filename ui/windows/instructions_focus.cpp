// SPDX-License-Identifier: MIT
#include "ui/windows/instructions_focus.hpp"

#include "ui/controls/clickable_label.hpp"
#include "ui/controls/grid_keyboard.hpp"

#include <QApplication>
#include <QWidget>

namespace tessaly {

InstructionsFocus::InstructionsFocus(QWidget& client, QWidget& panel, QWidget& panelOk,
                                     GridKeyboard& grid, std::vector<QWidget*> fallbacks)
    : QObject(&client), client_(client), panel_(panel), panelOk_(panelOk), grid_(grid),
      fallbacks_(std::move(fallbacks)) {
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now != nullptr && client_.isAncestorOf(now)) {
            lastClientFocus_ = now;
        }
    });
}

void InstructionsFocus::opened() {
    if (!open_) {
        focusBeforePanel_ = lastClientFocus_;
        open_ = true;
    }
    cover(true);
}

void InstructionsFocus::closed() {
    open_ = false;
    cover(false);
    giveBack(focusBeforePanel_.data());
    focusBeforePanel_.clear();
}

void InstructionsFocus::cover(bool covered) {
    if (covered && covered_.isEmpty()) {
        for (QWidget* widget : client_.findChildren<QWidget*>()) {
            // The grid's cells are the grid keyboard's to hand out.
            const bool cell = qobject_cast<ClickableLabel*>(widget) != nullptr;
            if (!cell && widget->focusPolicy() != Qt::NoFocus && underPanel(*widget)) {
                covered_.insert(widget, widget->focusPolicy());
                widget->setFocusPolicy(Qt::NoFocus);
            }
        }
    } else if (!covered) {
        for (auto it = covered_.cbegin(); it != covered_.cend(); ++it) {
            it.key()->setFocusPolicy(it.value());
        }
        covered_.clear();
    }
    grid_.setCovered(covered);
}

bool InstructionsFocus::underPanel(const QWidget& widget) const {
    const QRect place(widget.mapTo(&client_, QPoint(0, 0)), widget.size());
    return !panel_.isAncestorOf(&widget) && panel_.geometry().intersects(place);
}

void InstructionsFocus::giveBack(QWidget* before) {
    QWidget* target = usableOrFallback(before);
    if (open_ && (target == nullptr || underPanel(*target))) {
        target = &panelOk_;
    }
    if (target != nullptr) {
        target->setFocus(Qt::OtherFocusReason);
    }
}

// Never Exit unless Exit had it: the fallbacks are the controls the phase
// works with.
QWidget* InstructionsFocus::usableOrFallback(QWidget* before) const {
    const bool usable = before != nullptr && before->isVisible() && before->isEnabled() &&
                        client_.window()->isAncestorOf(before);
    if (usable) {
        return before;
    }
    for (QWidget* candidate : fallbacks_) {
        if (candidate->isVisible()) {
            return candidate;
        }
    }
    return nullptr;
}

} // namespace tessaly
