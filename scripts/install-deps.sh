#!/usr/bin/env bash
# Installs the Debian packages that a part of the work needs, if they are missing.
# Usage: install-deps.sh [run|test|package|web]...   (run: building and opening the calculator)
set -euo pipefail

# Building the program and opening it: the compiler, CMake and Ninja, Qt, and windres with the
# Windows resource headers (the resources are compiled on every platform).
run=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libgl-dev
     binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev cpp fonts-dejavu-core)
# The test suite: GoogleTest and Google Benchmark, clang for the fuzzers and the sanitizers'
# leak checker, the format check, a virtual X display with a window manager and the tools
# that drive it, the screen-reader bus, a headless Wayland compositor and its tools, and everything the Windows, web and package stages use.
test=(clang libclang-rt-dev clang-format-14 shellcheck pyflakes3 python3
      libgtest-dev libgmock-dev libbenchmark-dev googletest
      xvfb xauth xdotool xclip x11-utils imagemagick locales openbox
      at-spi2-core python3-pyatspi dbus
      sway wtype grim wl-clipboard qt6-wayland qt6ct)
# The Windows program and the packages, and the icons they carry.
package=(g++-mingw-w64-x86-64-posix wine wine64 wixl msitools lintian desktop-file-utils appstream
         zip unzip gzip python3 librsvg2-bin)
# The web page, and the browser that tests it.
web=(emscripten librsvg2-bin chromium chromium-driver python3-selenium)

wanted=()
for part in "${@:-run}"; do
    case "$part" in
        run) wanted+=("${run[@]}") ;;
        test) wanted+=("${run[@]}" "${test[@]}" "${package[@]}" "${web[@]}") ;;
        package) wanted+=("${run[@]}" "${package[@]}") ;;
        web) wanted+=("${run[@]}" "${web[@]}") ;;
        *) echo "install-deps.sh: no part named $part (run, test, package, web)" >&2; exit 2 ;;
    esac
done

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
# The web tests fetch axe-core with npm; a Node.js from elsewhere may bring its own npm.
if [[ " $* " == *" test "* ]] && ! command -v npm >/dev/null; then
    missing+=(npm)
fi
mapfile -t missing < <(printf '%s\n' "${missing[@]}" | awk 'NF && !seen[$0]++')

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" apt-get update
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The float-text tests check that a German locale (decimal comma) changes nothing.
if [[ " $* " == *" test "* ]] && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    "${as_root[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    "${as_root[@]}" locale-gen >/dev/null
fi
