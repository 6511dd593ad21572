#!/bin/bash
# SPDX-License-Identifier: MIT
# Exit pressed within 0 to 150 ms of the first Print, at every moment of the
# hand-over to the print service: the program ends at once with status 0 (no
# sanitizer report, no race with the print module's loading or the print
# service's conversation), and leaves no copy of the sheet in the temporary
# folder.
#
#   exit_during_print_test.sh PROGRAM PRIVATE_CUPS [RUNS]
set -u
program=$1
private_cups=$2
runs=${3:-60}

work=$(mktemp -d)
trap 'bash "$private_cups" stop "$work/cups" >/dev/null 2>&1; rm -rf "$work"' EXIT
mkdir -p "$work/cups" "$work/tmp"
bash "$private_cups" start "$work/cups" >/dev/null
status=$?
[ $status -eq 77 ] && exit 77
[ $status -eq 0 ] || { echo "the private print service did not start"; exit 1; }
while IFS= read -r line; do export "${line?}"; done < <(bash "$private_cups" env "$work/cups")
unset PRINTER LPDEST
export TMPDIR=$work/tmp QT_QPA_PLATFORM=offscreen
# Under the sanitizers, with the suppressions that belong to this test.
[ -n "${LSAN_OPTIONS:-}" ] && export LSAN_OPTIONS="suppressions=$(dirname "$0")/exit_lsan.supp"

failures=0
for ((run = 0; run < runs; run++)); do
    delay=$((run * 7 % 150))
    start=$(date +%s%N)
    timeout 30 "$program" "$delay" >"$work/out" 2>&1
    status=$?
    elapsed=$((($(date +%s%N) - start) / 1000000))
    if [ $status -ne 0 ]; then
        echo "run $run (Exit after $delay ms): status $status after $elapsed ms"
        tail -n 30 "$work/out"
        failures=$((failures + 1))
    fi
    left=$(find "$work/tmp" -mindepth 1 -name 'Tessaly-*' | head -n 3)
    if [ -n "$left" ]; then
        echo "run $run (Exit after $delay ms) left the sheet behind: $left"
        failures=$((failures + 1))
        rm -rf "${work:?}/tmp/"*
    fi
done
echo "$runs runs, $failures failures"
[ $failures -eq 0 ]
