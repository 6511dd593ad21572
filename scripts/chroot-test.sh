#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The README's test command on a freshly installed Debian release: debootstrap
# makes a bare system (with only git and sudo added, as on a new lab machine)
# in DIR, a clean clone of this checkout's committed state goes into it, and
# inside it the README's set-up installs what is missing while the network is
# there; then the command runs in a network namespace of its own, so that the
# X servers, buses and print services of the tests cannot meet the machine's
# own (X servers share their abstract socket names across a chroot otherwise).
# Nothing is reused from an earlier run: DIR is made anew and removed at the
# end unless --keep is given. Needs root (it re-runs itself under sudo).
# --bare runs COMMAND straight away, with the network and no set-up before it,
# as on a new machine (its X servers then share the machine's socket names).
# --start-after FILE makes the set-up and then waits until FILE exists before
# COMMAND runs, so that CI downloads and installs while the machine's own
# tests run, and the two test runs do not compete for the processor.
#
#   scripts/chroot-test.sh [--keep] [--bare] [--start-after FILE] [--dir DIR]
#                          [RELEASE] [-- COMMAND...]
#
# RELEASE is a Debian code name (trixie by default, bookworm works too);
# COMMAND runs in the clone (scripts/test.sh by default), e.g. `-- make package`.
# DEBIAN_MIRROR and DEBIAN_SECURITY_MIRROR name the mirror (deb.debian.org).
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/.." && pwd)
keep=false
bare=false
start_after=""
root=""
release=trixie
command=(scripts/test.sh)
while [ $# -gt 0 ]; do
    case $1 in
    --keep) keep=true ;;
    --bare) bare=true ;;
    --start-after)
        start_after=$2
        shift
        ;;
    --dir)
        root=$2
        shift
        ;;
    --)
        shift
        command=("$@")
        break
        ;;
    -*)
        echo "usage: $0 [--keep] [--bare] [--start-after FILE] [--dir DIR] [RELEASE] [-- COMMAND...]" >&2
        exit 2
        ;;
    *) release=$1 ;;
    esac
    shift
done
root=$(realpath -m "${root:-$source_dir/build-chroot-$release}")
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
security_mirror=${DEBIAN_SECURITY_MIRROR:-http://deb.debian.org/debian-security}

if [ "$(id -u)" -ne 0 ]; then
    options=(--dir "$root")
    [ "$keep" = false ] || options+=(--keep)
    [ "$bare" = false ] || options+=(--bare)
    [ -z "$start_after" ] || options+=(--start-after "$start_after")
    exec sudo DEBIAN_MIRROR="$mirror" DEBIAN_SECURITY_MIRROR="$security_mirror" \
        "$0" "${options[@]}" "$release" -- "${command[@]}"
fi

phase() {
    echo "chroot-test: $* ($SECONDS s since the start)"
}

# Every mount point under the chroot, deepest first.
mounts_inside() {
    awk -v root="$root" '$5 == root || index($5, root "/") == 1 { print $5 }' /proc/self/mountinfo |
        sort -r
}
# Ends what still runs with its root in the chroot (a service a package started,
# a test's leftover), then takes the mounts away.
release_chroot() {
    local link pid
    for link in /proc/[0-9]*/root; do
        pid=${link#/proc/}
        pid=${pid%/root}
        [ "$(readlink "$link" 2>/dev/null)" = "$root" ] && kill -KILL "$pid" 2>/dev/null
    done
    local point
    for point in $(mounts_inside); do
        umount "$point" 2>/dev/null || umount -l "$point"
    done
}
remove_chroot() {
    release_chroot
    if [ -n "$(mounts_inside)" ]; then
        echo "chroot-test: mounts are left under $root; not removing it" >&2
        return 1
    fi
    # --one-file-system: should a mount have survived, never reach through it.
    rm -rf --one-file-system "$root"
}
finish() {
    local status=$?
    if [ "$keep" = true ]; then
        release_chroot
        echo "chroot-test: kept $root"
    else
        remove_chroot || status=1
    fi
    phase "done, status $status"
    # What its commands cost, which a shared machine's wall time does not tell
    # (`times` itself, not in a pipe's subshell, which has no children).
    local cpu
    cpu=$(mktemp)
    times >"$cpu"
    awk 'NR == 2 { print "chroot-test: processor time " $1 " user, " $2 " system" }' "$cpu"
    rm -f "$cpu"
    exit "$status"
}

# --- A bare system -----------------------------------------------------------
if ! command -v debootstrap >/dev/null; then
    apt-get -o DPkg::Lock::Timeout=600 update -qq
    DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq debootstrap
fi
[ ! -e "$root" ] || remove_chroot
mkdir -p "$(dirname "$root")"
trap finish EXIT
# Told to end (CI stopping early), it still unmounts and removes the chroot.
trap 'exit 143' TERM INT HUP
phase "debootstrap $release from $mirror into $root"
debootstrap --variant=minbase --include=git,sudo,ca-certificates "$release" "$root" "$mirror" \
    >"$root.debootstrap.log" 2>&1 || {
    tail -n 20 "$root.debootstrap.log" >&2
    exit 1
}
rm -f "$root.debootstrap.log"

cat >"$root/etc/apt/sources.list" <<SOURCES
deb $mirror $release main
deb $mirror $release-updates main
deb $security_mirror $release-security main
SOURCES
# What an installed system has and debootstrap leaves out: localhost by name
# (the print tests reach their scheduler there).
cat >"$root/etc/hosts" <<HOSTS
127.0.0.1 localhost
::1 localhost ip6-localhost ip6-loopback
HOSTS
# Packages do not start their services in a chroot: the tests start their own.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"

mount -t proc proc "$root/proc"
mount --bind /sys "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount --bind /dev/shm "$root/dev/shm"

# A clone of what is committed, with a build tree of its own.
git clone --quiet --no-hardlinks "$source_dir" "$root/root/tessaly"
echo "chroot-test: testing $(git -C "$root/root/tessaly" log -1 --format='%h %s')"

in_chroot() {
    chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        bash -c 'cd /root/tessaly && exec "$@"' in-chroot "$@"
}

if [ "$bare" = true ]; then
    phase "running ${command[*]} on the bare system"
    in_chroot "${command[@]}"
    exit
fi

# --- The set-up, with the network --------------------------------------------
phase "installing what the build and the tests need"
install_log=$root/root/install-deps.log
in_chroot scripts/install-deps.sh >"$install_log" 2>&1 || {
    tail -n 30 "$install_log" >&2
    exit 1
}
head -n1 "$install_log"

if [ -n "$start_after" ]; then
    phase "ready; waiting for $start_after"
    until [ -e "$start_after" ]; do sleep 5; done
fi

# --- The command, in a network namespace of its own --------------------------
phase "running ${command[*]} without the network"
export -f in_chroot
export root
unshare --net bash -c 'ip link set lo up && in_chroot "$@"' unshare "${command[@]}"
