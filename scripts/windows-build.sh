#!/usr/bin/env bash
# Cross-builds Romweaver for 64-bit Windows and packs the portable zip.
#   scripts/windows-build.sh
# Installs what is missing (MinGW-w64, Wine, the tools to fetch and build Qt), builds Qt for Windows
# once from Debian's qt6-base source package into the cache (later runs reuse it), cross-builds
# Romweaver.exe and the test programs into build-windows/ and packs
# dist/Romweaver-<version>-windows-x64.zip.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD

cache=${ROMWEAVER_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/romweaver}
jobs=${ROMWEAVER_JOBS:-$(nproc)}
toolchain=$source_dir/cmake/mingw-w64-x86_64.cmake
triplet=x86_64-w64-mingw32
host_qt_cmake_dir=/usr/lib/x86_64-linux-gnu/cmake

log() { printf '\n== %s\n' "$*"; }

install_missing() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    log "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get -o DPkg::Lock::Timeout=600 update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
        --no-install-recommends "${missing[@]}"
}

scripts/install-deps.sh
install_missing g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev \
    wine wine64 dpkg-dev perl python3 ninja-build cmake zip unzip \
    xvfb xdotool x11-utils

# The host Qt (moc, rcc, uic) must be the version the Windows Qt is built from.
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools) # e.g. 6.4.2+dfsg-10
qt_upstream=${qt_version%%+*}
qt_upstream=${qt_upstream%%-*}
qt_prefix=$cache/qt$qt_upstream-mingw-w64
qt_stamp=$qt_prefix/.romweaver-complete

