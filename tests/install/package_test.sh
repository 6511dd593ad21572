#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Debian package as a school's technician meets it: built, checked by
# lintian, installed with apt-get, started from its desktop entry on a private
# X server until its sign-in window shows, then purged again. Only the packages
# that this install brought are removed, so the machine is left as it was.
# Usage: package_test.sh SOURCE_DIR WORK_DIR APP_ID VERSION
set -euo pipefail

source_dir=$1
work_dir=$2
app_id=$3
version=$4

# shellcheck source=SCRIPTDIR/../desktop/private_x.sh
source "$(dirname "$0")/../desktop/private_x.sh"
skip() {
    echo "SKIP: $*"
    exit 77
}
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    sudo -n true 2>/dev/null || skip "installing the package needs root or password-less sudo"
    as_root=(sudo -n)
fi

# --- Build and inspect -------------------------------------------------------
# The package is built for this machine's release and its version says which
# (1.0.0~deb13u1 on Debian 13).
release=$(. /etc/os-release && echo "${VERSION_ID:-}")
suite=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
[ -n "$release" ] || skip "not a numbered Debian release; the package is built for one"
deb=$("$source_dir/scripts/build-package.sh" "$work_dir" | tail -n1)
[ -f "$deb" ] || fail "no package built"
package_version=$(dpkg-deb -f "$deb" Version)
[[ "$package_version" =~ ^${version//./\.}~deb${release}u[0-9]+$ ]] ||
    fail "Version $package_version is not ${version}~deb${release}u<build>"
[ "$(basename "$deb")" = "tessaly_${package_version}_$(dpkg --print-architecture).deb" ] ||
    fail "the file name $(basename "$deb") does not give the version $package_version"
[ "$(dpkg-deb -f "$deb" Package)" = tessaly ] || fail "Package is not tessaly"
changelog_head=$(dpkg-deb --fsys-tarfile "$deb" |
    tar -xOf - ./usr/share/doc/tessaly/changelog.gz | zcat | head -n1)
[ "$changelog_head" = "tessaly ($package_version) $suite; urgency=medium" ] ||
    fail "the changelog starts with '$changelog_head', not this build for $suite"

# Every library package that dpkg-shlibdeps finds for the program and for its
# print module on this release is in Depends (Debian 13 renamed several of
# them for 64-bit time), beside the fonts and the print service.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
has_dependency() { [[ ", $depends," == *", $1"[\ ,]* ]]; }
# dpkg-shlibdeps reads the package as a source package's build tree holds it.
unpacked=$work_dir/unpacked
rm -rf "$unpacked"
mkdir -p "$unpacked/debian/tessaly"
printf 'Source: tessaly\n\nPackage: tessaly\nArchitecture: any\n' >"$unpacked/debian/control"
dpkg-deb -R "$deb" "$unpacked/debian/tessaly"
for binary in usr/bin/tessaly "usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/tessaly/libtessaly-print.so"; do
    [ -f "$unpacked/debian/tessaly/$binary" ] || fail "the package lacks $binary"
    libraries=$(cd "$unpacked" && dpkg-shlibdeps -O "debian/tessaly/$binary" | sed -n 's/^shlibs:Depends=//p')
    [ -n "$libraries" ] || fail "dpkg-shlibdeps finds no library for $binary"
    # By package name: Depends holds the highest version that any file needs.
    for library in $(echo "$libraries" | tr ',' '\n' | awk '{ print $1 }'); do
        has_dependency "$library" || fail "Depends lacks $library, which $binary needs"
    done
done
rm -rf "$unpacked"
for needed in fonts-liberation "cups | cups-client" qt6-translations-l10n; do
    has_dependency "$needed" || fail "Depends lacks $needed"
done

lintian --fail-on error,warning "$deb" || fail "lintian reports errors or warnings"

# --- Install -----------------------------------------------------------------
# Two checkouts on one machine take turns: each installs and removes the same
# package.
exec 9>/tmp/tessaly-package-test.lock
flock --wait 300 9 || fail "another package test holds /tmp/tessaly-package-test.lock"
status=$(dpkg-query -W -f='${db:Status-Status}' tessaly 2>/dev/null || true)
if [ -n "$status" ] && [ "$status" != not-installed ]; then
    skip "a tessaly package is already on this machine ($status); the test leaves it alone"
fi

apt_get() {
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get -y -q -o DPkg::Lock::Timeout=240 "$@"
}
# What this install adds (tessaly and any dependency not yet present) is what
# the clean-up removes, and nothing else.
added=$(apt-get -s -q install --no-install-recommends "$deb" | awk '/^Inst /{print $2}')
echo "the install adds: ${added//$'\n'/ }"

program_pid=""
clean_up() {
    [ -z "$program_pid" ] || kill "$program_pid" 2>/dev/null || true
    end_test
    wait 2>/dev/null || true
    # shellcheck disable=SC2086 # one package name per word
    [ -z "$added" ] || apt_get purge $added >/dev/null || echo "could not purge: $added" >&2
}
trap clean_up EXIT

apt_get install --no-install-recommends "$deb"

desktop_file=/usr/share/applications/$app_id.desktop
[ -x /usr/bin/tessaly ] || fail "/usr/bin/tessaly is missing"
desktop-file-validate "$desktop_file" || fail "desktop-file-validate"
for size in 16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256; do
    [ -f "/usr/share/icons/hicolor/$size/apps/$app_id.png" ] || fail "no $size icon"
done
[ "$(man -w tessaly)" = /usr/share/man/man1/tessaly.1.gz ] || fail "man tessaly finds no page"

# --- Start it as the desktop menu does ---------------------------------------
start_private_x

# The entry's Exec line, with only the system's own directories on the path so
# that it reaches the packaged program.
exec_line=$(sed -n 's/^Exec=//p' "$desktop_file")
# shellcheck disable=SC2086 # the Exec line splits into words as the desktop splits it
env PATH=/usr/bin:/bin $exec_line &
program_pid=$!

window=""
for _ in $(seq 150); do
    window=$(xdotool search --onlyvisible --name '^Please Sign In$' 2>/dev/null |
        head -n1) || true
    [ -n "$window" ] && break
    kill -0 "$program_pid" 2>/dev/null || fail "the installed program ended before its window showed"
    sleep 0.2
done
[ -n "$window" ] || fail "no \"Please Sign In\" window within 30 s"
echo "the installed program shows \"Please Sign In\" (window $window)"
# X11 desktops find the menu entry of a window by its class.
wm_class=$(xprop -id "$window" WM_CLASS)
startup_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_file")
[[ "$wm_class" == *"\"$startup_class\""* ]] ||
    fail "window $wm_class does not match StartupWMClass=$startup_class"

kill "$program_pid"
wait "$program_pid" 2>/dev/null || true
program_pid=""

# The installed program finds its print module, which only Print loads.
dpkg -L tessaly | grep -qx '/usr/lib/x86_64-linux-gnu/tessaly/libtessaly-print.so' ||
    fail "the print module is not in the multiarch library folder"
bash "$(dirname "$0")/../desktop/print_on_demand_test.sh" /usr/bin/tessaly ||
    fail "the installed program did not load its print module on Print"

# --- Remove ------------------------------------------------------------------
apt_get purge tessaly >/dev/null
added=$(echo "$added" | grep -vx tessaly || true)
[ ! -e /usr/bin/tessaly ] || fail "/usr/bin/tessaly is still there after purge"
[ ! -e "$desktop_file" ] || fail "the desktop entry is still there after purge"
echo "package built, lint-clean, installed, started and removed"
