#!/bin/bash
# SPDX-License-Identifier: MIT
# Runs held_key_test on a private X server, whose own auto-repeat repeats a
# key held down. Exit 77 (skipped) when a tool is missing.
#
#   held_key_test.sh TEST_PROGRAM
set -u
test_program=$1

source "$(dirname "$0")/private_x.sh"
need_tools Xvfb xdotool yes
start_private_x
"$test_program"
