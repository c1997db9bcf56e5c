#!/usr/bin/env bash
# Installs what is missing, builds and starts Romweaver.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build
cmake --build build -j"$(nproc)" --target Romweaver

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display is available (neither DISPLAY nor WAYLAND_DISPLAY is set): Romweaver is a"
    echo "desktop program and needs one. Start it from a desktop session, or try it with"
    echo "  xvfb-run build/Romweaver"
    exit 1
fi
data_dir="${XDG_DATA_HOME:-$HOME/.local/share}/Romweaver"
if [ ! -f build/Tessel.GBA ] && [ ! -f "$data_dir/Tessel.GBA" ]; then
    echo "Romweaver needs Tessel.GBA beside its executable (build/Tessel.GBA) or in $data_dir/;"
    echo "put the base rom there. Any file of that name serves for trying the program."
fi
exec build/Romweaver
