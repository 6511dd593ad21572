// SPDX-License-Identifier: MIT
#include "ui/form/render_cache.hpp"

#include "engine/exercise.hpp"
#include "ui/form/font_fit.hpp"
#include "ui/form/look.hpp"
#include "ui/form/qt_convert.hpp"

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace tessaly {

bool RenderCache::setCaption(QLabel& label, const std::string& caption) {
    Shown& shown = recordOf(label);
    if (!shown.sizesItself) {
        shown.sizesItself = sizesItself(label);
    }
    if (!changes(shown.text, caption)) {
        return false;
    }
    const QString text = qs(caption);
    if (label.text() == text) {
        return true; // the first render of a caption the layout already gave
    }
    label.setText(text);
    if (*shown.sizesItself) {
        sizeWhenShown(label);
    }
    return true;
}

// Measuring a caption is the dearest part of setting it. A label inside a
// hidden frame (the listing before Start, while the level and language are
// chosen) is sized when its frame is shown, once, whatever it held meanwhile.
void RenderCache::sizeWhenShown(QLabel& label) {
    if (label.isVisibleTo(label.window())) {
        sizeToCaption(label);
    } else if (std::find(unsized_.begin(), unsized_.end(), &label) == unsized_.end()) {
        unsized_.push_back(&label);
    }
}

void RenderCache::sizeShownLabels() {
    std::erase_if(unsized_, [this](QLabel* label) {
        if (!label->isVisibleTo(label->window())) {
            return false;
        }
        sizeToCaption(*label);
        ++widgetCalls_;
        return true;
    });
}

void RenderCache::setText(QPushButton& button, const std::string& caption) {
    if (changes(recordOf(button).text, caption)) {
        button.setText(qs(caption));
        fitButtonCaption(button);
    }
}

bool RenderCache::setColors(QWidget& widget, Color background) {
    Shown& shown = recordOf(widget);
    const bool first = !shown.background;
    if (!changes(shown.background, background)) {
        return false;
    }
    if (const QPalette* known = paletteFor(shown, background); known != nullptr && !first) {
        widget.setPalette(*known);
        return true;
    }
    tessaly::setColors(widget, background);
    shown.palettes.emplace_back(background, widget.palette());
    return true;
}

void RenderCache::setDescription(QWidget& widget, const std::string& description) {
    Shown& shown = recordOf(widget);
    if (changes(shown.description, description)) {
        widget.setAccessibleDescription(qs(description));
    }
}

// A render visits the widgets in the same order every time, so the record
// wanted is nearly always the one used last or the one after it; only the
// first widget of a render and a new widget need the index.
RenderCache::Shown& RenderCache::recordOf(const QObject& object) {
    for (std::size_t i = last_; i < records_.size() && i <= last_ + 1; ++i) {
        if (records_[i].first == &object) {
            last_ = i;
            return records_[i].second;
        }
    }
    const auto [place, added] = index_.try_emplace(&object, records_.size());
    if (added) {
        records_.emplace_back(&object, Shown{});
    }
    last_ = place->second;
    return records_[last_].second;
}

const QPalette* RenderCache::paletteFor(const Shown& shown, Color background) {
    for (const auto& [colour, palette] : shown.palettes) {
        if (colour == background) {
            return &palette;
        }
    }
    return nullptr;
}

void RenderCache::setShown(QWidget& widget, bool visible) {
    if (changes(recordOf(widget).visible, visible)) {
        // Qt sends a change even when a widget already is as asked.
        if (widget.isHidden() == visible) {
            widget.setVisible(visible);
        }
    }
}

bool RenderCache::setPixelSize(QLabel& label, int pixelSize) {
    if (!changes(recordOf(label).pixelSize, pixelSize)) {
        return false;
    }
    if (label.font().pixelSize() != pixelSize) {
        QFont font = label.font();
        font.setPixelSize(pixelSize);
        label.setFont(font);
        if (sizesItself(label)) {
            sizeWhenShown(label);
        }
    }
    return true;
}

void RenderCache::setMenuEntry(QAction& action, const MenuEntry& entry) {
    Shown& shown = recordOf(action);
    if (changes(shown.text, entry.caption)) {
        action.setText(qs(entry.caption));
    }
    // Qt itself flips the check mark of a checkable entry when it is
    // triggered, so the mark is compared with the entry, not remembered.
    if (action.isChecked() != entry.checked) {
        ++widgetCalls_;
        action.setChecked(entry.checked);
    }
    if (changes(shown.enabled, entry.enabled)) {
        action.setEnabled(entry.enabled);
    }
}

} // namespace tessaly
