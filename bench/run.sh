#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every performance figure of the README in one run (make bench): the
# in-process benchmarks, Tessaly beside its floor with the ratio of their
# medians; the whole-process start-up and peak memory under Xvfb; and the
# instruction counts of each timed step, which a loaded machine cannot move.
# Usage: bench/run.sh BUILD_DIR
set -euo pipefail
build=${1:-build}
here=$(dirname "$0")

# Medians of interleaved repetitions, then "name tessaly floor ratio".
timed() {
    "$build/bench/$1" --benchmark_repetitions=9 --benchmark_enable_random_interleaving=true \
        --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
        awk -F, '$1 ~ /_median"?$/ {
            gsub(/"/, "", $1); split($1, part, "/")
            t[part[1]] = (part[2] == "tessaly") ? $3 : t[part[1]]
            f[part[1]] = (part[2] == "floor") ? $3 : f[part[1]]
            unit = $5
        }
        END { for (n in t) printf "%-16s %12.1f %12.1f %7.2f  (%s, median of 9)\n", n, t[n], f[n], t[n] / f[n], unit }' |
        sort
}

printf '%-16s %12s %12s %7s\n' "in process" tessaly floor ratio
timed bench_startup
timed bench_handlers
echo
"$here/startup.sh" "$build" 10 2>/dev/null
echo
echo "instructions per timed step (callgrind)"
"$here/instructions.sh" "$build" 10
