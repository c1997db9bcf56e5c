#!/usr/bin/env bash
# Runs the Windows build under Wine: every test program, then Romweaver.exe from
# the zip on a virtual display. Run scripts/windows-build.sh first.
#   scripts/windows-test.sh
# Prints "N passed, N failed, N skipped" over the test functions of all test
# programs and exits non-zero on any failure.
set -uo pipefail
cd "$(dirname "$0")/.."

cache=${ROMWEAVER_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/romweaver}
build=build-windows
display=${ROMWEAVER_TEST_DISPLAY:-:91}
qt_prefix=$(find "$cache" -maxdepth 1 -type d -name 'qt*-mingw-w64' | head -n1)
zip_path=$(ls -t dist/Romweaver-*-windows-x64.zip 2>/dev/null | head -n1)
if [ -z "$qt_prefix" ] || [ -z "$zip_path" ] || ! ls "$build"/tst_*.exe >/dev/null 2>&1; then
    echo "No Windows build here: run scripts/windows-build.sh first." >&2
    exit 1
fi

# A Wine prefix of the tests' own, made once. No Mono or Gecko: nothing here needs them.
export WINEPREFIX=$cache/wine-prefix
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
wine=$(command -v wine)
stop_wine() { timeout 30 wineserver -k 2>/dev/null; timeout 30 wineserver -w 2>/dev/null; true; }
trap stop_wine EXIT
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== Making the Wine prefix $WINEPREFIX"
    timeout 300 "$wine" wineboot --init >/dev/null 2>&1
    timeout 60 wineserver -w
fi

winpath() { echo "Z:${1//\//\\}"; }
gcc_runtime_dir=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
archive_prefix=$cache/archive-mingw-w64 # libarchive, zlib and liblzma (scripts/windows-archive-libs.sh)
export WINEPATH="$(winpath "$qt_prefix/bin");$(winpath "$archive_prefix/bin");$(winpath "$gcc_runtime_dir");$(winpath /usr/x86_64-w64-mingw32/lib)"
export QT_PLUGIN_PATH=$(winpath "$qt_prefix/plugins")
# The offscreen platform on Windows reads fonts from one folder: the form font's.
export QT_QPA_FONTDIR=$(winpath /usr/share/fonts/truetype/liberation2)

# A virtual display for Wine's own windows (the test programs draw offscreen) and for the program.
unpacked=$(mktemp -d)
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
    stop_wine
    kill "$xvfb" 2>/dev/null
    rm -f "$WINEPREFIX/dosdevices/r:"
    rm -rf "$unpacked"
}
trap cleanup EXIT
export DISPLAY=$display
# A scratch drive R: for the build at a drive's root: Wine keeps drive letters as links in its
# prefix (DefineDosDevice, which the test uses on Windows, makes none that files can be opened on).
mkdir -p "$unpacked/drive-r"
ln -sfn "$unpacked/drive-r" "$WINEPREFIX/dosdevices/r:"
export ROMWEAVER_TEST_SCRATCH_DRIVE=R:

passed=0
failed=0
skipped=0
failures=()
echo "== Test programs under Wine ($("$wine" --version))"
# Qt puts the executables of a Windows build together at the top of the build folder.
for test in "$build"/tst_*.exe; do
    name=$(basename "$test" .exe)
    # Wine gives a console program's output to a pipe only in part: QtTest writes to a file.
    rm -f "$build/$name.txt"
    (cd "$build" && QT_QPA_PLATFORM=offscreen timeout 300 "$wine" "$name.exe" -o "$name.txt,txt" \
        >/dev/null 2>&1)
    status=$?
    output=$(cat "$build/$name.txt" 2>/dev/null)
    totals=$(grep -a '^Totals:' <<<"$output" | tail -n1 | tr -d '\r')
    if [[ $totals =~ ([0-9]+)\ passed,\ ([0-9]+)\ failed,\ ([0-9]+)\ skipped ]]; then
        passed=$((passed + BASH_REMATCH[1]))
        failed=$((failed + BASH_REMATCH[2]))
        skipped=$((skipped + BASH_REMATCH[3]))
    fi
    if [ $status -ne 0 ] || [ -z "$totals" ]; then
        [ -z "$totals" ] && failed=$((failed + 1)) # it did not get to its totals
        failures+=("$name")
        echo "-- $name: FAILED (exit $status)"
        grep -a -E '^(FAIL!|   Loc:|QFATAL|XPASS)|Actual|Expected' <<<"$output" | head -n 40
        [ -z "$totals" ] && tail -n 20 <<<"$output"
    else
        echo "-- $name: ${totals#Totals: }"
    fi
done
stop_wine

# Replacing the output under Wine: romweaver-build writes an image, then writes again while
# another program holds the output, and while another program holds a rom (the build fails
# partway, at that rom): each time the earlier image stays whole and no part file is left.
echo "== Replacing the output under Wine"
replace=$(mktemp -d)
mkdir -p "$replace/program" "$replace/roms" "$replace/out"
cp "$build/romweaver-build.exe" "$replace/program/"
head -c 100000 /dev/zero >"$replace/program/Tessel.GBA"
for rom in a b; do
    { printf 'NES\x1a\x01\x00'; head -c $((10 + 16384)) /dev/urandom; } >"$replace/roms/$rom.nes"
