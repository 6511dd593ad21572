#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that building, running and testing Tessaly need,
# skipping the ones already there. Uses sudo when not run as root.
set -euo pipefail

packages=(
    cmake ninja-build g++ make pkg-config
    qt6-base-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation
    libcups2-dev cups cups-client cups-bsd cups-filters poppler-utils
    xvfb xauth valgrind
    at-spi2-core python3-pyatspi dbus libxcb1-dev openbox
    orca speech-dispatcher
    librsvg2-bin dpkg-dev file
    desktop-file-utils appstream mandoc man-db lintian xdotool x11-utils
    libx11-dev hyperfine time
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
