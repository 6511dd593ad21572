// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>

namespace tessaly {

// A titled frame that is one keyboard stop, for something the student steps
// through: Right or Space asks for the next step, Left for the previous one,
// Home for the first and End for the last. While it has the focus it shows a
// dashed frame inside its border, as a focused grid cell does.
class SteppingFrame : public QGroupBox {
    Q_OBJECT
public:
    enum class Move { Next, Previous, First, Last };

    explicit SteppingFrame(const QString& title, QWidget* parent = nullptr);

signals:
    void stepRequested(tessaly::SteppingFrame::Move move);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace tessaly
