#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the screenshot that the AppStream metadata shows: the program as it
# starts, the "Please Sign In" window in front of the exercise window, cut to
# the exercise window. Runs the build's own program on a private X server.
# Needs imagemagick (import) besides the build's packages.
# Usage: scripts/screenshot.sh [PROGRAM] [OUTPUT]
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$source_dir/build/ui/tessaly}
output=${2:-$source_dir/data/screenshots/sign-in.png}
command -v import >/dev/null || { echo "needs import from imagemagick" >&2; exit 1; }

display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb_pid=$!
program_pid=""
trap 'kill $program_pid $xvfb_pid 2>/dev/null; rm -f "$display_file"' EXIT
for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
done
DISPLAY=:$(head -n1 "$display_file")
export DISPLAY

QT_QPA_PLATFORM=xcb "$program" &
program_pid=$!
for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Please Sign In$' >/dev/null 2>&1 && break
    sleep 0.1
done
sleep 1 # the first paint

# The exercise window is the visible top-level named Tessaly; the sign-in
# window lies within it.
window=$(xdotool search --onlyvisible --name '^Tessaly$' | head -n1)
eval "$(xdotool getwindowgeometry --shell "$window")"
# shellcheck disable=SC2153 # X, Y, WIDTH and HEIGHT come from xdotool
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$output"
echo "$output: ${WIDTH}x${HEIGHT}"
