#!/usr/bin/env bash
# Runs the Windows build under Wine: every test program, then Romweaver.exe from
# the zip on a virtual display, then the installer in a Wine prefix of its own.
# Run scripts/windows-build.sh first.
#   scripts/windows-test.sh
# Prints "N passed, N failed, N skipped" over the test functions of all test
# programs and exits non-zero on any failure.
set -uo pipefail
cd "$(dirname "$0")/.."

cache=${ROMWEAVER_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/romweaver}
build=build-windows
display=${ROMWEAVER_TEST_DISPLAY:-:91}
qt_prefix=$(find "$cache" -maxdepth 1 -type d -name 'qt*-mingw-w64' | head -n1)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt" 2>/dev/null)
zip_path=dist/Romweaver-$version-windows-x64.zip
setup_path=dist/Romweaver-$version-windows-x64-setup.exe
if [ -z "$qt_prefix" ] || [ -z "$version" ] || [ ! -f "$zip_path" ] || [ ! -f "$setup_path" ] ||
    ! ls "$build"/tst_*.exe >/dev/null 2>&1; then
    echo "No Windows build here: run scripts/windows-build.sh first." >&2
    exit 1
fi

# A Wine prefix of the tests' own, made once. No Mono or Gecko: nothing here needs them.
test_prefix=$cache/wine-prefix
export WINEPREFIX=$test_prefix
export WINEARCH=win64
export WINEDEBUG=-all
# No Linux menu entries or file types made from what the installer registers.
export WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
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
install_prefix=$cache/wine-install-prefix # the installer's, made anew each run
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
    stop_wine
    kill "$xvfb" 2>/dev/null
    rm -f "$test_prefix/dosdevices/r:"
    rm -rf "$unpacked" "$install_prefix"
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
# A window's text, as Ctrl+C copies it to the clipboard (a message box: caption, text, buttons).
copy_window_text() {
    local window
    window=$(xdotool search --name "^${1}\$" 2>/dev/null | head -n1)
    xdotool windowfocus --sync "$window" key ctrl+c 2>/dev/null
    sleep 1
    xclip -o -selection clipboard 2>/dev/null | tr -d '\r'
}
# Starts Romweaver.exe in $program_dir and waits for a window with this title; true when it
# showed. With a third argument, the window's text is copied into that file.
run_program() {
    local title=$1 shot=$2 text_file=${3:-} language=${4:-${LANG:-}}
    (cd "$program_dir" && LANG=$language exec timeout 300 "$wine" Romweaver.exe >/dev/null 2>&1) &
    local program=$!
    if window_appears "$title"; then
        sleep 2
        command -v import >/dev/null && import -display "$display" -window root "$shot" 2>/dev/null
        echo "-- window \"$title\" appeared (screen: $shot)"
        [ -n "$text_file" ] && copy_window_text "$title" >"$text_file"
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
    version_info=$(wrestool -x --raw --type=16 "$program_dir/$exe" 2>/dev/null | tr -d '\0')
    if wrestool -l --type=14 "$program_dir/$exe" 2>/dev/null | grep -q . &&
        grep -q "ProductNameRomweaver" <<<"$version_info" &&
        grep -q "ProductVersion$version" <<<"$version_info"; then
        passed=$((passed + 1))
        echo "-- $exe: icon and version $version"
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
# In German (Wine takes the display language from LANG): the argument parser's message is Qt's
# own, from Qt's translation in the zip's translations folder.
(cd "$program_dir" && LANG=de_DE.UTF-8 timeout 120 "$wine" romweaver-build.exe -o \
    >/dev/null 2>"$cmd_roms/german.txt")
german=$(head -n1 "$cmd_roms/german.txt" | tr -d '\r')
if [ "$german" = "romweaver-build: nach '-o' fehlt der Wert" ]; then
    passed=$((passed + 1))
    echo "-- romweaver-build.exe from the zip in German: $german"
else
    failed=$((failed + 1))
    failures+=("romweaver-build.exe from the zip in German")
    echo "-- romweaver-build.exe from the zip in German: \"$german\""
fi
# Its own texts come from Romweaver's translation, built into the program.
german_help=$(cd "$program_dir" && LANG=de_DE.UTF-8 timeout 120 "$wine" romweaver-build.exe --help \
    2>/dev/null | head -n1 | tr -d '\r')
if [[ "$german_help" == "Aufruf: romweaver-build "* ]]; then
    passed=$((passed + 1))
    echo "-- romweaver-build.exe --help in German: ${german_help:0:40}…"
else
    failed=$((failed + 1))
    failures+=("romweaver-build.exe --help in German")
    echo "-- romweaver-build.exe --help in German: \"$german_help\""
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
# The wizard in German: its error box and its window, by their German titles.
if run_program "Fehler" "$shots/without-base-rom-de.png" "" de_DE.UTF-8; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
    failures+=("Romweaver.exe in German without Tessel.GBA")
fi
head -c 65536 /dev/zero >"$program_dir/Tessel.GBA"
if run_program "Tessel-Tool - Romweaver " "$shots/main-window-de.png" "" de_DE.UTF-8; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
    failures+=("Romweaver.exe in German")
fi
if run_program "Tessel tool - Romweaver " "$shots/main-window.png"; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
    failures+=("Romweaver.exe with Tessel.GBA")
fi

# The installer, in a Wine prefix of its own made anew (the tests' prefix stays as it is).
echo "== $setup_path, installed silently into a fresh Wine prefix"
# Counts a check: its description, then the command that must succeed.
check() {
    local description=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
        echo "-- $description"
    else
        failed=$((failed + 1))
        failures+=("$description")
        echo "-- FAILED: $description"
    fi
}
# A registry key's values; nothing where the key is missing.
registry() {
    local values
    values=$(timeout 60 "$wine" reg query "$1" 2>/dev/null) && tr -d '\r' <<<"$values"
}
windows_variable() { timeout 60 "$wine" cmd /c "echo %$1%" 2>/dev/null | tr -d '\r'; }
stop_wine
rm -rf "$install_prefix"
export WINEPREFIX=$install_prefix
timeout 300 "$wine" wineboot --init >/dev/null 2>&1
timeout 60 wineserver -w
drive_c=$install_prefix/drive_c
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Romweaver'

timeout 300 "$wine" "$(winpath "$PWD/$setup_path")" /S >/dev/null 2>&1
setup_status=$?
timeout 120 wineserver -w
program_dir="$drive_c/Program Files/Romweaver"
check "setup /S: exit $setup_status, the programs and Qt's translations in C:\\Program Files\\Romweaver" \
    test "$setup_status" -eq 0 -a -f "$program_dir/Romweaver.exe" -a -f "$program_dir/romweaver-build.exe" \
    -a -f "$program_dir/Uninstall.exe" -a -f "$program_dir/translations/qtbase_de.qm"
start_menu_entry="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Romweaver.lnk"
check "the Start-menu entry for all users" test -f "$start_menu_entry"
entry=$(registry "$uninstall_key")
echo "$entry" | grep -E '^ +(Display|Uninstall|Quiet)' | sed 's/^ */   /'
has_uninstall_entry() {
    grep -qE "DisplayName +REG_SZ +Romweaver\$" <<<"$entry" &&
        grep -qF "$version" <<<"$(grep DisplayVersion <<<"$entry")" &&
        grep -qE 'DisplayIcon +REG_SZ +"C:\\Program Files\\Romweaver\\Romweaver.exe",0' <<<"$entry" &&
        grep -qE 'UninstallString +REG_SZ +"C:\\Program Files\\Romweaver\\Uninstall.exe"' <<<"$entry"
}
check "the uninstall entry: name, version $version, icon, uninstaller" has_uninstall_entry
opens_compilations() {
    grep -qE 'REG_SZ +Romweaver.Compilation$' <<<"$(registry 'HKLM\Software\Classes\.romweaver')" &&
        grep -qF '"C:\Program Files\Romweaver\Romweaver.exe" "%1"' \
            <<<"$(registry 'HKLM\Software\Classes\Romweaver.Compilation\shell\open\command')"
}
check "*.romweaver files open with Romweaver.exe \"%1\"" opens_compilations

# The installed program keeps its files in the user's %APPDATA%\Romweaver.
user_dir_windows="$(windows_variable APPDATA)\\Romweaver\\"
user_dir=$(winepath -u "$user_dir_windows" 2>/dev/null)
stop_wine
error_text=$unpacked/error.txt
run_program "Error" "$shots/installed-without-base-rom.png" "$error_text"
sed 's/^/   /' "$error_text"
names_user_dir() { grep -qF "$user_dir_windows" "$error_text" && [ -d "$user_dir" ]; }
check "installed, without Tessel.GBA: the error names $user_dir_windows, made at the start" \
    names_user_dir
head -c 65536 /dev/zero >"$user_dir/Tessel.GBA"
check "installed, with Tessel.GBA there: the main window" \
    run_program "Tessel tool - Romweaver " "$shots/installed-main-window.png"

# Two roms in a folder; b.nes is one byte longer than its header says, so it is cut and the
# build log written.
install_roms=$unpacked/install-roms
mkdir -p "$install_roms"
{ printf 'NES\x1a\x01\x00'; head -c $((10 + 16384)) /dev/zero; } >"$install_roms/a.nes"
{ printf 'NES\x1a\x01\x00'; head -c $((10 + 16384 + 1)) /dev/zero; } >"$install_roms/b.nes"
printf '[Settings]\r\nNESRomsDir=C:\\\r\n' >"$user_dir/Romweaver.ini" # as the wizard leaves it
(cd "$install_roms" && timeout 120 "$wine" "C:\\Program Files\\Romweaver\\romweaver-build.exe" \
    -o out.gba a.nes b.nes >/dev/null 2>&1)
expected_size=$((65536 + 14 + 2 * 16400)) # base rom, "a.nes" and "b.nes" with CR LF, the roms
check "installed romweaver-build.exe wrote a $expected_size-byte image from a rom folder" \
    test "$(stat -c %s "$install_roms/out.gba" 2>/dev/null)" = "$expected_size" \
    -a -f "$user_dir/Romweaver.log"
stop_wine

user_files() { (cd "$user_dir" && find . -type f -print0 | sort -z | xargs -0 md5sum); }
user_files_before=$(user_files)
timeout 120 "$wine" "C:\\Program Files\\Romweaver\\Uninstall.exe" /S /AllUsers >/dev/null 2>&1
timeout 120 wineserver -w # the uninstaller runs on from a copy of itself
echo "   the user's files: $(cd "$user_dir" && ls | tr '\n' ' ')"
program_removed() {
    [ ! -e "$program_dir" ] && [ ! -e "$start_menu_entry" ] && [ -z "$(registry "$uninstall_key")" ] &&
        [ -z "$(registry 'HKLM\Software\Classes\.romweaver')" ]
}
check "uninstall /S: the program, its Start-menu entry, uninstall entry and file type are gone" \
    program_removed
check "uninstall /S: the user's files are kept" test -n "$user_files_before" -a "$user_files_before" = "$(user_files)"

# For the current user alone: into the user's programs folder and HKCU.
timeout 300 "$wine" "$(winpath "$PWD/$setup_path")" /S /CurrentUser >/dev/null 2>&1
timeout 120 wineserver -w
user_program_dir_windows="$(windows_variable LOCALAPPDATA)\\Programs\\Romweaver"
user_program_dir=$(winepath -u "$user_program_dir_windows" 2>/dev/null)
user_start_menu_entry=$(winepath -u \
    "$(windows_variable APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Romweaver.lnk" 2>/dev/null)
installed_for_user() {
    [ -f "$user_program_dir/Romweaver.exe" ] && [ ! -e "$program_dir" ] &&
        [ -f "$user_start_menu_entry" ] && grep -q DisplayName <<<"$(registry "${uninstall_key/HKLM/HKCU}")"
}
check "setup /S /CurrentUser: in $user_program_dir_windows, the user's Start menu and uninstall entry" \
    installed_for_user
timeout 120 "$wine" "$user_program_dir_windows\\Uninstall.exe" /S /CurrentUser >/dev/null 2>&1
timeout 120 wineserver -w
check "its uninstall /S removes it" \
    test -n "$user_program_dir" -a ! -e "$user_program_dir" -a ! -e "$user_start_menu_entry" \
    -a -z "$(registry "${uninstall_key/HKLM/HKCU}")"
stop_wine

[ ${#failures[@]} -gt 0 ] && echo "Failed: ${failures[*]}"
echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ] && [ ${#failures[@]} -eq 0 ]
