// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QAbstractButton;

namespace tessaly {

// Makes a button ignore the second click of a mouse double-click, so that a
// student who double-clicks "Test Now!" sees the verdict before the next
// problem, and a double-click on Print prints once. Two clicks further apart
// than the double-click interval stay two presses; the keyboard is unaffected.
void ignoreDoubleClicks(QAbstractButton& button);

// The event filter behind ignoreDoubleClicks: a double-click reaches a widget
// as press, release, double-click, release; it swallows the double-click,
// which would press the button again, and the release that ends it.
class DoubleClickGuard : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool swallowRelease_ = false;
};

} // namespace tessaly
