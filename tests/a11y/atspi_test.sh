#!/bin/bash
# SPDX-License-Identifier: MIT
# Runs the AT-SPI test: the program on a private X server and a private
# session bus with the accessibility bus, seen and driven through pyatspi as
# a screen reader sees it. Exit 77 (skipped) when a tool is missing.
#
#   atspi_test.sh PROGRAM
set -u
program=$1
here=$(dirname "$0")
python=/usr/bin/python3

source "$here/../desktop/private_x.sh"
need_tools Xvfb dbus-run-session "$python"
if ! "$python" -c 'import pyatspi' 2>/dev/null; then
    echo "skipped: python3-pyatspi is not installed" >&2
    exit 77
fi
start_private_x
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
timeout 240 dbus-run-session -- "$python" "$here/atspi_test.py" "$program" 2>&1 |
    grep -v '^dbus-daemon\|^SpiRegistry'
exit "${PIPESTATUS[0]}"
