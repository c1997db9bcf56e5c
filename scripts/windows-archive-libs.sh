#!/usr/bin/env bash
# Cross-builds libarchive, with zlib and liblzma, as DLLs for 64-bit Windows: Romweaver reads roms
# out of .zip, .7z and .gz archives through it.
#   scripts/windows-archive-libs.sh
# Builds once from Debian's source packages zlib, xz-utils and libarchive into
# <cache>/archive-mingw-w64 (include/, lib/ with the import libraries, bin/ with the DLLs); later
# runs reuse it (delete that folder to rebuild, and the sources in <cache>/src too to take newer
# Debian versions). A MinGW CMake build finds it with
# find_package(LibArchive) once the prefix is among -DROMWEAVER_WINDOWS_PREFIXES. Prints on
# standard output only the names of the DLLs from the prefix's bin/ that a program linking
# libarchive needs beside it, one a line; everything else goes to standard error.
set -euo pipefail
shopt -s inherit_errexit
cd "$(dirname "$0")/.."
source_dir=$PWD
source scripts/debian-source.sh

cache=${ROMWEAVER_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/romweaver}
jobs=${ROMWEAVER_JOBS:-$(nproc)}
toolchain=$source_dir/cmake/mingw-w64-x86_64.cmake
triplet=x86_64-w64-mingw32
cc=$triplet-gcc-posix
prefix=$cache/archive-mingw-w64
stamp=$prefix/.romweaver-complete
build_root=$cache/archive-build

log() { printf '\n== %s\n' "$*" >&2; }

source_of() {
    local package=$1 dir
    dir=$(find "$cache/src" -maxdepth 1 -type d -name "$package-[0-9]*" | sort -V | tail -n1)
    if [ -z "$dir" ]; then
        log "Fetching the $package source package"
        fetch_debian_source "$package" "$cache/src" >&2
        dir=$(find "$cache/src" -maxdepth 1 -type d -name "$package-[0-9]*" | sort -V | tail -n1)
    fi
    [ -n "$dir" ] || { echo "No unpacked $package source in $cache/src" >&2; return 1; }
    echo "$dir"
}

