// SPDX-License-Identifier: MIT
#include "ui/platform/key_repeat.hpp"

#include <QGuiApplication>

// Last: Xlib's headers define macros (KeyPress, None ...) that Qt's names share.
#include <X11/XKBlib.h>

namespace tessaly {

namespace {

Display* x11Display() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 == nullptr ? nullptr : x11->display();
}

} // namespace

bool repeatHeldKeysWithoutReleases() {
    Display* display = x11Display();
    if (display == nullptr) {
        return false;
    }
    Bool supported = False;
    return XkbSetDetectableAutoRepeat(display, True, &supported) != False && supported != False;
}

std::optional<int> heldKeyRepeatDelay() {
    Display* display = x11Display();
    unsigned int delay = 0;
    unsigned int interval = 0;
    if (display == nullptr ||
        XkbGetAutoRepeatRate(display, XkbUseCoreKbd, &delay, &interval) == False) {
        return std::nullopt;
    }
    return static_cast<int>(delay);
}

std::optional<bool> keyIsDown(quint32 keyCode) {
    Display* display = x11Display();
    constexpr quint32 KeyCodes = 256;
    if (display == nullptr || keyCode >= KeyCodes) {
        return std::nullopt;
    }
    char keys[KeyCodes / 8] = {};
    XQueryKeymap(display, keys);
    return (keys[keyCode / 8] & (1 << (keyCode % 8))) != 0;
}

} // namespace tessaly
