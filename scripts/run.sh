#!/usr/bin/env bash
# Installs what is missing, builds and starts Romweaver.
set -euo pipefail
cd "$(dirname "$0")/.."
# Said before anything is installed or built: without a display there is
# nothing to start.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display is available (neither DISPLAY nor WAYLAND_DISPLAY is set): Romweaver is a"
    echo "desktop program and needs one. Start it from a desktop session, or build it with"
    echo "  cmake -S . -B build && cmake --build build --target Romweaver"
    echo "and try it with"
    echo "  xvfb-run build/Romweaver"
    exit 1
fi
scripts/install-deps.sh
cmake -S . -B build
cmake --build build -j"$(nproc)" --target Romweaver

data_dir="${XDG_DATA_HOME:-$HOME/.local/share}/Romweaver"
if ! ls build/ 2>/dev/null | grep -qix 'tessel.gba' &&
    ! ls "$data_dir" 2>/dev/null | grep -qix 'tessel.gba'; then
    echo "Romweaver needs Tessel.GBA beside its executable (build/Tessel.GBA) or in"
    echo "$data_dir/; put the base rom there. Any file of that name serves for trying the program."
fi
exec build/Romweaver
