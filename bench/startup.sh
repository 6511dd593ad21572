#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Whole-process start-up under a private Xvfb: from exec until the sign-in
# window is mapped, and the peak memory until then, Tessaly against the bare
# Qt program with the same widgets. Rounds alternate the two programs, and each
# round gives one paired ratio; the medians are reported.
# Usage: bench/startup.sh BUILD_DIR [ROUNDS]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
rounds=${2:-10}
title="Please Sign In"
wait_mapped="$build/bench/wait_mapped"
programs=("$build/ui/tessaly" "$build/bench/bare_tessaly")
work=$(mktemp -d)

# The server picks a display number no other server holds (-displayfd), and
# does not reset between the measured runs (-noreset), which would turn away
# a program that connects during the reset.
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 200); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
export DISPLAY=":$(cat "$work/display")" XDG_RUNTIME_DIR="$work"

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

for round in $(seq "$rounds"); do
    # Time: a few runs of each, one program after the other.
    hyperfine --shell=none --warmup 1 --runs 5 --style none --export-csv "$work/round.csv" \
        -n tessaly "$wait_mapped '$title' ${programs[0]}" \
        -n bare "$wait_mapped '$title' ${programs[1]}" >/dev/null
    awk -F, 'NR > 1 { printf "%s %.3f\n", $1, $4 * 1000 }' "$work/round.csv" >>"$work/times"
    # Peak memory: one run of each.
    for program in "${programs[@]}"; do
        "$wait_mapped" "$title" /usr/bin/time -f %M -o "$work/rss" "$program"
        echo "$(basename "$program") $(tail -n 1 "$work/rss")" >>"$work/peaks"
    done
    echo "round $round of $rounds" >&2
done

report() { # what, unit, file, divisor
    local t b
    t=$(awk '$1 == "tessaly" { print $2 / '"$4"' }' "$3" | median)
    b=$(awk '$1 == "bare" || $1 == "bare_tessaly" { print $2 / '"$4"' }' "$3" | median)
    paste <(awk '$1 == "tessaly" { print $2 }' "$3") \
        <(awk '$1 == "bare" || $1 == "bare_tessaly" { print $2 }' "$3") |
        awk '{ print $1 / $2 }' | median >"$work/ratio"
    printf '%-22s %10.1f %10.1f %7.2f  (%s)\n' "$1" "$t" "$b" "$(cat "$work/ratio")" "$2"
}
printf '%-22s %10s %10s %7s\n' "whole process" tessaly bare ratio
report "start to sign-in mapped" "ms, median of $rounds rounds" "$work/times" 1
report "peak memory" "MiB, median of $rounds runs" "$work/peaks" 1024
