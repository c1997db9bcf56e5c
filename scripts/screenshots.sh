#!/usr/bin/env bash
# Makes every picture in docs/ from the real program: the windows on Qt's
# offscreen platform, walked through the four pages and grabbed.
#   scripts/screenshots.sh
# The README and the AppStream metadata show only these pictures.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DROMWEAVER_TOOLS=ON >/dev/null
cmake --build build -j"$(nproc)" --target screenshots
QT_QPA_PLATFORM=offscreen build/tools/screenshots docs
