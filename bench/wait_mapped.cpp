// SPDX-License-Identifier: MIT
// wait_mapped TITLE COMMAND [ARG...]
//
// Starts COMMAND, waits until a top-level window titled TITLE is mapped on the
// X display, ends the process that owns that window (its _NET_WM_PID) and then
// waits for COMMAND. Unlike polling for the window, the map is seen the moment
// the X server reports it, so that a timer around this program measures the
// start-up of COMMAND to within the X round trip. Exits 0 once the window was
// seen, 1 when COMMAND ended first or nothing was mapped within 30 seconds.

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string titleOf(Display* display, Window window) {
    char* name = nullptr;
    if (XFetchName(display, window, &name) == 0 || name == nullptr) {
        return {};
    }
    std::string title(name);
    XFree(name);
    return title;
}

pid_t ownerOf(Display* display, Window window) {
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", True);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    if (pidAtom == None ||
        XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &left, &data) != Success ||
        data == nullptr) {
        return 0;
    }
    const pid_t pid = count == 1 ? static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) : 0;
    XFree(data);
    return pid;
}

// Waits up to `seconds` for the X connection to have something to read.
bool readable(Display* display, int seconds) {
    if (XPending(display) > 0) {
        return true;
    }
    fd_set fds;
    FD_ZERO(&fds);
    FD_SET(ConnectionNumber(display), &fds);
    timeval timeout{seconds, 0};
    return select(ConnectionNumber(display) + 1, &fds, nullptr, nullptr, &timeout) > 0;
}

// The owner of the first window titled `title` to be mapped; -1 on failure.
pid_t waitForMap(Display* display, const std::string& title, pid_t child) {
    for (int idle = 0; idle < 30;) {
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "wait_mapped: the command ended before mapping \"%s\"\n",
                         title.c_str());
            return -1;
        }
        if (!readable(display, 1)) {
            ++idle;
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && titleOf(display, event.xmap.window) == title) {
            const pid_t owner = ownerOf(display, event.xmap.window);
            return owner > 0 ? owner : child;
        }
    }
    std::fprintf(stderr, "wait_mapped: no window \"%s\" within 30 s\n", title.c_str());
    kill(child, SIGKILL);
    return -1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: wait_mapped TITLE COMMAND [ARG...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "wait_mapped: cannot open the display\n");
        return 2;
    }
    // A window may go before its title is read: that is no error here.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    // Listening before the command starts, so that no map can be missed.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::perror("wait_mapped: exec");
        _exit(127);
    }
    const pid_t owner = waitForMap(display, argv[1], child);
    if (owner > 0) {
        kill(owner, SIGTERM);
    }
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return owner > 0 ? 0 : 1;
}
