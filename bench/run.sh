#!/usr/bin/env bash
# Runs every benchmark that has a row in the README's table, from build/bench.
#   bench/run.sh [display]
# The X11 rows need an X server: with DISPLAY unset, Xvfb is started on the
# given display (default :94) for the run and stopped afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
# The benchmarks are built only on request; this turns them on in build/.
cmake -S . -B build -DROMWEAVER_BENCHMARKS=ON >/dev/null
cmake --build build -j"$(nproc)"
cd build/bench
xvfb=""
if [ -z "${DISPLAY:-}" ]; then
    display="${1:-:94}"
    command -v Xvfb > /dev/null || { echo "Xvfb is needed for the X11 rows (apt-get install xvfb)"; exit 1; }
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp > /dev/null 2>&1 &
    xvfb=$!
    trap 'kill "$xvfb"' EXIT
    export DISPLAY="$display"
    sleep 1
fi
status=0
for bench in bench_startup bench_directory_list bench_rom_selection bench_titles_page \
    bench_write_page bench_image_process bench_archive_process bench_archive_estimate \
    bench_hostile_archives bench_compilation_file; do
    echo "== $bench"
    ./"$bench" || status=1
done
exit $status
