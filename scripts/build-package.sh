#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package tessaly_<version>_amd64.deb in DIR (default
# build-package/): a Release build without the tests, compiled with the
# hardening flags that Debian's own packages get, then CPack. Prints the path
# of the package as its last line.
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(realpath -m "${1:-$source_dir/build-package}")
# From the source folder, so that dpkg-buildflags maps it to "." in the
# binary's debug paths.
cd "$source_dir"
jobs=${JOBS:-2}

# dpkg-buildflags gives the optimisation and hardening that Debian's own
# packages get (-O2, -fstack-protector-strong, _FORTIFY_SOURCE, relro, bindnow);
# Release then adds only NDEBUG.
# The test frameworks are switched off outright, so that the configure fails
# should anything outside BUILD_TESTING still ask for one.
buildflag() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
cmake -S "$source_dir" -B "$build_dir" -G Ninja --no-warn-unused-cli \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
    -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Test=ON \
    -DCMAKE_CXX_FLAGS="$(buildflag CPPFLAGS) $(buildflag CXXFLAGS)" \
    -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
    -DCMAKE_EXE_LINKER_FLAGS="$(buildflag LDFLAGS)" \
    -DCMAKE_MODULE_LINKER_FLAGS="$(buildflag LDFLAGS)"
cmake --build "$build_dir" -j "$jobs"
rm -f "$build_dir"/tessaly_*.deb
(cd "$build_dir" && cpack -G DEB)
ls "$build_dir"/tessaly_*.deb
