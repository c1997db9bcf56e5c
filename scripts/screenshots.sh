#!/usr/bin/env bash
# Makes every picture in docs/ from the real program: the windows on Qt's
# offscreen platform, walked through the four pages and grabbed.
#   scripts/screenshots.sh
# docs/de/ shows the German wizard in a larger window.
# The README and the AppStream metadata show only these pictures.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DROMWEAVER_TOOLS=ON >/dev/null
cmake --build build -j"$(nproc)" --target screenshots
QT_QPA_PLATFORM=offscreen build/tools/screenshots docs
# Qt's offscreen screen is 800 x 600 unless told otherwise: a larger one, so
# the window is not held to the screen's size.
screen="$(mktemp)"
trap 'rm -f "$screen"' EXIT
echo '{"screens":[{"name":"screen","x":0,"y":0,"width":1280,"height":1024,"logicalDpi":96}]}' > "$screen"
mkdir -p docs/de
QT_QPA_PLATFORM="offscreen:configfile=$screen" build/tools/screenshots docs/de de 1000x600
