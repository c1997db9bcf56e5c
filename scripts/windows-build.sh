#!/usr/bin/env bash
# Cross-builds Romweaver for 64-bit Windows and packs the portable zip and the installer.
#   scripts/windows-build.sh
# Installs what is missing (MinGW-w64, Wine, NSIS, the tools to fetch and build Qt), builds Qt for
# Windows once from Debian's qt6-base source package into the cache (later runs reuse it),
# cross-builds Romweaver.exe and the test programs into build-windows/ and packs
# dist/Romweaver-<version>-windows-x64.zip and dist/Romweaver-<version>-windows-x64-setup.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD

cache=${ROMWEAVER_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/romweaver}
jobs=${ROMWEAVER_JOBS:-$(nproc)}
toolchain=$source_dir/cmake/mingw-w64-x86_64.cmake
host_qt_cmake_dir=/usr/lib/x86_64-linux-gnu/cmake

log() { printf '\n== %s\n' "$*"; }

source scripts/debian-source.sh
# MinGW-w64 with POSIX threads, Wine, NSIS (the installer), the tools to fetch and build Qt, and
# what scripts/windows-test.sh uses (a virtual display, window and clipboard tools, icoutils).
scripts/install-deps.sh g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev \
    wine wine64 nsis dpkg-dev debian-archive-keyring perl python3 ninja-build cmake zip unzip \
    xvfb xdotool xclip x11-utils icoutils

# The host Qt (moc, rcc, uic) must be the version the Windows Qt is built from.
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools) # e.g. 6.4.2+dfsg-10
qt_upstream=${qt_version%%+*}
qt_upstream=${qt_upstream%%-*}
qt_prefix=$cache/qt$qt_upstream-mingw-w64
qt_stamp=$qt_prefix/.romweaver-complete

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
        fetch_debian_source qt6-base "$cache/src" "$qt_version"
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

# Qt's own translations (the message boxes' buttons, the file dialogs, the command-line parser's
# messages), where Qt for Windows keeps them: <prefix>/translations. The tests under Wine find
# them there (QLibraryInfo), and the packages take the programs' languages from there. A .qm file
# is the same on every system: these are Debian's qt6-translations-l10n, made by lrelease from the
# qt6-translations source of this Qt version (that source package's tarballs are not on every
# mirror; the files built from them are).
qt_translations_stamp=$qt_prefix/.romweaver-translations-complete
install_qt_translations() {
    local version
    version=$(dpkg-query -W -f='${Version}' qt6-translations-l10n)
    if [ "${version%%-*}" != "$qt_upstream" ]; then
        echo "qt6-translations-l10n $version is not of Qt $qt_upstream" >&2
        exit 1
    fi
    mkdir -p "$qt_prefix/translations"
    dpkg-query -L qt6-translations-l10n | grep '/qtbase_[^/]*\.qm$' |
        xargs cp -t "$qt_prefix/translations/"
    touch "$qt_translations_stamp"
}
if [ -f "$qt_translations_stamp" ]; then
    log "Reusing Qt's translations in $qt_prefix/translations"
else
    log "Qt's translations (qt6-translations-l10n) into $qt_prefix/translations"
    install_qt_translations
fi
[ "${1:-}" = "--qt-only" ] && exit 0

# libarchive with zlib and liblzma, for reading roms out of archives.
archive_prefix=$cache/archive-mingw-w64
scripts/windows-archive-libs.sh >/dev/null

# Romweaver.exe, romweaver-build.exe and the test programs.
build=build-windows
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
log "Building Romweaver for Windows in $build/"
cmake -S . -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DROMWEAVER_WINDOWS_PREFIXES="$qt_prefix;$archive_prefix" \
    -DCMAKE_PREFIX_PATH="$qt_prefix;$archive_prefix" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR="$host_qt_cmake_dir" \
    -DCMAKE_BUILD_TYPE=Release \
    "${launcher[@]}"
cmake --build "$build" --parallel "$jobs"

# The portable zip and the installer, from the install rules (cmake/WindowsPackage.cmake): the
# programs, the DLLs CMake finds they load, the Qt plugins, README.txt.
mkdir -p dist
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
(cd "$build" && cpack -G ZIP -B "$source_dir/dist" >/dev/null)
(cd "$build" && cpack -G NSIS -B "$source_dir/dist" >/dev/null)
rm -rf dist/_CPack_Packages
zip_path=dist/Romweaver-$version-windows-x64.zip
setup_path=dist/Romweaver-$version-windows-x64-setup.exe
log "Packed $zip_path ($(du -k "$zip_path" | cut -f1) KiB):"
unzip -l "$zip_path"
log "Packed $setup_path ($(du -k "$setup_path" | cut -f1) KiB)"
