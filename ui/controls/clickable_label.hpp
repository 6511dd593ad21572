// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace tessaly {

// A label that reports clicks, as the grid's cells do. While it has the
// keyboard focus it shows a frame inside its border, leaving its background
// and caption as they are.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // What a mouse click does, for the keyboard and assistive technology.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace tessaly
