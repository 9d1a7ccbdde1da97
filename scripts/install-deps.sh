#!/usr/bin/env bash
# Installs the Debian packages that a part of the work needs, if they are missing.
# Usage: install-deps.sh PART...   where a part is what a script does:
#   run       building and opening the calculator (scripts/run.sh)
#   page      building the web page (scripts/web.sh)
#   package   building the packages (scripts/package.sh)
#   or a stage of the test suite (scripts/test.sh): format unit desktop sanitize fuzz engine web
#   windows packages
set -euo pipefail

# Building the program and opening it: the compiler, CMake and Ninja, Qt, and windres with the
# Windows resource headers (the resources are compiled on every platform).
run=(cmake ninja-build g++ pkgconf qt6-base-dev qt6-base-private-dev qt6-qpa-plugins libgl-dev libwayland-dev libglib2.0-dev
     binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev cpp fonts-dejavu-core)
# The format check and the linters (eslint comes from npm).
format=(clang-format-14 shellcheck pyflakes3 black)
# Configuring the test build: GoogleTest (installed, and its sources for the cross builds) and
# Google Benchmark, the icons every build renders, and pytest for the end-to-end tests.
testing=("${run[@]}" libgtest-dev libgmock-dev libbenchmark-dev googletest python3 librsvg2-bin
         python3-pytest)
# A virtual X display with a window manager, and the tools that drive and photograph it.
display=(xvfb xauth xdotool xclip x11-utils imagemagick openbox)
# The unit tests, and the end-to-end ones: the screen-reader bus, three headless Wayland
# compositors (sway, GNOME's mutter, KDE's KWin) and what drives and photographs them (sway and
# KWin through key tools of the tests' own, built from the protocols' descriptions, mutter
# through D-Bus and PipeWire), the desktop's platform theme, GNOME's settings and the portal
# that serves them, a German locale.
unit=("${testing[@]}" "${display[@]}" locales at-spi2-core python3-pyatspi dbus
      sway grim wl-clipboard qt6-wayland qt6ct
      kwin-wayland plasma-wayland-protocols libwayland-bin libxkbcommon-dev
      mutter pipewire wireplumber python3-gi gir1.2-glib-2.0 gstreamer1.0-tools
      libglib2.0-bin dconf-service gsettings-desktop-schemas xdg-desktop-portal
      xdg-desktop-portal-gnome
      gstreamer1.0-pipewire gstreamer1.0-plugins-base gstreamer1.0-plugins-good)
# clang for the fuzzers and the sanitizers' leak checker.
clang=(clang libclang-rt-dev)
# The web page: Emscripten builds it (and the suites for the engine), Terser shortens its script.
page=("${run[@]}" emscripten terser librsvg2-bin)
# The browsers that test the page: Chromium, Firefox (driven by npm's puppeteer-core, on
# Node.js), and Safari's engine (WebKitGTK) on a virtual display.
web=("${testing[@]}" "${page[@]}" chromium chromium-driver python3-selenium firefox-esr
     webkit2gtk-driver xvfb xauth)
# The Windows program under Wine.
windows=("${testing[@]}" "${display[@]}" locales g++-mingw-w64-x86-64-posix wine wine64)
# The packages, and what validates them.
package=("${run[@]}" g++-mingw-w64-x86-64-posix wine wine64 wixl msitools lintian
         desktop-file-utils appstream zip unzip gzip python3 librsvg2-bin)

wanted=()
needs_npm=no
needs_german=no
for part in "${@:-run}"; do
    case "$part" in
        run) wanted+=("${run[@]}") ;;
        page) wanted+=("${page[@]}") ;;
        package) wanted+=("${package[@]}") ;;
        format) wanted+=("${format[@]}"); needs_npm=yes ;;
        unit | desktop) wanted+=("${unit[@]}"); needs_german=yes ;;
        sanitize) wanted+=("${unit[@]}" "${clang[@]}"); needs_german=yes ;;
        fuzz) wanted+=("${run[@]}" "${clang[@]}") ;;
        engine) wanted+=("${testing[@]}" "${page[@]}" locales); needs_german=yes ;;
        web) wanted+=("${web[@]}"); needs_npm=yes ;;
        windows) wanted+=("${windows[@]}"); needs_german=yes ;;
        packages) wanted+=("${unit[@]}" "${windows[@]}" "${package[@]}") ;;
        *) echo "install-deps.sh: no part named $part" >&2; exit 2 ;;
    esac
done

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
# The linters and the web tests come from npm; a Node.js from elsewhere may bring its own npm.
if [ "$needs_npm" = yes ] && ! command -v npm >/dev/null; then
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
if [ "$needs_german" = yes ] && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    "${as_root[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    "${as_root[@]}" locale-gen >/dev/null
fi
