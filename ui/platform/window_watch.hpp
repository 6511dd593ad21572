// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractNativeEventFilter>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace tessaly {

// Tells when the window system destroys a window behind the program's back
// (a task manager or `xdotool windowclose` on X11): Qt itself sends the widget
// no event then, so the program would go on without it.
class WindowLossWatch : public QAbstractNativeEventFilter {
public:
    WindowLossWatch(QWidget& window, std::function<void()> lost);
    ~WindowLossWatch() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    QPointer<QWidget> window_;
    std::function<void()> lost_;
};

} // namespace tessaly
