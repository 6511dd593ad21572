// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

#include <vector>

class QWidget;

namespace tessaly {

class GridKeyboard;

// Where the exercise window's keyboard focus goes around the instructions
// panel: while it shows, the controls it covers take no focus; when it
// closes, the focus goes back to the control in the client area that had it
// before it opened (the menu bar takes the focus while the keyboard opens a
// menu, so that control is remembered as the focus moves). While it shows, a
// control it covers never gets the focus back: the panel's OK takes it.
class InstructionsFocus : public QObject {
    Q_OBJECT
public:
    // `fallbacks`: the controls that take the focus, the first visible one,
    // when the one that had it before cannot take it again; `panelOk` takes
    // it instead of a control that the panel covers.
    InstructionsFocus(QWidget& client, QWidget& panel, QWidget& panelOk, GridKeyboard& grid,
                      std::vector<QWidget*> fallbacks);

    // The panel opens (or is already open): remember the focus once, cover.
    void opened();
    // The panel closed: uncover, and give the focus back.
    void closed();

    // The control in the client area that had the focus last, for another
    // window that gives the focus back when it closes (Explain).
    QWidget* lastClientFocus() const { return lastClientFocus_; }
    // The focus to `before`, if it can still take it; otherwise to the first
    // visible fallback; to the panel's OK while the panel covers that control.
    void giveBack(QWidget* before);

private:
    void cover(bool covered);
    QWidget* usableOrFallback(QWidget* before) const;
    bool underPanel(const QWidget& widget) const;

    QWidget& client_;
    QWidget& panel_;
    QWidget& panelOk_;
    GridKeyboard& grid_;
    std::vector<QWidget*> fallbacks_;
    QPointer<QWidget> lastClientFocus_;
    QPointer<QWidget> focusBeforePanel_;
    QHash<QWidget*, Qt::FocusPolicy> covered_;
    bool open_ = false;
};

} // namespace tessaly
