// SPDX-License-Identifier: MIT
#include "ui/platform/key_repeat.hpp"

#include <QGuiApplication>

// Last: Xlib's headers define macros (KeyPress, None ...) that Qt's names share.
#include <X11/XKBlib.h>

namespace tessaly {

bool repeatHeldKeysWithoutReleases() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->display() == nullptr) {
        return false;
    }
    Bool supported = False;
    return XkbSetDetectableAutoRepeat(x11->display(), True, &supported) != False &&
           supported != False;
}

} // namespace tessaly
