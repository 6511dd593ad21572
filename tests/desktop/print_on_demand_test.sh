#!/bin/bash
# SPDX-License-Identifier: MIT
# The print stack is loaded only when Print is pressed: the program starts
# without libcups, and after a whole series (39 presses of Space by keyboard)
# Print loads the print module that lies where the program looks for it.
# Exit 77 (skipped) when a tool is missing.
#
#   print_on_demand_test.sh PROGRAM
set -u
program=$1

source "$(dirname "$0")/private_x.sh"
need_tools Xvfb xdotool
start_private_x
# No print service answers here, so Print ends at a question; that is enough.
export CUPS_SERVER="$workdir/no-cups.sock"

"$program" >"$workdir/out" 2>&1 &
program_pid=$!
background_pids+=("$program_pid")
timeout 20 xdotool search --sync --onlyvisible --name '^Please Sign In$' >/dev/null ||
    fail "the sign-in window did not appear"
loaded() { grep -q "$1" "/proc/$program_pid/maps"; }
loaded libcups && fail "libcups is loaded at start"
loaded libtessaly-print && fail "the print module is loaded at start"

xdotool type --delay 50 '~'
xdotool key Return
timeout 20 xdotool search --sync --onlyvisible --name '^Tessaly$' >/dev/null ||
    fail "the exercise window did not appear"
sleep 0.5
xdotool key space # Start; the focus goes to Test Now!
for _ in $(seq 39); do
    xdotool key --delay 60 space
done
loaded libcups && fail "libcups is loaded before Print"
xdotool key space # Print, which has the focus at the end of the series
for _ in $(seq 50); do
    loaded libtessaly-print && break
    sleep 0.1
done
loaded libtessaly-print || fail "Print did not load the print module"
loaded libcups || fail "Print did not bring libcups"
echo "1 passed, 0 failed"
