#!/usr/bin/env bash
# Renders the program icon's PNGs and the Windows icon from its two drawings (needs rsvg-convert,
# Debian package librsvg2-bin). The PNGs are committed, so a build needs no converter.
#   resources/romweaver.svg    256, 48 and 32 pixels, and the About picture (33 by 33)
#   resources/romweaver16.svg  16 pixels, drawn on that grid
set -euo pipefail
cd "$(dirname "$0")/../resources"
rsvg-convert -w 256 -h 256 romweaver.svg -o romweaver256.png
rsvg-convert -w 48 -h 48 romweaver.svg -o romweaver48.png
rsvg-convert -w 32 -h 32 romweaver.svg -o romweaver.png
rsvg-convert -w 32 -h 32 --page-width 33 --page-height 33 romweaver.svg -o about.png
rsvg-convert -w 16 -h 16 romweaver16.svg -o romweaver16.png
# The Windows programs' icon (needs icotool, Debian package icoutils): the four
# sizes, the largest kept as PNG.
icotool -c -o romweaver.ico romweaver16.png romweaver.png romweaver48.png -r romweaver256.png
