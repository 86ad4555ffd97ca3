#!/usr/bin/env bash
# Runs a command on a virtual X display (Xvfb) with the openbox window manager, which frames
# windows the way a desktop does. ORGOLA_SCREEN sets the screen (default 1280x800x24).
set -euo pipefail

exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 "${ORGOLA_SCREEN:-1280x800x24}" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
read -r -t 10 display_number <&"$display_fd"
export DISPLAY=":$display_number"
openbox >/dev/null 2>&1 &
openbox=$!
trap 'kill "$openbox" "$xvfb" 2>/dev/null || true' EXIT
sleep 1  # openbox has taken over the display
QT_QPA_PLATFORM=xcb "$@"
