#!/bin/bash
# SPDX-License-Identifier: MIT
# Runs a test program that presses keys through a private X server, whose own
# auto-repeat repeats a key held down, with a window manager that moves the
# keyboard focus between the windows when one is installed. Exit 77 (skipped)
# when a tool is missing.
#
#   held_key_test.sh TEST_PROGRAM
set -u
test_program=$1

source "$(dirname "$0")/private_x.sh"
need_tools Xvfb xdotool yes
start_private_x
if command -v openbox >/dev/null; then
    openbox >/dev/null 2>&1 &
    background_pids+=($!)
    sleep 0.5
fi
"$test_program"
