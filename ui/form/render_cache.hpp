// SPDX-License-Identifier: MIT
#pragma once

#include "engine/colors.hpp"

#include <QPalette>

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class QAction;
class QLabel;
class QObject;
class QPushButton;
class QWidget;

namespace tessaly {

struct MenuEntry;

// What a window's render last put on each widget, kept in the engine's own
// terms (UTF-8 text, 0x00BBGGRR colours, flags) so that comparing costs no
// conversion. Each setter calls the widget only when the value differs from
// the one it set last: a render after a click touches the one cell that
// changed, and a render with nothing changed makes no widget call at all.
// The first value for a widget goes through the widget helpers, which compare
// with what the widget holds. Only the render may change what it mirrors,
// except a menu entry's check mark, which Qt flips when the entry is chosen.
class RenderCache {
public:
    // True when the caption differs from the one set last.
    bool setCaption(QLabel& label, const std::string& caption);
    void setText(QPushButton& button, const std::string& caption);
    // True when the background changed.
    bool setColors(QWidget& widget, Color background);
    // The accessible description: what assistive technology says beyond the caption.
    void setDescription(QWidget& widget, const std::string& description);
    void setShown(QWidget& widget, bool visible);
    // The label's font at another pixel size; a self-sizing label is resized.
    // True when the size differs from the one set last.
    bool setPixelSize(QLabel& label, int pixelSize);
    void setMenuEntry(QAction& action, const MenuEntry& entry);
    // Sizes the labels whose captions changed while they were hidden and that
    // show now; the render calls it last.
    void sizeShownLabels();

    // How many widget calls the cache has made since it was created.
    std::size_t widgetCalls() const { return widgetCalls_; }

private:
    struct Shown {
        std::optional<bool> sizesItself; // a label's, read once
        // The palettes this widget has shown, by background: a cell goes
        // through the same few colours, and building a palette costs more
        // than setting it.
        std::vector<std::pair<Color, QPalette>> palettes;
        std::optional<std::string> text;
        std::optional<std::string> description;
        std::optional<Color> background;
        std::optional<bool> visible;
        std::optional<bool> enabled;
        std::optional<int> pixelSize;
    };

    // Records `value` as shown; true when it differs from the last one.
    template <typename T> bool changes(std::optional<T>& shown, const T& value) {
        if (shown == value) {
            return false;
        }
        shown = value;
        ++widgetCalls_;
        return true;
    }

    static const QPalette* paletteFor(const Shown& shown, Color background);
    Shown& recordOf(const QObject& object);
    void sizeWhenShown(QLabel& label);

    // The records in the order the widgets were first rendered, and where
    // each one is.
    std::vector<std::pair<const QObject*, Shown>> records_;
    std::unordered_map<const QObject*, std::size_t> index_;
    std::size_t last_ = 0;         // the record used last
    std::vector<QLabel*> unsized_; // self-sizing labels hidden since their caption changed
    std::size_t widgetCalls_ = 0;
};

} // namespace tessaly
