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

build_qt() {
    local source
    mkdir -p "$cache/src"
    source=$(find "$cache/src" -maxdepth 1 -type d -name "qt6-base-$qt_upstream*" | head -n1)
    if [ -z "$source" ]; then
        log "Fetching the qt6-base $qt_version source package"
        fetch_qt_source
        source=$(find "$cache/src" -maxdepth 1 -type d -name "qt6-base-$qt_upstream*" | head -n1)
    fi
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
