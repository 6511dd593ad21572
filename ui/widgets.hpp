#pragma once

#include "qt_adapter.hpp"

#include <QFont>
#include <QRect>

#include <optional>

class QGroupBox;
class QPushButton;

namespace tessaly {

// How a label looks: its background (none when transparent), border,
// alignment, whether it sizes itself to its caption, and its font.
struct LabelLook {
    std::optional<Color> background; // no value: transparent
    bool framed = false;
    bool centred = false;
    bool autoSize = false;
    QFont font = layoutFont(Face::MsSansSerif, 8);
};

// A plain-text label placed at a rectangle given in twips.
QLabel* makeLabel(QWidget* parent, const QString& caption, QRect twipsGeometry,
                  const LabelLook& look);
// The same for a clickable one, as the grid's cells are.
ClickableLabel* makeClickableLabel(QWidget* parent, const QString& caption, QRect twipsGeometry,
                                   const LabelLook& look);

// Sets a label's caption, resizing it to the caption when it sizes itself.
void setCaption(QLabel& label, const QString& caption);

QPushButton* makeButton(QWidget* parent, const QString& caption, QRect twipsGeometry);

// A titled frame with its own background colour.
QGroupBox* makeFrame(QWidget* parent, const QString& caption, QRect twipsGeometry,
                     Color background);

// Shows or hides a widget only when that changes something.
void setShown(QWidget& widget, bool visible);

} // namespace tessaly
