#!/usr/bin/env bash
# Installs what is missing, builds orgola_s and starts it in the current directory, where it
# keeps orgola_s.ini and writes upload.bat.
set -euo pipefail
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

bash "$source_dir/scripts/setup.sh"
(cd "$source_dir" && cmake --preset release >/dev/null && cmake --build --preset release)
exec "$source_dir/build/release/orgola_s"
