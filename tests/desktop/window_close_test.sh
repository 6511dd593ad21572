#!/bin/bash
# SPDX-License-Identifier: MIT
# The sign-in window destroyed by the window system (as `xdotool windowclose`
# does) ends the program, as Exit does, instead of leaving the exercise window
# disabled for good. Runs on a private X server with a window manager when one
# is installed. Exit 77 (skipped) when a tool is missing.
#
#   window_close_test.sh PROGRAM
set -u
program=$1

source "$(dirname "$0")/private_x.sh"
need_tools Xvfb xdotool
start_private_x
if command -v openbox >/dev/null; then
    openbox >/dev/null 2>&1 &
    background_pids+=($!)
    sleep 0.5
fi

"$program" >"$workdir/out" 2>&1 &
program_pid=$!
background_pids+=("$program_pid")
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Please Sign In$' | head -1)
[ -n "$window" ] || fail "the sign-in window did not appear"
xdotool windowclose "$window"
for _ in $(seq 50); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$program_pid" 2>/dev/null; then
    fail "the program still runs 5 s after its sign-in window was destroyed"
fi
wait "$program_pid"
status=$?
if [ "$status" -ne 0 ]; then
    echo "FAIL: the program ended with status $status"; cat "$workdir/out"
    echo "0 passed, 1 failed"
    exit 1
fi
echo "1 passed, 0 failed"
