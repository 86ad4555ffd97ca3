#!/usr/bin/env bash
# Builds the core's libFuzzer targets (clang, ASan, UBSan) and runs each for a bounded time,
# starting from the committed seed corpus (which is left as it is). Fails on any finding.
# Usage: scripts/fuzz.sh [seconds per target, default 60] [target ...]
set -euo pipefail
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$source_dir"
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(IntegerTextFuzzer EvenSecondsFuzzer SettingsFileFuzzer UploadScriptFuzzer)

bash scripts/setup.sh fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in "${targets[@]}"; do
    echo "== $target for $seconds s"
    mkdir -p "$work/$target"
    cp fuzz/corpus/"$target"/* "$work/$target"/
    # A finding is written as crash-*, leak-*, timeout-* or oom-* into the work folder.
    status=0
    (cd "$work" && "$source_dir/build/fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 "$target" >"$work/$target.log" 2>&1) || status=$?
    grep -E 'DONE|stat::number_of_executed_units|stat::average_exec_per_sec|property failed|ERROR|SUMMARY' \
        "$work/$target.log" || true
    if [ "$status" -ne 0 ]; then
        echo "$target failed (exit $status):"
        tail -40 "$work/$target.log"
        for finding in "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-*; do
            [ -e "$finding" ] && { echo "-- $(basename "$finding")"; xxd "$finding" | head -20; }
        done
        exit 1
    fi
done
