#!/usr/bin/env bash
# Builds the .deb, installs it with apt into this machine, checks the installed desktop entry and
# metainfo, and starts the program the way its desktop entry does, on a virtual display: it is
# clicked through Set and Exit like a user would. The package is removed again afterwards.
# Needs root (directly or through sudo), like apt itself.
set -euo pipefail

source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
app_id=io.github.orgola.OrgolaSettings
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

bash "$source_dir/scripts/setup.sh" tests package
cd "$source_dir"
cmake --preset release >/dev/null
cmake --build --preset release
rm -f build/release/orgola-s_*.deb
cpack --preset release
deb=$(realpath build/release/orgola-s_*.deb)

"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb"
trap '"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove -y orgola-s >/dev/null' EXIT

desktop=/usr/share/applications/$app_id.desktop
desktop-file-validate "$desktop"
appstreamcli validate --no-net "/usr/share/metainfo/$app_id.metainfo.xml"
for icon in scalable/apps/$app_id.svg 48x48/apps/$app_id.png 256x256/apps/$app_id.png; do
    [ -f "/usr/share/icons/hicolor/$icon" ] || { echo "package-test: no icon $icon" >&2; exit 1; }
done

# The command the desktop entry starts, found the way a launcher finds it.
command=$(sed -n 's/^Exec=//p' "$desktop")
program=$(command -v "$command")
[ "$program" = /usr/bin/orgola_s ] || { echo "package-test: Exec runs $program" >&2; exit 1; }
"$source_dir/scripts/with-window-manager.sh" "$source_dir/tests/program-cycles.sh" "$program" \
    "$source_dir/tests/golden/upload_attiny45_hidaspx_dark_3_13.bat"
echo "package-test: $(basename "$deb") installs, starts from its desktop entry and works"
