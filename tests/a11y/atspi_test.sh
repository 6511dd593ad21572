#!/bin/bash
# Runs the AT-SPI test: the program on a private X server and a private
# session bus with the accessibility bus, seen and driven through pyatspi as
# a screen reader sees it. Exit 77 (skipped) when a tool is missing.
#
#   atspi_test.sh PROGRAM
set -u
program=$1
here=$(dirname "$0")
python=/usr/bin/python3

for tool in Xvfb dbus-run-session "$python"; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed" >&2
        exit 77
    fi
done
if ! "$python" -c 'import pyatspi' 2>/dev/null; then
    echo "skipped: python3-pyatspi is not installed" >&2
    exit 77
fi

workdir=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$workdir"' EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$workdir/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do
    [ -s "$workdir/display" ] && break
    sleep 0.1
done
[ -s "$workdir/display" ] || { echo "Xvfb did not start" >&2; exit 1; }

export DISPLAY=":$(cat "$workdir/display")"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$workdir"
export HOME="$workdir"
timeout 240 dbus-run-session -- "$python" "$here/atspi_test.py" "$program" 2>&1 |
    grep -v '^dbus-daemon\|^SpiRegistry'
exit "${PIPESTATUS[0]}"
