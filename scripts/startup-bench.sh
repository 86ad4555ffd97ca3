#!/usr/bin/env bash
# Usage: startup-bench.sh [runs]   (10 runs by default)
# Measures, on a virtual display (Xvfb, no window manager), the time from starting a process to
# its window being mapped, and its peak resident memory, for orgola_s and for a minimal Qt
# Widgets program with one label (the toolkit's floor), all from the default build. The floor
# runs twice: with a Latin label, and with a Japanese one, for which Qt loads a Japanese font
# as it must for orgola_s's window. Prints the medians and the ratios orgola_s / floor.
set -euo pipefail

runs=${1:-10}
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$source_dir/scripts/setup.sh" tests bench
cd "$source_dir"
cmake --preset default >/dev/null
cmake --build --preset default --target orgola_s minimal_window >/dev/null

exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
folder=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$folder"' EXIT
read -r -t 10 display_number <&"$display_fd"
export DISPLAY=":$display_number" QT_QPA_PLATFORM=xcb
cd "$folder"
# A settings file as the program writes it, so that it opens without an error box.
printf '745\r\n210\r\n283\r\n172\r\nTRUE\r\nFALSE\r\nTRUE\r\nFALSE\r\nTRUE\r\nFALSE\r\nFALSE\r\n1\r\n0\r\n' \
    > orgola_s.ini

now_us() { echo $(($(date +%s%N) / 1000)); }

# One run: "<microseconds to mapped> <peak resident KiB>". The process is ended a second after
# its window is mapped, once it has painted.
measure() {
    local start end pid
    start=$(now_us)
    /usr/bin/time -f %M -o rss.txt "$@" >/dev/null 2>program.txt &
    pid=$!
    until xdotool search --onlyvisible --pid "$(pgrep -P "$pid" || echo 0)" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || { echo "startup-bench: $1 ended early:" >&2; cat program.txt rss.txt >&2; exit 1; }
    done
    end=$(now_us)
    sleep 1
    pkill -TERM -P "$pid" || true
    wait "$pid" || true
    echo "$((end - start)) $(tail -n 1 rss.txt)"
}

median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }

declare -A time_median rss_median
floor=$source_dir/build/default/bench/minimal_window
for name in floor floor_ja orgola_s; do
    case $name in
        floor) command=("$floor") ;;
        floor_ja) command=("$floor" "orgola　設定") ;;
        orgola_s) command=("$source_dir/build/default/orgola_s") ;;
    esac
    measure "${command[@]}" >/dev/null  # warm the file cache
    : > runs.txt
    for ((i = 0; i < runs; i++)); do
        measure "${command[@]}" >> runs.txt
    done
    time_median[$name]=$(cut -d' ' -f1 runs.txt | median)
    rss_median[$name]=$(cut -d' ' -f2 runs.txt | median)
    printf '%-9s mapped after %6.1f ms, peak resident %6d KiB (medians of %d runs)\n' "$name" \
        "$(echo "${time_median[$name]} / 1000" | bc -l)" "${rss_median[$name]}" "$runs"
done
for name in floor floor_ja; do
    printf 'orgola_s / %-8s time %.3f, memory %.3f\n' "$name" \
        "$(echo "${time_median[orgola_s]} / ${time_median[$name]}" | bc -l)" \
        "$(echo "${rss_median[orgola_s]} / ${rss_median[$name]}" | bc -l)"
done