# Debian's zlib source leaves out win32/ (makefile, .def, .rc), which zlib's own MinGW builds
# (win32/Makefile.gcc, and CMake's rule for the .rc) need; the library is its top-level C files,
# so one compiler call makes the DLL. ZLIB_DLL exports just the public API, as zlib's own DLL
# does; the names are those of zlib's MinGW makefile.
build_zlib() {
    local source=$1
    log "Building zlib from $source"
    "$cc" -O2 -DZLIB_DLL -shared "$source"/*.c -o "$prefix/bin/zlib1.dll" \
        -Wl,--out-implib,"$prefix/lib/libz.dll.a"
    cp "$source/zlib.h" "$source/zconf.h" "$prefix/include/"
}

# liblzma only: the xz and xzdec programs are neither built nor installed.
build_xz() {
    local source=$1 build=$build_root/xz
    log "Building liblzma from $source"
    cmake -S "$source" -B "$build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DBUILD_SHARED_LIBS=ON -DBUILD_TESTING=OFF
    cmake --build "$build" --parallel "$jobs" --target liblzma
    cmake --install "$build" --component liblzma_Runtime
    cmake --install "$build" --component liblzma_Development
}

# Only the reading of .zip (stored, deflate), .7z (LZMA/LZMA2, deflate) and .gz is wanted: zlib and
# liblzma on, every other library, the bsdtar/bsdcpio/bsdcat programs and the tests off. Regular
# expressions serve only bsdtar; with them off, libarchive stops looking for a regex library
# (whose search fails outright with ENABLE_LIBGCC off).
# Encrypted zip entries are still recognised (archive_entry_is_encrypted needs no crypto library).
# CNG stays off: it would only bring WinZip AES decryption, and the check for it looks for
# Bcrypt.h, which MinGW spells bcrypt.h.
# zlib and liblzma are named by path so nothing else on the machine is picked up. The one check that
# runs a program (whether zlib was built with ZLIB_WINAPI; it was not) is answered beforehand, its
# output too: Debian's CMake 3.25.1 crashes when a cross-build's run check has only its exit code.
# Only the DLL target is built (the static library would double the build): its files are then
# installed by hand, as libarchive's install rule wants both.
build_libarchive() {
    local source=$1 build=$build_root/libarchive
    log "Building libarchive from $source"
    cmake -S "$source" -B "$build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DENABLE_ZLIB=ON -DENABLE_LZMA=ON \
        -DZLIB_INCLUDE_DIR="$prefix/include" -DZLIB_LIBRARY="$prefix/lib/libz.dll.a" \
        -DZLIB_WINAPI_EXITCODE=1 -DZLIB_WINAPI_EXITCODE__TRYRUN_OUTPUT= \
        -DLIBLZMA_INCLUDE_DIR="$prefix/include" -DLIBLZMA_LIBRARY="$(lzma_import_library)" \
        -DENABLE_OPENSSL=OFF -DENABLE_MBEDTLS=OFF -DENABLE_NETTLE=OFF -DENABLE_CNG=OFF \
        -DENABLE_LIBXML2=OFF -DENABLE_EXPAT=OFF -DENABLE_BZip2=OFF -DENABLE_LZ4=OFF \
        -DENABLE_ZSTD=OFF -DENABLE_LZO=OFF -DENABLE_LIBB2=OFF -DENABLE_PCREPOSIX=OFF \
        -DENABLE_LIBGCC=OFF -DPOSIX_REGEX_LIB=NONE -DENABLE_ICONV=OFF \
        -DENABLE_ACL=OFF -DENABLE_XATTR=OFF \
        -DENABLE_TAR=OFF -DENABLE_CPIO=OFF -DENABLE_CAT=OFF -DENABLE_TEST=OFF \
        -DENABLE_WERROR=OFF -DENABLE_INSTALL=OFF
    cmake --build "$build" --parallel "$jobs" --target archive
    cp "$build/bin/libarchive.dll" "$prefix/bin/"
    cp "$build/libarchive/libarchive.dll.a" "$prefix/lib/"
    cp "$source/libarchive/archive.h" "$source/libarchive/archive_entry.h" "$prefix/include/"
}

lzma_import_library() {
    find "$prefix/lib" -maxdepth 1 -name '*lzma*.dll.a' -print -quit
}

imported_dlls() {
    $triplet-objdump -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p'
}

# libarchive.dll and the prefix's DLLs it loads, followed through their import tables.
prefix_dlls_needed() {
    local pending=(libarchive.dll) seen=() dll
    while [ ${#pending[@]} -gt 0 ]; do
        dll=${pending[0]}
        pending=("${pending[@]:1}")
        [[ " ${seen[*]} " == *" $dll "* ]] && continue
        seen+=("$dll")
        while read -r dll; do
            [ -e "$prefix/bin/$dll" ] && pending+=("$dll")
        done < <(imported_dlls "$prefix/bin/$dll")
    done
    printf '%s\n' "${seen[@]}"
}

build_all() {
    scripts/install-deps.sh gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
        mingw-w64-x86-64-dev dpkg-dev debian-archive-keyring cmake ninja-build
    local zlib_source xz_source libarchive_source needed dll
    zlib_source=$(source_of zlib)
    xz_source=$(source_of xz-utils)
    libarchive_source=$(source_of libarchive)
    rm -rf "$prefix" "$build_root"
    mkdir -p "$prefix/bin" "$prefix/lib" "$prefix/include" "$build_root"
    build_zlib "$zlib_source"
    build_xz "$xz_source"
    build_libarchive "$libarchive_source"
    # libarchive builds without zlib or liblzma when it misses them, and then reads no .gz,
    # deflate zip or .7z: it must load every DLL built here.
    needed=$(prefix_dlls_needed)
    for dll in "$prefix"/bin/*.dll; do
        grep -qx "$(basename "$dll")" <<<"$needed" ||
            { echo "libarchive.dll does not load $(basename "$dll")" >&2; exit 1; }
    done
    rm -rf "$build_root"
    touch "$stamp"
}

if [ -f "$stamp" ]; then
    log "Reusing libarchive for Windows in $prefix"
else
    started=$(date +%s)
    build_all >&2
    log "libarchive for Windows built in $(($(date +%s) - started)) s"
fi

log "DLLs from $prefix/bin that a program linking libarchive needs:"
prefix_dlls_needed
