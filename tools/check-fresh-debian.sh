#!/usr/bin/env bash
# Runs the README's test command, bash tools/dev ci, on a source archive of this checkout (no .git,
# no git installed) inside a fresh Debian 12 made by debootstrap, as a new contributor's machine
# would. Needs root, git on this machine to make the archive, and debootstrap; takes half an hour
# or more.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/debian-root.sh
root=${1:-/tmp/tunewick-fresh-deb12}
make_debian_root "$root"
rm -rf "$root/root/tunewick" && mkdir -p "$root/root/tunewick"
git archive --format=tar HEAD | tar -x -C "$root/root/tunewick"
# The collected players' configs sit beside the checkout; the tests read them when they are there.
[[ -d ../shared/corpus ]] && mkdir -p "$root/root/shared" && cp -r ../shared/corpus "$root/root/shared/"
for fs in proc sys dev; do mountpoint -q "$root/$fs" || mount --bind "/$fs" "$root/$fs"; done
trap 'for fs in dev sys proc; do umount "$root/$fs"; done' EXIT
command='bash tools/dev ci'
echo "In $root: $command"
cp /etc/resolv.conf "$root/etc/resolv.conf"
chroot "$root" bash -euc "cd /root/tunewick
    if command -v git; then echo 'git is installed in $root; this check needs a system without it'; exit 1; fi
    $command"
