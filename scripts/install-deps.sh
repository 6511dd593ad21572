#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that building, running and testing Tessaly need,
# skipping the ones already there, make among them: on a bare Debian 12 or 13
# only this script can run (scripts/run.sh and scripts/test.sh call it before
# make). Uses sudo when not run as root. Waits for the package manager while
# another program (a desktop's updater) holds it, instead of failing.
set -euo pipefail

packages=(
    cmake ninja-build g++ make pkg-config
    qt6-base-dev libgl-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation
    libcups2-dev cups cups-client cups-bsd cups-filters poppler-utils
    xvfb xauth valgrind
    at-spi2-core python3-pyatspi dbus libxcb1-dev openbox
    orca speech-dispatcher locales
    librsvg2-bin dpkg-dev file
    desktop-file-utils appstream mandoc man-db lintian xdotool x11-utils
    libx11-dev hyperfine time
    python3 gcc nodejs default-jdk-headless
)

missing=()
for package in "${packages[@]}"; do
    # A package whose triggers wait (another install was stopped before it
    # ran them) is there all the same.
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    if [[ ! "$status" =~ ^(installed|triggers-pending|triggers-awaited)$ ]]; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || {
        echo "install-deps.sh: run it as root or install sudo; missing: ${missing[*]}" >&2
        exit 1
    }
    as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
apt_get() {
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 "$@"
}
apt_get update -qq
apt_get install -y -qq --no-install-recommends "${missing[@]}"
