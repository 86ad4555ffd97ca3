#!/usr/bin/env bash
# Cross-compiles the core library and its tests for 64-bit Windows with Debian's MinGW-w64, and
# runs them under Debian's wine: the Windows layer (files through the Win32 API with the codes
# of GetLastError, code page 932 through Windows' conversion functions, the backslash base
# folder) is tested on Windows' own terms.
set -euo pipefail
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$source_dir"

bash scripts/setup.sh windows
cmake --preset windows-cross >/dev/null
cmake --build --preset windows-cross --target orgola_core_tests

# A wine prefix of its own, made afresh (about 10 s), so no earlier state can change the result.
export WINEPREFIX
WINEPREFIX=$(mktemp -d)
trap 'wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64); "$wineserver" -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
export WINEDEBUG=-all
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
"$wine" build/windows-cross/tests/orgola_core_tests.exe
