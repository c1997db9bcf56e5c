#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, where missing;
# further packages may be named as arguments (scripts/package.sh does).
set -euo pipefail

packages=(cmake make g++ qt6-base-dev qt6-base-dev-tools libgl-dev libarchive-dev zlib1g-dev liblzma-dev fonts-dejavu-core fonts-liberation2)
packages+=(desktop-file-utils appstream) # the desktop entry's and the metadata's validators
# Translations: lupdate and lrelease (qt6-l10n-tools); CMake's Qt6LinguistTools package with
# qt_add_translations, which Debian ships only in qt6-tools-dev (it brings Qt Designer's and Qt
# Help's libraries along); Qt's own translations, the message boxes' buttons in the user's
# language (qt6-translations-l10n: the programs load them at run time, the tests check them, the
# Windows build packs them).
packages+=(qt6-l10n-tools qt6-tools-dev qt6-translations-l10n)
packages+=("$@")
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
# Waits for the package database while another install holds it.
$sudo apt-get -o DPkg::Lock::Timeout=600 update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
