#pragma once

#include "layout.hpp"

class QString;

namespace tessaly {

// Sets a label's caption, resizing it to the caption when it sizes itself.
void setCaption(QLabel& label, const QString& caption);

// Whether the layout makes `label` size itself to its caption, and doing so.
bool sizesItself(const QLabel& label);
void sizeToCaption(QLabel& label);

// Shows or hides a widget only when that changes something.
void setShown(QWidget& widget, bool visible);

// Creates the control of one layout row inside `container`.
QWidget* createControl(const Control& row, QWidget& container);

} // namespace tessaly
