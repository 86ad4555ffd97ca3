#!/usr/bin/env bash
# Usage: program-cycles.sh <orgola_s> <golden upload.bat>
# Uses the program as a person would, on the X display in DISPLAY: start it and click 設定,
# answer the confirmation; start it again and click 終了. Each run must end by itself with
# status 0 and leave the files it should. Built with the sanitizers, a leak at exit fails it.
set -euo pipefail

program=$(realpath "$1")
golden_script=$(realpath "$2")  # upload.bat for ATtiny45, HIDaspx, dark, 3 times, 13 s
folder=$(mktemp -d)
trap 'rm -rf "$folder" "$folder.expected"' EXIT
cd "$folder"
settings=$'745\r\n210\r\n283\r\n172\r\nFALSE\r\nTRUE\r\nFALSE\r\nTRUE\r\nFALSE\r\nTRUE\r\nFALSE\r\n3\r\n13\r\n'
printf '%s' "$settings" > orgola_s.ini

fail() { echo "program-cycles: $*" >&2; exit 1; }

# The first visible window of a name (an extended regular expression), once it appears.
window_named() {
    timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -n 1
}

# Starts the program, clicks the panel at (x, y) of its client area, answers the confirmation
# when asked to, and waits for the program to end.
cycle() {
    local x=$1 y=$2 confirmation=$3
    "$program" 2> stderr.txt &
    local pid=$!
    local window
    window=$(window_named '^orgola')
    [ -n "$window" ] || fail "no window appeared"
    sleep 0.5  # the window manager has framed it
    xdotool mousemove --window "$window" "$x" "$y" click 1
    if [ "$confirmation" = yes ]; then
        local box
        box=$(window_named '^orgola_s$')
        [ -n "$box" ] || fail "no confirmation box appeared"
        xdotool windowactivate --sync "$box" key Return
    fi
    local status=0
    timeout 30 tail --pid="$pid" -f /dev/null || fail "the program did not end"
    wait "$pid" || status=$?
    if [ "$status" -ne 0 ] || grep -q Sanitizer stderr.txt; then
        cat stderr.txt >&2
        fail "the program ended with status $status"
    fi
}

cycle 664 128 yes  # 設定
cmp upload.bat "$golden_script" || fail "upload.bat differs from $golden_script"
printf '%s' "${settings%13$'\r\n'}12"$'\r\n' > "$folder.expected"
cmp orgola_s.ini "$folder.expected" || fail "Set saved other settings (the delay rounded to 12)"

cycle 664 40 no  # 終了
cmp orgola_s.ini "$folder.expected" || fail "Exit changed the saved settings"
[ "$(ls -A)" = "$(printf 'orgola_s.ini\nstderr.txt\nupload.bat')" ] || fail "stray files: $(ls -A)"
echo "program-cycles: Set and Exit ran cleanly"
