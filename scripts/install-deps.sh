#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Vardolin need, if missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-dev clang-format-14 python3
    libgtest-dev libgmock-dev libbenchmark-dev googletest
    binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev cpp
    qt6-base-dev qt6-qpa-plugins libgl-dev
    xvfb xauth xdotool xclip x11-utils imagemagick locales fonts-dejavu-core openbox
    at-spi2-core python3-pyatspi dbus
    g++-mingw-w64-x86-64-posix wine wine64
    wixl lintian desktop-file-utils appstream zip unzip gzip
    emscripten chromium chromium-driver python3-selenium
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The float-text tests check that a German locale (decimal comma) changes nothing.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    $sudo sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    $sudo locale-gen >/dev/null
fi
