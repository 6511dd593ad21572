// SPDX-License-Identifier: MIT
#include "ui/controls/accessibility.hpp"

#include "ui/controls/clickable_label.hpp"

#include <QAccessibleWidget>
#include <QLabel>
#include <QWidget>

namespace tessaly {

namespace {

// A label's name is exactly its caption, empty included; its description is
// whatever the window says of it (row, column and verdict for a cell). A
// caption with a buddy is that box's label, so a screen reader reads it with
// the box and not again among the window's loose texts.
class CaptionAccessible : public QAccessibleWidget {
public:
    explicit CaptionAccessible(QLabel* label, QAccessible::Role role = QAccessible::StaticText)
        : QAccessibleWidget(label, role) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? label().text() : name;
        }
        return QAccessibleWidget::text(t);
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto related = QAccessibleWidget::relations(match);
        QAccessibleInterface* box = label().buddy() != nullptr
                                        ? QAccessible::queryAccessibleInterface(label().buddy())
                                        : nullptr;
        if ((match & QAccessible::Labelled) && box != nullptr) {
            related.append({box, QAccessible::Labelled});
        }
        return related;
    }

private:
    const QLabel& label() const { return *static_cast<const QLabel*>(widget()); }
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

// The update handler that was there before ours; without one, Qt hands each
// event to its own bridge to the accessibility bus.
QAccessible::UpdateHandler qtHandler = nullptr;

// A hidden widget's change is dropped: a screen reader that has not met the
// widget yet reads its whole state afresh once it shows.
void tellShownOnly(QAccessibleEvent* event) {
    const auto* widget = qobject_cast<const QWidget*>(event->object());
    if (widget != nullptr && !widget->isVisible()) {
        return;
    }
    if (qtHandler != nullptr) {
        qtHandler(event);
        return;
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(tellShownOnly);
}

} // namespace

void setEnabledTellingShownOnly(QWidget& window, bool enabled) {
    tellingShownOnly([&window, enabled] { window.setEnabled(enabled); });
}

void tellingShownOnly(const std::function<void()>& change) {
    qtHandler = QAccessible::installUpdateHandler(tellShownOnly);
    change();
    QAccessible::installUpdateHandler(qtHandler);
}

void installAccessibility() {
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(programInterfaces);
        installed = true;
    }
}

} // namespace tessaly
