// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QAbstractButton;

namespace tessaly {

// Keeps the arrow keys from moving the focus off a button. A push button takes
// them for Tab and Shift+Tab, so that one Right from "Next" (after the replay
// of Explain, where Right steps on) lands on Exit, and the next Space ends the
// program. The arrows keep their work inside the grid and the replay.
void keepArrowsOn(QAbstractButton& button);

// The event filter behind keepArrowsOn: it takes the arrow keys, unmodified
// or on the keypad, before the button does.
class ArrowGuard : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace tessaly
