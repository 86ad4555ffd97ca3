#!/usr/bin/env bash
# Installs the Debian packages that building and running orgola_s need, when any is missing:
# as root directly, otherwise through sudo. "tests" adds what the tests need, "fuzz" what
# scripts/fuzz.sh needs, "screenshot" what scripts/screenshot.sh needs, "package" what building
# and checking the .deb needs, "bench" what scripts/startup-bench.sh needs, "windows" what
# scripts/windows-test.sh needs.
set -euo pipefail

packages=(
    g++ make cmake              # compiler and build
    qt6-base-dev                # Qt 6 Widgets (and its platform plugins)
    fonts-ipafont-gothic        # a Japanese proportional gothic for the window's texts
)
for group in "$@"; do
    case "$group" in
        tests)
            packages+=(
                libgtest-dev            # tests
                libbenchmark-dev        # benchmarks
                clang-format            # the source format check
                xvfb openbox            # a virtual display with a window manager
                xdotool                 # clicks for the program run as a person would
            ) ;;
        fuzz) packages+=(clang libclang-rt-14-dev) ;;  # libFuzzer and the sanitizers' runtime
        screenshot) packages+=(xvfb openbox xdotool imagemagick) ;;
        package) packages+=(dpkg-dev file desktop-file-utils appstream) ;;  # .deb and its checks
        bench) packages+=(xvfb xdotool time procps bc) ;;  # scripts/startup-bench.sh
        windows) packages+=(g++-mingw-w64-x86-64 wine64 googletest) ;;  # scripts/windows-test.sh
        *) echo "setup.sh: unknown group '$group'" >&2; exit 2 ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}"
