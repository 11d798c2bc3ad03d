#!/bin/sh
# Runs bench/peak_memory in both modes, offscreen, and prints the peak memory of each and their ratio.
# usage: bench/peak_memory.sh [build folder, default build/default]
set -eu
build=${1:-build/default}
program=$build/bench/peak_memory
peak() { QT_QPA_PLATFORM=offscreen "$program" "$1" | awk '$2 == "VmHWM:" { print $3 }'; }
tunewick=$(peak tunewick)
bare=$(peak bare)
echo "tunewick peak: $tunewick kB"
echo "bare window peak: $bare kB"
awk -v t="$tunewick" -v b="$bare" 'BEGIN { printf "ratio: %.2f\n", t / b }'
