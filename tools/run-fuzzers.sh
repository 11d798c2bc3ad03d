#!/usr/bin/env bash
# Builds the libFuzzer harnesses and runs each one for the given number of seconds (default 600).
# Inputs that crash a harness are written to build/fuzz/crashes/; keep each as a regression seed
# in fuzz/corpus/<harness>/ once it is fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build/fuzz/crashes
status=0
for harness in fuzz/corpus/*/; do
    name=$(basename "$harness")
    found=build/fuzz/found/$name
    mkdir -p "$found"
    echo "== $name for ${seconds}s"
    seeds=("$harness")
    # Real players' configs beside the repository seed the config reader too.
    [[ $name == config_reader && -d ../shared/corpus ]] && seeds+=(../shared/corpus)
    if ! "build/fuzz/fuzz/$name" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="build/fuzz/crashes/$name-" "$found" "${seeds[@]}" 2>&1 | tail -n 12; then
        status=1
    fi
done
exit $status
