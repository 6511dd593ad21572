#!/bin/bash
# The sign-in window destroyed by the window system (as `xdotool windowclose`
# does) ends the program, as Exit does, instead of leaving the exercise window
# disabled for good. Runs on a private X server with a window manager when one
# is installed. Exit 77 (skipped) when a tool is missing.
#
#   window_close_test.sh PROGRAM
set -u
program=$1

for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed" >&2
        exit 77
    fi
done

workdir=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    rm -rf "$workdir"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$workdir/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do
    [ -s "$workdir/display" ] && break
    sleep 0.1
done
[ -s "$workdir/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$workdir/display")" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$workdir" HOME="$workdir"
if command -v openbox >/dev/null; then
    openbox >/dev/null 2>&1 &
    pids+=($!)
    sleep 0.5
fi

"$program" >"$workdir/out" 2>&1 &
program_pid=$!
pids+=("$program_pid")
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Please Sign In$' | head -1)
[ -n "$window" ] || { echo "FAIL: the sign-in window did not appear"; exit 1; }
xdotool windowclose "$window"
for _ in $(seq 50); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$program_pid" 2>/dev/null; then
    echo "FAIL: the program still runs 5 s after its sign-in window was destroyed"
    echo "0 passed, 1 failed"
    exit 1
fi
wait "$program_pid"
status=$?
if [ "$status" -ne 0 ]; then
    echo "FAIL: the program ended with status $status"; cat "$workdir/out"
    echo "0 passed, 1 failed"
    exit 1
fi
echo "1 passed, 0 failed"