# Fetches Debian's qt6-base source package through an apt configuration of its own inside the
# cache, so the machine's apt sources stay as they are.
fetch_qt_source() {
    local apt_dir=$cache/apt
    mkdir -p "$apt_dir"/etc/sources.list.d "$apt_dir"/etc/preferences.d \
        "$apt_dir"/state/lists/partial "$apt_dir"/cache/archives/partial "$cache/src"
    local mirror suite
    mirror=$(sed -n 's/^URIs:[[:space:]]*//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n1)
    mirror=${mirror:-http://deb.debian.org/debian}
    suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror $suite main" \
        >"$apt_dir/etc/sources.list"
    local apt_options=(
        -o Dir::Etc::SourceList="$apt_dir/etc/sources.list"
        -o Dir::Etc::SourceParts="$apt_dir/etc/sources.list.d"
        -o Dir::Etc::PreferencesParts="$apt_dir/etc/preferences.d"
        -o Dir::State="$apt_dir/state"
        -o Dir::Cache="$apt_dir/cache"
        -o APT::Sandbox::User=root
    )
    apt-get "${apt_options[@]}" update -qq
    (cd "$cache/src" && { apt-get "${apt_options[@]}" source "qt6-base=$qt_version" ||
        apt-get "${apt_options[@]}" source qt6-base; })
}

# Two parts of the windows platform plugin are left out:
# - tablet input: Debian's source package leaves out its header (src/3rdparty/wintab);
# - the DirectWrite font database (used only when asked for with -platform
#   windows:fontengine=directwrite): Qt 6.4 builds it into Gui only together with Direct2D,
#   which is not built here. The plugin's default, GDI font database stays.
prepare_windows_plugin() {
    local plugin=$1/src/plugins/platforms/windows
    if [ ! -f "$1/src/3rdparty/wintab/wintab.h" ]; then
        sed -i 's/QT_CONFIG(tabletevent)/0/' "$plugin"/qwindowscontext.cpp \
            "$plugin"/qwindowspointerhandler.cpp "$plugin"/qwindowspointerhandler.h
        sed -i 's/CONDITION QT_FEATURE_tabletevent$/CONDITION FALSE/' "$plugin/CMakeLists.txt"
    fi
    sed -i 's/QT_CONFIG(directwrite3)/0/' "$plugin"/qwindowsintegration.cpp
}

build_qt() {
    local source
    mkdir -p "$cache/src"
    source=$(find "$cache/src" -maxdepth 1 -type d -name "qt6-base-$qt_upstream*" | head -n1)
    if [ -z "$source" ]; then
        log "Fetching the qt6-base $qt_version source package"
        fetch_qt_source
        source=$(find "$cache/src" -maxdepth 1 -type d -name "qt6-base-$qt_upstream*" | head -n1)
    fi
    prepare_windows_plugin "$source"
    local build=$cache/qt-build
    log "Building Qt $qt_upstream for Windows from $source into $qt_prefix (once; takes long)"
    # Only what Romweaver uses: Core, Gui, Widgets, Test, the windows and offscreen platforms.
    cmake -S "$source" -B "$build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$qt_prefix" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR="$host_qt_cmake_dir" \
        -DBUILD_SHARED_LIBS=ON \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF \
        -DFEATURE_gui=ON -DFEATURE_widgets=ON -DFEATURE_testlib=ON \
        -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_xml=OFF -DFEATURE_dbus=OFF \
        -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF \
        -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF \
        -DFEATURE_direct2d=OFF -DFEATURE_jpeg=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF \
        -DFEATURE_sql_sqlite=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF \
        -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF \
        -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_textmarkdownreader=OFF
    cmake --build "$build" --parallel "$jobs"
    cmake --install "$build"
    touch "$qt_stamp"
}

if [ -f "$qt_stamp" ]; then
    log "Reusing Qt for Windows in $qt_prefix"
else
    started=$(date +%s)
    build_qt
    log "Qt for Windows built in $(($(date +%s) - started)) s"
fi
[ "${1:-}" = "--qt-only" ] && exit 0

# Romweaver.exe and the test programs.
build=build-windows
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
log "Building Romweaver for Windows in $build/"
cmake -S . -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DROMWEAVER_WINDOWS_PREFIXES="$qt_prefix" \
    -DCMAKE_PREFIX_PATH="$qt_prefix" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR="$host_qt_cmake_dir" \
    -DCMAKE_BUILD_TYPE=Release \
    -DROMWEAVER_BENCHMARKS=OFF \
    "${launcher[@]}"
cmake --build "$build" --parallel "$jobs"

# Every DLL the program loads that Windows does not bring: followed through the
# import tables of the executable, the Qt libraries and the plugins.
gcc_runtime_dir=$(dirname "$($triplet-g++-posix -print-file-name=libstdc++-6.dll)")
dll_dirs=("$qt_prefix/bin" "$gcc_runtime_dir" "/usr/$triplet/lib" "/usr/$triplet/bin")
find_dll() {
    local name=$1 dir found
    for dir in "${dll_dirs[@]}"; do
        found=$(find "$dir" -maxdepth 1 -iname "$name" -print -quit 2>/dev/null)
        [ -n "$found" ] && { echo "$found"; return 0; }
    done
    return 1
}
imported_dlls() {
    $triplet-objdump -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p'
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=Romweaver-$version-windows-x64
stage=$build/package/$name
rm -rf "$build/package"
mkdir -p "$stage/platforms" "$stage/styles"
cp "$build/Romweaver.exe" "$stage/"
cp "$qt_prefix/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt_prefix/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
pending=("$stage/Romweaver.exe" "$stage/platforms/qwindows.dll" "$stage/styles/qwindowsvistastyle.dll")
while [ ${#pending[@]} -gt 0 ]; do
    binary=${pending[0]}
    pending=("${pending[@]:1}")
    while read -r dll; do
        [ -e "$stage/$dll" ] && continue
        if path=$(find_dll "$dll"); then
            cp "$path" "$stage/$dll"
            pending+=("$stage/$dll")
        fi # else a system DLL (KERNEL32.dll, USER32.dll, ...)
    done < <(imported_dlls "$binary")
done
$triplet-strip --strip-unneeded "$stage"/*.exe "$stage"/*.dll "$stage"/*/*.dll

cat >"$stage/README.txt" <<TEXT
Romweaver $version for Windows (64-bit)

Romweaver packs NES roms (iNES files) into one Game Boy Advance rom for the
Tessel emulator.

Put Tessel.GBA beside Romweaver.exe, in this folder, then start Romweaver.exe.
Without it the program says so and closes.

The program keeps its settings (Romweaver.ini), its build log (Romweaver.log)
and the menu script (menu.out) in this same folder, so the folder must be
writable. Nothing is installed: to remove Romweaver, delete the folder.
TEXT
sed -i 's/$/\r/' "$stage/README.txt"

mkdir -p dist
zip_path=dist/$name.zip
rm -f "$zip_path"
(cd "$build/package" && zip -q -r -9 -X "../../$zip_path" "$name")
log "Packed $zip_path ($(du -k "$zip_path" | cut -f1) KiB):"
unzip -l "$zip_path"
