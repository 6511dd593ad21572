// SPDX-License-Identifier: MIT
#include "ui/platform/window_watch.hpp"

#include <QCoreApplication>
#include <QTimer>

#include <xcb/xcb.h>

namespace tessaly {

WindowLossWatch::WindowLossWatch(QWidget& window, std::function<void()> lost)
    : window_(&window), lost_(std::move(lost)) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

WindowLossWatch::~WindowLossWatch() {
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool WindowLossWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t" || window_.isNull() ||
        !window_->testAttribute(Qt::WA_WState_Created)) {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_DESTROY_NOTIFY) {
        return false;
    }
    const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
    if (destroyed->window == static_cast<xcb_window_t>(window_->winId())) {
        // Not from inside the platform's event dispatch.
        QTimer::singleShot(0, QCoreApplication::instance(), lost_);
    }
    return false;
}

} // namespace tessaly
