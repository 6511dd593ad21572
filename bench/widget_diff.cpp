// SPDX-License-Identifier: MIT
#include "widget_diff.hpp"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QWidget>

namespace tessaly::bench {

namespace {

QString textOf(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        return button->text();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(&widget)) {
        return frame->title();
    }
    return {};
}

WidgetState stateOf(const QWidget& widget) {
    return {textOf(widget), widget.palette().color(QPalette::Window),
            widget.palette().color(QPalette::WindowText), widget.isHidden(), widget.geometry()};
}

WidgetState stateOf(const QAction& action) {
    WidgetState state;
    state.text = action.text();
    state.checked = action.isChecked();
    state.enabled = action.isEnabled();
    return state;
}

// Menu entries are named by their captions, which the floor's menus share.
template <typename Visit> void forEachEntry(const QWidget& window, Visit visit) {
    const auto* bar = window.findChild<QMenuBar*>();
    if (bar == nullptr) {
        return;
    }
    for (QAction* menu : bar->actions()) {
        visit("menu " + menu->text(), *menu);
        if (menu->menu() != nullptr) {
            for (QAction* item : menu->menu()->actions()) {
                visit("menu " + menu->text() + "/" +
                          QString::number(menu->menu()->actions().indexOf(item)),
                      *item);
            }
        }
    }
}

QWidget* widgetNamed(const std::vector<QWidget*>& windows, const QString& name) {
    for (QWidget* window : windows) {
        if (auto* found = window->findChild<QWidget*>(name)) {
            return found;
        }
    }
    return nullptr;
}

QAction* entryNamed(const std::vector<QWidget*>& windows, const QString& name) {
    QAction* found = nullptr;
    for (QWidget* window : windows) {
        forEachEntry(*window, [&](const QString& entry, QAction& action) {
            if (entry == name) {
                found = &action;
            }
        });
    }
    return found;
}

void addWidgetChanges(std::vector<Change>& list, QWidget& widget, const WidgetState& from,
                      const WidgetState& to) {
    if (from.text != to.text) {
        list.push_back({.what = Change::Text, .widget = &widget, .text = to.text});
    }
    if (from.background != to.background || from.textColour != to.textColour) {
        QPalette palette = widget.palette();
        palette.setColor(QPalette::Window, to.background);
        palette.setColor(QPalette::WindowText, to.textColour);
        list.push_back({.what = Change::Palette, .widget = &widget, .palette = palette});
    }
    if (from.hidden != to.hidden) {
        list.push_back({.what = Change::Hidden, .widget = &widget, .flag = to.hidden});
    }
    if (from.geometry != to.geometry) {
        list.push_back({.what = Change::Geometry, .widget = &widget, .geometry = to.geometry});
    }
}

void addEntryChanges(std::vector<Change>& list, QAction& action, const WidgetState& from,
                     const WidgetState& to) {
    if (from.text != to.text) {
        list.push_back({.what = Change::Text, .action = &action, .text = to.text});
    }
    if (from.checked != to.checked) {
        list.push_back({.what = Change::Checked, .action = &action, .flag = to.checked});
    }
    if (from.enabled != to.enabled) {
        list.push_back({.what = Change::Enabled, .action = &action, .flag = to.enabled});
    }
}

void applyToWidget(const Change& change) {
    QWidget& widget = *change.widget;
    switch (change.what) {
    case Change::Text:
        if (auto* label = qobject_cast<QLabel*>(&widget)) {
            label->setText(change.text);
        } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
            button->setText(change.text);
        }
        break;
    case Change::Palette:
        widget.setPalette(change.palette);
        break;
    case Change::Hidden:
        widget.setHidden(change.flag);
        break;
    case Change::Geometry:
        // A label that grows with its caption is measured, as adjustSize()
        // does; it then stands where Tessaly put it.
        if (auto* label = qobject_cast<QLabel*>(&widget)) {
            label->adjustSize();
        }
        widget.setGeometry(change.geometry);
        break;
    default:
        break;
    }
}

void applyToEntry(const Change& change) {
    QAction& action = *change.action;
    if (change.what == Change::Text) {
        action.setText(change.text);
    } else if (change.what == Change::Checked) {
        action.setChecked(change.flag);
    } else if (change.what == Change::Enabled) {
        action.setEnabled(change.flag);
    }
}

} // namespace

Snapshot snapshot(const std::vector<QWidget*>& windows) {
    Snapshot shot;
    for (QWidget* window : windows) {
        for (const QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->objectName().isEmpty()) {
                shot[widget->objectName()] = stateOf(*widget);
            }
        }
        forEachEntry(*window, [&](const QString& name, const QAction& action) {
            shot[name] = stateOf(action);
        });
    }
    return shot;
}

std::vector<Change> changes(const Snapshot& from, const Snapshot& to,
                            const std::vector<QWidget*>& windows) {
    std::vector<Change> list;
    for (const auto& [name, after] : to) {
        const auto before = from.find(name);
        if (before == from.end() || before->second == after) {
            continue;
        }
        if (name.startsWith("menu ")) {
            if (QAction* action = entryNamed(windows, name)) {
                addEntryChanges(list, *action, before->second, after);
            }
        } else if (QWidget* widget = widgetNamed(windows, name)) {
            addWidgetChanges(list, *widget, before->second, after);
        }
    }
    return list;
}

void apply(const std::vector<Change>& changes) {
    for (const Change& change : changes) {
        if (change.widget != nullptr) {
            applyToWidget(change);
        } else {
            applyToEntry(change);
        }
    }
}

} // namespace tessaly::bench
