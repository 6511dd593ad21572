#!/bin/bash
# SPDX-License-Identifier: MIT
# Runs pdf_file_test with a 16 KiB disk of its own: a tmpfs mounted in a
# private mount namespace, so that it goes away with the test and no other
# process sees it. Where no namespace can be made (not root), the test runs
# without it and skips the full-disk cases.
#
#   pdf_file_test.sh TEST_PROGRAM [ITS ARGUMENTS]
set -u
test_program=$1
shift
disk=$(mktemp -d)
trap 'rmdir "$disk"' EXIT
if unshare --mount --propagation private true 2>/dev/null; then
    unshare --mount --propagation private bash -c \
        'mount -t tmpfs -o size=16k,mode=0755 tessaly-small-disk "$1" &&
         TESSALY_SMALL_DISK="$1" exec "${@:2}"' _ "$disk" "$test_program" "$@"
else
    echo "No private mount namespace here: the full-disk cases are skipped." >&2
    "$test_program" "$@"
fi
