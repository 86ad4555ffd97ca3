#!/usr/bin/env bash
# Starts orgola_s on a virtual display under the openbox window manager, with a settings file
# of its own in a temporary folder, and saves a PNG of its window (frame included).
# Usage: scripts/screenshot.sh [output.png] [delay text]
set -euo pipefail
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
output=$(realpath -m "${1:-orgola_s.png}")
delay=${2:-125}

bash "$source_dir/scripts/setup.sh" screenshot
(cd "$source_dir" && cmake --preset release >/dev/null && cmake --build --preset release >/dev/null)

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
printf '%s\r\n' 745 210 40 30 TRUE FALSE TRUE FALSE TRUE FALSE FALSE 1 "$delay" >"$folder/orgola_s.ini"

cd "$folder"
"$source_dir/scripts/with-window-manager.sh" bash -c '
    "$1" &
    program=$!
    sleep 2
    import -window root -crop 761x226+32+22 "$2"
    kill "$program"
' screenshot "$source_dir/build/release/orgola_s" "$output"
echo "Saved $output"
