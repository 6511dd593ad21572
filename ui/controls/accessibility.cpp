// SPDX-License-Identifier: MIT
#include "ui/controls/accessibility.hpp"

#include "ui/controls/clickable_label.hpp"

#include <QAccessibleWidget>
#include <QLabel>

namespace tessaly {

namespace {

// A label's name is exactly its caption, empty included; its description is
// whatever the window says of it (row, column and verdict for a cell).
class CaptionAccessible : public QAccessibleWidget {
public:
    explicit CaptionAccessible(QLabel* label, QAccessible::Role role = QAccessible::StaticText)
        : QAccessibleWidget(label, role) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? static_cast<const QLabel*>(widget())->text() : name;
        }
        return QAccessibleWidget::text(t);
    }
};

// A grid cell: pressing it does what a click does; it can always take the
// focus, although only one cell at a time is in the window's Tab chain.
class CellAccessible : public CaptionAccessible {
public:
    explicit CellAccessible(ClickableLabel* cell) : CaptionAccessible(cell, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State state = CaptionAccessible::state();
        state.focusable = true;
        state.focused = widget()->hasFocus();
        return state;
    }

    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }

    void doAction(const QString& action) override {
        auto* cell = static_cast<ClickableLabel*>(widget());
        if (action == pressAction()) {
            cell->click();
        } else if (action == setFocusAction()) {
            cell->setFocus(Qt::OtherFocusReason);
        }
    }

    QStringList keyBindingsForAction(const QString& action) const override {
        return action == pressAction() ? QStringList{"Space"} : QStringList{};
    }
};

QAccessibleInterface* programInterfaces(const QString& className, QObject* object) {
    if (className == QLatin1String("tessaly::ClickableLabel")) {
        return new CellAccessible(static_cast<ClickableLabel*>(object));
    }
    if (className == QLatin1String("QLabel")) {
        return new CaptionAccessible(static_cast<QLabel*>(object));
    }
    return nullptr;
}

} // namespace

void installAccessibility() {
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(programInterfaces);
        installed = true;
    }
}

} // namespace tessaly
