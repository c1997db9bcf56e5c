#!/usr/bin/env bash
# Times romweaver-build writing a 32 MiB GBA rom (a 256 KiB base rom and 127
# roms of 256 KiB, each with its 16-byte header) against cat concatenating the
# very same files, both as whole processes, start-up included, run in turns.
# Prints the medians of both, the median of the pair-by-pair ratios, and
# whether the two images are identical.
#
#   bench/bench_command_line.sh [BUILD_DIR [RUNS]]     (defaults: build 15)
set -euo pipefail

build=${1:-build}
runs=${2:-15}
command=$build/romweaver-build
[ -x "$command" ] || { echo "no $command: build first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/program" "$work/roms"
# The command takes Tessel.GBA, menu.out and its log from its own directory.
cp "$command" "$work/program/"
head -c 262144 /dev/urandom >"$work/program/Tessel.GBA"
for i in $(seq -w 0 126); do
    # 16 program banks of 16 KiB declared and present: nothing cut or repaired.
    { printf 'NES\032\020\000'; head -c 10 /dev/zero; head -c 262144 /dev/urandom; } \
        >"$work/roms/game$i.nes"
done
roms=("$work"/roms/game*.nes)

build_image() { "$work/program/romweaver-build" -o "$work/build.gba" "${roms[@]}" 2>/dev/null; }
cat_image() { cat "$work/program/Tessel.GBA" "$work/program/menu.out" "${roms[@]}" >"$work/cat.gba"; }
now() { date +%s%N; }

# A first round, not counted: fills the page cache and writes menu.out for cat.
build_image
cat_image

builds=()
cats=()
ratios=()
for ((run = 0; run < runs; ++run)); do
    start=$(now); build_image; middle=$(now); cat_image; end=$(now)
    b=$((middle - start))
    c=$((end - middle))
    builds+=("$b")
    cats+=("$c")
    ratios+=("$(awk -v b="$b" -v c="$c" 'BEGIN { printf "%.4f", b / c }')")
done

sorted() { printf '%s\n' "$@" | sort -g; }
median() { sorted "$@" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ms() { awk -v ns="$1" 'BEGIN { printf "%8.2f ms", ns / 1e6 }'; }
figures() {
    echo "median $(ms "$(median "$@")")  (min $(ms "$(sorted "$@" | head -1)"), max $(ms "$(sorted "$@" | tail -1)"))"
}

size=$(stat -c %s "$work/build.gba")
mib=$(awk -v s="$size" 'BEGIN { printf "%.2f", s / 1048576 }')
echo "image: $size bytes ($mib MiB), 127 roms, $runs runs each, whole processes in turns"
echo "  romweaver-build  $(figures "${builds[@]}")"
echo "  cat              $(figures "${cats[@]}")"
echo "  ratio romweaver-build / cat, median of the pairs: $(median "${ratios[@]}")"
if cmp -s "$work/build.gba" "$work/cat.gba"; then
    echo "  images identical: yes"
else
    echo "  images identical: NO"
fi
