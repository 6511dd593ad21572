#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The README's test command. On a bare Debian 12 or 13 machine, where not even
# make is installed, it first installs what the build and the tests need, then
# `make test`: the whole suite.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
exec make test "$@"
