// SPDX-License-Identifier: MIT
#pragma once

// What a handler changed on the screen, as a list of widget changes that can
// be made again, by plain Qt calls, on the bare windows: the floor of that
// handler is exactly these changes and their paint.

#include <QColor>
#include <QPalette>
#include <QRect>
#include <QString>

#include <map>
#include <vector>

class QAction;
class QWidget;

namespace tessaly::bench {

// Everything a render can change on one named widget or menu entry.
struct WidgetState {
    QString text{};
    QColor background;
    QColor textColour;
    bool hidden = false;
    QRect geometry{};
    bool checked = false;
    bool enabled = true;

    bool operator==(const WidgetState&) const = default;
};

// Every named widget below the windows, and every menu entry, by name.
using Snapshot = std::map<QString, WidgetState>;
Snapshot snapshot(const std::vector<QWidget*>& windows);

// One property of one widget set to a prepared value.
struct Change {
    enum What { Text, Palette, Hidden, Geometry, Checked, Enabled } what = Text;
    QWidget* widget = nullptr;
    QAction* action = nullptr;
    QString text{};
    QPalette palette{};
    bool flag = false;
    QRect geometry{};
};

// The changes that turn `from` into `to`, resolved against the widgets and
// menu entries of the same names below `windows`.
std::vector<Change> changes(const Snapshot& from, const Snapshot& to,
                            const std::vector<QWidget*>& windows);

// Makes the changes with one plain Qt call each.
void apply(const std::vector<Change>& changes);

} // namespace tessaly::bench
