# SPDX-License-Identifier: MIT
# Sourced by the desktop tests: a private X server on a display of its own,
# and a clean-up that ends every process the test started.
#
#   source private_x.sh; need_tools Xvfb xdotool; start_private_x
#   background_pids+=($!)   # for each process to end at exit
#   fail "what went wrong"

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
start_private_x() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$workdir/display" >/dev/null 2>&1 &
    background_pids+=($!)
    for _ in $(seq 50); do
        [ -s "$workdir/display" ] && break
        sleep 0.1
    done
    [ -s "$workdir/display" ] || fail "Xvfb did not start"
    export DISPLAY=":$(cat "$workdir/display")" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$workdir" \
        HOME="$workdir"
}
