#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get into a fresh Debian 12 made by debootstrap,
# starts it there under Xvfb, answers the start-up box, and shows which data files it read.
# Needs root, debootstrap and a reachable Debian mirror; takes several minutes. Not part of CI.
set -euo pipefail
cd "$(dirname "$0")/.."
root=${1:-/tmp/tunewick-deb12}
cmake --preset default >/dev/null && cmake --build --preset default
(cd build/default && cpack >/dev/null)
deb=$(ls build/default/tunewick_*_amd64.deb)
[[ -d $root/usr ]] || debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
cp "$deb" "$root/root/tunewick.deb"
mountpoint -q "$root/proc" || mount -t proc proc "$root/proc"
trap 'umount "$root/proc"' EXIT
chroot "$root" bash -euc '
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq /root/tunewick.deb xvfb xdotool strace >/dev/null
    echo "installed tunewick $(dpkg-query -W -f="\${Version}" tunewick)"
    Xvfb :5 -screen 0 1024x768x24 >/dev/null 2>&1 &
    sleep 2
    DISPLAY=:5 strace -f -e trace=openat -o /root/trace.log tunewick >/dev/null 2>&1 &
    sleep 4                          # the splash hands over after 1.5 s; the start-up box waits
    DISPLAY=:5 xdotool key Return
    sleep 3
    pkill tunewick || true
    pkill Xvfb || true
    grep -E "\.cst" /root/trace.log | grep -v ENOENT | sed "s/^.*openat/openat/"
'
