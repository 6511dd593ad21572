// SPDX-License-Identifier: MIT
#pragma once

class QString;
class QWidget;

namespace tessaly {

// Tells a screen reader `text` at once, as a sighted student would learn it
// from what changed on screen: the one way the program speaks to a student who
// cannot see the window. The keyboard focus stays where it is, and nothing
// visible changes. `source` is the widget the news is about (the control the
// student used); its window carries the message.
//
// Call it after any focus move of the same command, so that the screen reader
// says the new focus first and the message after it. A second message sent
// before the screen reader has taken the first may replace it: say what
// belongs together in one message.
void announce(QWidget& source, const QString& text);

} // namespace tessaly
