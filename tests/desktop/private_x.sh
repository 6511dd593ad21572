# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Sourced by the tests that need an X display (the desktop, accessibility,
# screen-reader and package tests): a private X server on a display of its
# own, and a clean-up that ends every process the test started.
#
#   source private_x.sh; need_tools Xvfb xdotool; start_private_x
#   background_pids+=($!)   # for each process to end at exit
#   fail "what went wrong"
#
# start_private_x sets DISPLAY, and private_x_pid to the server's process.

background_pids=()
workdir=$(mktemp -d)

end_test() {
    for pid in "${background_pids[@]}"; do kill "$pid" 2>/dev/null; done
    rm -rf "$workdir"
}
trap end_test EXIT

# Skips the test (exit 77) when a tool is missing.
need_tools() {
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "skipped: $tool is not installed" >&2
            exit 77
        fi
    done
}

fail() {
    echo "FAIL: $*"
    echo "0 passed, 1 failed"
    exit 1
}

# Starts Xvfb on a free display and points DISPLAY, the Qt platform and the
# runtime and home folders at it and at the test's own folder.
#
# The display: with -displayfd the server takes the first number whose sockets
# it can bind, and it tries the abstract socket (@/tmp/.X11-unix/Xn), which
# the kernel hands to one server only, first. So two tests running side by
# side, a test and the desktop it runs on, or a test in a chroot and one
# outside it never share a number; the server writes the number once it
# accepts clients.
#
# -noreset: an X server resets when its last client disconnects, and a client
# that connects during the reset is turned away ("could not connect to
# display"). A tool that looks at the display and leaves before the program
# has connected (pyatspi reading the accessibility bus's address, xdotool)
# made the program's own start fail now and then.
start_private_x() {
    Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp \
        3>"$workdir/display" >"$workdir/xvfb.log" 2>&1 &
    private_x_pid=$!
    background_pids+=("$private_x_pid")
    for _ in $(seq 300); do
        [ -s "$workdir/display" ] && break
        kill -0 "$private_x_pid" 2>/dev/null ||
            fail "Xvfb ended at start: $(tail -n 3 "$workdir/xvfb.log")"
        sleep 0.1
    done
    [ -s "$workdir/display" ] || fail "Xvfb gave no display within 30 s"
    DISPLAY=":$(head -n1 "$workdir/display")"
    export DISPLAY QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$workdir" HOME="$workdir"
}
