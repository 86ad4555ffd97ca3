#!/usr/bin/env bash
# Installs what is missing, checks the source format, then builds and runs every test, in the
# default build and in the build with AddressSanitizer and UndefinedBehaviorSanitizer, runs each
# fuzz target for a minute, runs the core's tests built for Windows under wine, and builds,
# installs and starts the .deb.
set -euo pipefail
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$source_dir"

bash scripts/setup.sh tests fuzz package windows

find app bench core fuzz script settings tests -name '*.cpp' -o -name '*.h' | xargs clang-format --dry-run --Werror

for preset in default sanitize; do
    echo "== $preset build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset" --parallel 2
done

echo "== fuzzing"
bash scripts/fuzz.sh "${ORGOLA_FUZZ_SECONDS:-60}"

echo "== Windows (MinGW-w64 and wine)"
bash scripts/windows-test.sh

echo "== package"
bash scripts/package-test.sh
