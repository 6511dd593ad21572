#!/bin/bash
# SPDX-License-Identifier: MIT
# A window destroyed by the window system (as `xdotool windowclose` does) ends
# the program, as Exit does: the sign-in window, which would otherwise leave the
# exercise window disabled for good, and the exercise window, idle or while
# Print waits for a print service that never answers. The Explain window
# destroyed so is closed as its Close does: the exercise window goes on, and
# Explain opens again. Runs on a private X server with a window manager when
# one is installed. Exit 77 (skipped) when a tool is missing.
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

# A print service that takes connections and never answers them.
silent_service() {
    /usr/bin/python3 - "$1" <<'PY' &
import socket, sys, time
server = socket.socket(socket.AF_UNIX)
server.bind(sys.argv[1])
server.listen(16)
held = []
server.settimeout(60)
while True:
    try:
        held.append(server.accept()[0])
    except OSError:
        break
PY
    background_pids+=($!)
    for _ in $(seq 50); do
        [ -S "$1" ] && return
        sleep 0.1
    done
    fail "the silent print service did not start"
}

find_window() {
    timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -1
}

# Signs in by keyboard and plays the whole series: 39 presses of Space after
# Start leave the focus on Print.
to_series_end() {
    xdotool type --delay 50 '~'
    xdotool key Return
    [ -n "$(find_window '^Tessaly$')" ] || fail "the exercise window did not appear"
    sleep 0.5
    xdotool key space
    for _ in $(seq 39); do
        xdotool key --delay 60 space
    done
}

# Alt and the arrows to Explain in the menu bar, and Enter.
open_explain() {
    xdotool key alt
    sleep 0.2
    xdotool key Right Right Return
}

# One case: the program started, brought to the state `case` names, and the
# window destroyed from outside.
close_case() {
    local case=$1 window program_pid status
    export CUPS_SERVER="$workdir/no-cups.sock"
    [ "$case" = "exercise window while printing" ] && CUPS_SERVER="$workdir/silent.sock"
    "$program" >"$workdir/out" 2>&1 &
    program_pid=$!
    background_pids+=("$program_pid")
    window=$(find_window '^Please Sign In$')
    [ -n "$window" ] || fail "$case: the sign-in window did not appear"
    case $case in
    "sign-in window") ;;
    "exercise window, idle")
        xdotool type --delay 50 '~'
        xdotool key Return
        window=$(find_window '^Tessaly$')
        sleep 0.5
        ;;
    "exercise window while printing")
        to_series_end
        window=$(find_window '^Tessaly$')
        xdotool key space # Print: it waits for the silent service
        sleep 1
        ;;
    "Explain window")
        xdotool type --delay 50 '~'
        xdotool key Return
        find_window '^Tessaly$' >/dev/null
        sleep 0.5
        xdotool key space space # Start, Test Now!
        open_explain
        explain=$(find_window '^Explain$')
        [ -n "$explain" ] || fail "$case: Explain did not open"
        xdotool windowclose "$explain"
        sleep 0.5
        open_explain # blocked by a lost Explain, the window would not answer
        [ -n "$(find_window '^Explain$')" ] || fail "$case: Explain did not open again"
        xdotool key Escape
        window=$(find_window '^Tessaly$')
        sleep 0.5
        ;;
    esac
    xdotool windowclose "$window"
    for _ in $(seq 50); do
        kill -0 "$program_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$program_pid" 2>/dev/null; then
        fail "$case: the program still runs 5 s after its window was destroyed"
    fi
    wait "$program_pid"
    status=$?
    if [ "$status" -ne 0 ]; then
        cat "$workdir/out"
        fail "$case: the program ended with status $status"
    fi
    echo "PASS: $case"
}

silent_service "$workdir/silent.sock"
cases=("sign-in window" "exercise window, idle" "exercise window while printing" "Explain window")
for case in "${cases[@]}"; do
    close_case "$case"
done
echo "${#cases[@]} passed, 0 failed"
