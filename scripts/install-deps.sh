#!/usr/bin/env bash
# Installs the Debian packages Velcarin needs to build, run and test.
# Prints nothing when everything is already there.
set -euo pipefail

packages=(
    cmake ninja-build g++ lld pkg-config
    qt6-base-dev libqt6sql6-sqlite
    librsvg2-bin
    mdbtools-dev mdbtools sqlite3 libsqlite3-dev
    libbenchmark-dev time
    clang libclang-rt-14-dev
    xvfb xauth imagemagick
    desktop-file-utils appstream dpkg-dev file
    fonts-dejavu-core poppler-utils
    strace
    lintian
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    sudo=sudo
    command -v sudo >/dev/null || { echo "install-deps: run as root to install: ${missing[*]}" >&2; exit 1; }
else
    sudo=
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq >/dev/null
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
