#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Instruction counts of each benchmark's timed step (Tessaly and its floor),
# under callgrind: unlike wall time, these do not move with the load of a
# shared machine. Usage: bench/instructions.sh BUILD_DIR [ITERATIONS]
# BENCH_PAIRS="bench_handlers:next ..." measures only those benchmarks.
set -euo pipefail
build=${1:-build}
iterations=${2:-20}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# Instructions per timed step of one benchmark.
count() {
    local program=$1 name=$2 file="$out/$(echo "$2" | tr / _).cg"
    QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file="$file" \
        --toggle-collect='tessaly::bench::measuredStep*' "$build/bench/$program" \
        --benchmark_filter="^$name/" --iterations="$iterations" >/dev/null 2>&1
    awk -v n="$iterations" '/^summary:/ { printf "%d", $2 / n }' "$file"
}

printf '%-16s %14s %14s %7s\n' benchmark tessaly floor ratio
for pair in ${BENCH_PAIRS:-bench_startup:startup bench_handlers:cellClick bench_handlers:testNow25 \
    bench_handlers:next bench_handlers:levelChange bench_handlers:languageChange \
    bench_handlers:signInKey bench_handlers:signInKeyFull bench_handlers:explainOpen \
    bench_handlers:explainStep}; do
    program=${pair%%:*} name=${pair#*:}
    tessaly=$(count "$program" "$name/tessaly")
    floor=$(count "$program" "$name/floor")
    awk -v n="$name" -v t="$tessaly" -v f="$floor" \
        'BEGIN { printf "%-16s %14d %14d %7.2f\n", n, t, f, t / f }'
done
