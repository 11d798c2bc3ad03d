#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get into a fresh Debian 12 made by debootstrap,
# starts it there under Xvfb, answers the start-up box, and shows which data files it read.
# Needs root and debootstrap; takes several minutes. Not part of CI.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/debian-root.sh
root=${1:-/tmp/tunewick-deb12}
cmake --preset default >/dev/null && cmake --build --preset default
(cd build/default && cpack >/dev/null)
deb=$(ls build/default/tunewick_*_amd64.deb)
make_debian_root "$root"
cp "$deb" "$root/root/tunewick.deb"
mountpoint -q "$root/proc" || mount -t proc proc "$root/proc"
trap 'umount "$root/proc"' EXIT
# The chroot shares this machine's process table: only the processes started here are ended, by
# the ids recorded when they started.
chroot "$root" bash -euc '
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq /root/tunewick.deb xvfb xdotool strace >/dev/null
    echo "installed tunewick $(dpkg-query -W -f="\${Version}" tunewick)"
    Xvfb :5 -screen 0 1024x768x24 >/dev/null 2>&1 &
    xvfb=$!
    sleep 2
    DISPLAY=:5 strace -f -e trace=openat -o /root/trace.log tunewick >/dev/null 2>&1 &
    tracer=$!
    sleep 4                          # the splash hands over after 1.5 s; the start-up box waits
    DISPLAY=:5 xdotool key Return
    sleep 3
    program=$(cat /proc/$tracer/task/*/children 2>/dev/null | head -n 1)
    [[ -n $program ]] && kill "$program" 2>/dev/null || true
    wait "$tracer" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    grep -E "\.cst" /root/trace.log | grep -v ENOENT | sed "s/^.*openat/openat/"
'
