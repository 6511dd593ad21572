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
"$source_dir/scripts/build-package.sh" "$work_dir"
deb=$work_dir/tessaly_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $deb"

[ "$(dpkg-deb -f "$deb" Package)" = tessaly ] || fail "Package is not tessaly"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "Version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in fonts-liberation "cups | cups-client" libqt6widgets6 libqt6gui6 libcups2; do
    [[ ", $depends," == *", $needed"[\ ,]* ]] || fail "Depends lacks $needed"
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

xvfb_pid=""
program_pid=""
clean_up() {
    [ -z "$program_pid" ] || kill "$program_pid" 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
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
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
done
display=:$(head -n1 "$display_file")
rm -f "$display_file"
[ "$display" != ":" ] || fail "Xvfb did not start"

# The entry's Exec line, with only the system's own directories on the path so
# that it reaches the packaged program.
exec_line=$(sed -n 's/^Exec=//p' "$desktop_file")
# shellcheck disable=SC2086 # the Exec line splits into words as the desktop splits it
env DISPLAY="$display" PATH=/usr/bin:/bin QT_QPA_PLATFORM=xcb $exec_line &
program_pid=$!

window=""
for _ in $(seq 150); do
    window=$(DISPLAY=$display xdotool search --onlyvisible --name '^Please Sign In$' 2>/dev/null |
        head -n1) || true
    [ -n "$window" ] && break
    kill -0 "$program_pid" 2>/dev/null || fail "the installed program ended before its window showed"
    sleep 0.2
done
[ -n "$window" ] || fail "no \"Please Sign In\" window within 30 s"
echo "the installed program shows \"Please Sign In\" (window $window)"
# X11 desktops find the menu entry of a window by its class.
wm_class=$(DISPLAY=$display xprop -id "$window" WM_CLASS)
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
