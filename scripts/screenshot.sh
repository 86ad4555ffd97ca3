#!/usr/bin/env bash
# Starts orgola_s on a virtual display under the openbox window manager, with a settings file
# of its own in a temporary folder, and saves a PNG of its window (frame included).
# Usage: scripts/screenshot.sh [output.png] [delay text] [scale factor, e.g. 1.5 or 2]
set -euo pipefail
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
output=$(realpath -m "${1:-orgola_s.png}")
delay=${2:-125}
scale=${3:-1}

bash "$source_dir/scripts/setup.sh" screenshot
(cd "$source_dir" && cmake --preset release >/dev/null && cmake --build --preset release >/dev/null)

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
printf '%s\r\n' 745 210 40 30 TRUE FALSE TRUE FALSE TRUE FALSE FALSE 1 "$delay" >"$folder/orgola_s.ini"

cd "$folder"
ORGOLA_SCREEN=2560x1600x24 QT_SCALE_FACTOR=$scale "$source_dir/scripts/with-window-manager.sh" bash -c '
    "$1" &
    program=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$program" | head -n 1)
    sleep 1.5  # framed and painted
    import -window "$window" -frame "$2"  # with the frame openbox put around it
    kill "$program"
' screenshot "$source_dir/build/release/orgola_s" "$output"
echo "Saved $output"
