#!/usr/bin/env bash
# Builds the Debian package into dist/: a release build in build-package/, then
# cpack -G DEB. Installs what is missing first, with the packaging tools.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh dpkg-dev file
# Debian's hardened compiler and linker flags, as a Debian build would use them,
# less -g: the executables are stripped and no debug symbols package is made.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
export DEB_CXXFLAGS_MAINT_STRIP=-g
# Only what the package holds: no tests, no benchmarks.
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DROMWEAVER_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build build-package -j"$(nproc)"
(cd build-package && cpack -G DEB -B "$PWD/../dist")
rm -rf dist/_CPack_Packages
ls dist/*.deb
