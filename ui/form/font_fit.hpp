// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QSize>
#include <QString>

class QGroupBox;
class QLabel;
class QPushButton;

namespace tessaly {

// The layout was drawn for fonts that are not installed here; their
// metric-compatible Liberation stand-ins run a little wider. Everything the
// program does about that is in this file.

// Makes `label` size itself to its caption from now on, or not.
void setSizesItself(QLabel& label, bool sizesItself);
bool sizesItself(const QLabel& label);

// Resizes a self-sizing label to its caption. A centred label grows about the
// middle it had when it was first sized, so that "20" stays clear of its
// neighbours just as "1" does.
void sizeToCaption(QLabel& label);

// Sets a label's caption, resizing it to the caption when it sizes itself.
void setCaption(QLabel& label, const QString& caption);

// A transparent label with a fixed size shows nothing but its text, so it may
// grow to a caption that the stand-in font makes wider than the layout's box.
void widenToCaption(QLabel& label);

// A button shows its caption in its window's font, or, when a caption is
// wider than the layout made the button (a longer word in another language),
// in the largest smaller size that fits, so that no letter is cut off.
void fitButtonCaption(QPushButton& button);

// A label with a background of its own keeps the size the layout gives it;
// a caption wider than that (a longer word in another language) is set in a
// smaller size of the label's font, as small as it must.
void fitFixedCaption(QLabel& label);

// The largest size of `font`, up to its own, at which every line of `text`
// fits into `box` unwrapped.
QFont fittingFont(QFont font, const QString& text, QSize box);

// Where a line inside `frame` ends at the latest to stand wholly inside its
// border, in pixels from the frame's left.
int listingEnd(const QGroupBox& frame);

// The pixel size of the listing's lines in language n (1..LanguageCount),
// each line set in `font` (the layout's) at its place in the program frame
// and ending at `right` (pixels from the frame's left) at most. Java and BASIC
// keep the font's own size, for which the layout was drawn. Any other
// language keeps it too when every line of every problem a level can draw
// ends there, else takes the largest size at which they all do, but not below
// 10 pt; worked out once per language, font size and frame.
int listingPixelSize(int n, const QFont& font, int right);

} // namespace tessaly
