#!/bin/bash
# SPDX-License-Identifier: MIT
# End-to-end check of private_cups.sh: a PDF printed to the private queue
# arrives intact and renders, a broken job is reported without waiting for the
# timeout, and `stop` leaves no scheduler behind. Exits 77 when CUPS is missing.

set -u

here=$(cd "$(dirname "$0")" && pwd)
script=$here/private_cups.sh
dir=$(mktemp -d "${TMPDIR:-/tmp}/tessaly-cups.XXXXXX") || exit 1
cleanup() {
    bash "$script" stop "$dir" >/dev/null 2>&1
    rm -rf "$dir"
}
trap cleanup EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# A one-page A4 PDF showing TEXT in Helvetica, with a correct xref table.
make_pdf() {
    local text=$1 content pdf="" obj i
    content="BT /F1 24 Tf 72 720 Td ($text) Tj ET"
    local objs=(
        "<< /Type /Catalog /Pages 2 0 R >>"
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>"
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Resources << /Font << /F1 5 0 R >> >> /Contents 4 0 R >>"
        "<< /Length ${#content} >>
stream
$content
endstream"
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"
    )
    local offsets=()
    pdf="%PDF-1.4"$'\n'
    for i in "${!objs[@]}"; do
        offsets+=("${#pdf}")
        pdf+="$((i + 1)) 0 obj"$'\n'"${objs[$i]}"$'\n'"endobj"$'\n'
    done
    local xref=${#pdf}
    pdf+="xref"$'\n'"0 $((${#objs[@]} + 1))"$'\n'"0000000000 65535 f "$'\n'
    for obj in "${offsets[@]}"; do
        pdf+=$(printf '%010d 00000 n ' "$obj")$'\n'
    done
    pdf+="trailer"$'\n'"<< /Size $((${#objs[@]} + 1)) /Root 1 0 R >>"$'\n'
    pdf+="startxref"$'\n'"$xref"$'\n'"%%EOF"$'\n'
    printf '%s' "$pdf"
}

submit() {
    env -u PRINTER -u LPDEST CUPS_SERVER="$dir/cups.sock" \
        CUPS_SERVERROOT="$dir/client" HOME="$dir/home" lp -s "$@"
}

out=$(bash "$script" start "$dir")
rc=$?
if [ $rc = 77 ]; then
    exit 77
fi
[ $rc = 0 ] || {
    echo "FAIL: start exited with $rc" >&2
    exit 1
}
[ "$out" = "CUPS_SERVER=$dir/cups.sock" ] || fail "start printed '$out'"

# The queue is the default: no -d on the command line.
mapfile -t client_env < <(bash "$script" env "$dir")
default=$(env -u PRINTER -u LPDEST "${client_env[@]}" lpstat -d)
[ "$default" = "system default destination: tessaly-test" ] ||
    fail "default destination: '$default'"

for word in FIRSTJOB SECONDJOB; do
    make_pdf "TESSALY $word" >"$dir/$word.pdf"
    submit "$dir/$word.pdf" || fail "lp $word"
    if path=$(bash "$script" wait-job "$dir" 30); then
        [ "$(head -c 5 "$path")" = "%PDF-" ] || fail "$word: output is not a PDF"
        pdftotext "$path" - 2>/dev/null | grep -q "TESSALY $word" ||
            fail "$word: text missing from the output"
        if ! pdftoppm -png -r 30 "$path" "$dir/$word" || [ ! -s "$dir/$word-1.png" ]; then
            fail "$word: output does not render"
        fi
    else
        fail "$word: wait-job"
    fi
done

# A damaged document stops its job; wait-job must say so at once.
printf '%%PDF-1.4\nnot a document\n' >"$dir/broken.pdf"
submit "$dir/broken.pdf" || fail "lp broken"
began=$SECONDS
if bash "$script" wait-job "$dir" 60 >/dev/null 2>&1; then
    fail "wait-job succeeded for a broken job"
elif [ $((SECONDS - began)) -ge 30 ]; then
    fail "wait-job took $((SECONDS - began)) s to report a broken job"
fi

pid=$(cat "$dir/cupsd.pid")
bash "$script" stop "$dir" || fail "stop"
if [ -r "/proc/$pid/stat" ] && [ "$(sed 's/^.*) //' "/proc/$pid/stat" | cut -d' ' -f1)" != Z ]; then
    fail "cupsd $pid still running after stop"
fi

if [ $failures -gt 0 ]; then
    exit 1
fi
echo "private CUPS self-test passed"
