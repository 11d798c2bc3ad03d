#!/usr/bin/env bash
# Unpacks the Windows zip into an empty folder and starts the program there under Wine and Xvfb, as a
# player would; passes once its main window is shown. With PICTURE, draws that window there too
# (with ./build/default/tools/grab_window from the Linux build).
# Usage: tools/windows-zip-check.sh [PICTURE.png]
set -euo pipefail
root=$(cd "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/.." && pwd)
build=$root/build/windows
zips=("$build"/tunewick-*-windows-x86_64.zip)
[[ -f ${zips[0]} ]] || { echo "No zip in $build: bash tools/dev windows makes it" >&2; exit 1; }
picture=${1:+$(readlink -m "$1")}

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
(cd "$folder" && cmake -E tar xf "${zips[0]}")
program=$(find "$folder" -name tunewick.exe)
export WINEPREFIX=$build/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" PROGRAM=$program PICTURE=$picture
export ALSA_CONFIG_PATH=$root/tools/null-alsa.conf # no sound card needed
export GRAB=$root/build/default/tools/grab_window

# Inside Xvfb: start the program, answer its start-up box with Return, wait for its main window (titled
# with the version), draw it, then end the program by its process id. Each wait is at most a minute.
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    set -u
    window_named() { xwininfo -root -tree | awk -v title="$1" "index(\$0, title) { print \$1; exit }"; }
    wait_for() {
        for _ in $(seq 60); do
            window=$(window_named "$1")
            [[ -n $window ]] && return 0
            sleep 1
        done
        echo "The unpacked zip showed no window $1 within a minute." >&2
        return 1
    }
    wine "$PROGRAM" & program=$!
    status=1
    if wait_for "\"Logo\"" && xdotool key Return && wait_for "\"Tunewick "; then
        echo "The unpacked zip shows its main window."
        status=0
        sleep 3 # the window is drawn
        [[ -z $PICTURE ]] || QT_QPA_PLATFORM=xcb "$GRAB" "$window" "$PICTURE" || status=1
    fi
    kill "$program"
    wait "$program" 2>/dev/null
    exit $status'