done
output=$replace/out/nes.gba
build_image() { # extra arguments first; prints nothing, returns romweaver-build's status
    (cd "$replace/program" && timeout 120 "$wine" romweaver-build.exe "$@" -o "$(winpath "$output")" \
        "$(winpath "$replace/roms/a.nes")" "$(winpath "$replace/roms/b.nes")" >/dev/null 2>&1)
}
# Another program holding a file: hold_file.exe keeps it open until its standard input ends.
held_by_other() { # path, then the check to run meanwhile
    local path=$1 i
    shift
    rm -f "$replace/hold-in" "$replace/hold-out"
    mkfifo "$replace/hold-in"
    (cd "$build" && exec timeout 300 "$wine" hold_file.exe "$(winpath "$path")" \
        <"$replace/hold-in" >"$replace/hold-out" 2>&1) &
    local holder=$!
    exec 7>"$replace/hold-in"
    for i in $(seq 1 120); do
        grep -q held "$replace/hold-out" 2>/dev/null && break
        sleep 0.5
    done
    "$@"
    local status=$?
    exec 7>&-
    wait "$holder" 2>/dev/null
    return $status
}
# Counts a check: its status (0 passed), what it checked.
count_check() {
    if [ "$1" -eq 0 ]; then
        passed=$((passed + 1))
        echo "-- $2: as expected"
    else
        failed=$((failed + 1))
        failures+=("$2")
        echo "-- $2: FAILED; the output folder holds: $(ls "$replace/out")"
    fi
}
only_image() { [ "$(ls "$replace/out")" = "nes.gba" ]; }
earlier_kept() { cmp -s "$output" "$replace/earlier.gba" && only_image; }
fails() { ! build_image --numbered; }
build_image && cp "$output" "$replace/earlier.gba"
count_check $? "romweaver-build.exe writes a first image"
held_by_other "$output" fails && earlier_kept
count_check $? "an output another program holds: the build fails at once, the earlier image kept whole"
held_by_other "$replace/roms/b.nes" fails && earlier_kept
count_check $? "a rom another program holds: failed partway, the earlier image kept whole"
build_image --numbered && ! cmp -s "$output" "$replace/earlier.gba" && only_image
count_check $? "nothing held: the image replaced"
rm -rf "$replace"
stop_wine

# The real program from the zip, on a virtual display: without Tessel.GBA the
# error box, with it the main window.
echo "== Romweaver.exe from $zip_path on display $display"
unzip -q "$zip_path" -d "$unpacked"
program_dir=$(dirname "$(find "$unpacked" -name Romweaver.exe)")
unset QT_PLUGIN_PATH QT_QPA_FONTDIR WINEPATH # the zip must bring everything itself

# Waits until a window with exactly this title shows; true when it did.
window_appears() {
    local title=$1 i
    for i in $(seq 1 120); do
        xdotool search --name "^${title}\$" >/dev/null 2>&1 && return 0
        sleep 1
    done
    return 1
}
run_program() {
    local title=$1 shot=$2
    (cd "$program_dir" && exec timeout 300 "$wine" Romweaver.exe >/dev/null 2>&1) &
    local program=$!
    if window_appears "$title"; then
        sleep 2
        command -v import >/dev/null && import -display "$display" -window root "$shot" 2>/dev/null
        echo "-- window \"$title\" appeared (screen: $shot)"
        stop_wine
        wait "$program" 2>/dev/null
        return 0
    fi
    echo "-- window \"$title\" did not appear; windows shown:"
    xdotool search --name '.' getwindowname %@ 2>/dev/null | sort -u | head
    stop_wine
    wait "$program" 2>/dev/null
    return 1
}
# Both programs carry the program icon and their version information.
for exe in Romweaver.exe romweaver-build.exe; do
    version=$(wrestool -x --raw --type=16 "$program_dir/$exe" 2>/dev/null | tr -d '\0')
    if wrestool -l --type=14 "$program_dir/$exe" 2>/dev/null | grep -q . &&
        grep -q "ProductNameRomweaver" <<<"$version" &&
        grep -q "ProductVersion0.3" <<<"$version"; then
        passed=$((passed + 1))
        echo "-- $exe: icon and version 0.3"
    else
        failed=$((failed + 1))
        failures+=("$exe icon or version")
        echo "-- $exe: icon or version information missing"
    fi
done

# romweaver-build.exe from the zip, once: a rom in a folder of its own.
cmd_roms=$(mktemp -d)
head -c 100000 /dev/zero >"$program_dir/Tessel.GBA"
{ printf 'NES\x1a\x01\x00'; head -c $((10 + 16384)) /dev/zero; } >"$cmd_roms/a.nes"
(cd "$program_dir" && timeout 120 "$wine" romweaver-build.exe -o "$(winpath "$cmd_roms/out.gba")" \
    "$(winpath "$cmd_roms/a.nes")" >/dev/null 2>&1)
cmd_status=$?
expected_size=$((100000 + 7 + 16400)) # base rom, "a.nes" CR LF, the rom
if [ $cmd_status -eq 0 ] && [ "$(stat -c %s "$cmd_roms/out.gba" 2>/dev/null)" = "$expected_size" ]; then
    passed=$((passed + 1))
    echo "-- romweaver-build.exe from the zip wrote a $expected_size-byte image"
else
    failed=$((failed + 1))
    failures+=("romweaver-build.exe from the zip")
    echo "-- romweaver-build.exe from the zip: exit $cmd_status"
fi
rm -rf "$cmd_roms"
stop_wine

shots=$build/screens
mkdir -p "$shots"
rm -f "$program_dir/Tessel.GBA"
if run_program "Error" "$shots/without-base-rom.png"; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
    failures+=("Romweaver.exe without Tessel.GBA")
fi
head -c 65536 /dev/zero >"$program_dir/Tessel.GBA"
if run_program "Tessel tool - Romweaver " "$shots/main-window.png"; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
    failures+=("Romweaver.exe with Tessel.GBA")
fi

[ ${#failures[@]} -gt 0 ] && echo "Failed: ${failures[*]}"
echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ] && [ ${#failures[@]} -eq 0 ]
