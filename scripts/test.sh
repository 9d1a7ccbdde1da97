#!/usr/bin/env bash
# Installs what is missing, builds Vardolin and runs the whole test suite, stage by stage:
#   format     the format check and the linters (C++, shell, Python, the page's JavaScript)
#   unit       unit, form and widget tests, with no window on a screen
#   desktop    the end-to-end and accessibility tests of the real program: X11, and Wayland on
#              sway, GNOME's mutter and KDE's KWin
#   sanitize   the unit tests under AddressSanitizer and UndefinedBehaviorSanitizer
#   fuzz       the fuzzers, for a bounded time each
#   engine     the suites built with Emscripten and run under Node.js
#   web        the web page in Chromium, Firefox and WebKit: keys, layouts, text spacing, Back;
#              touch on phones, axe-core and updates in Chromium
#   windows    the Windows program built with mingw-w64 and tested under Wine
#   packages   the packages built twice, validated, installed, used and removed
# Every stage but format and fuzz is a test preset of CMakePresets.json run by ctest; a stage
# installs only the Debian packages it needs.
# Usage: test.sh [STAGE...]   (all stages, in this order, when none is named)
set -euo pipefail
cd "$(dirname "$0")/.."

all_stages=(format unit desktop sanitize fuzz engine web windows packages)
stages=("${@:-${all_stages[@]}}")
for stage in "${stages[@]}"; do
    [[ " ${all_stages[*]} " == *" $stage "* ]] ||
        { echo "test.sh: no stage named $stage (${all_stages[*]})" >&2; exit 2; }
done
fuzz_seconds=${VARDOLIN_FUZZ_SECONDS:-20}
jobs=$(nproc)

bash scripts/install-deps.sh "${stages[@]}"

format() {
    (cd tools/lint && npm ci --no-audit --no-fund --loglevel=error)
    bash scripts/lib/lint.sh
    echo "format and lint: clean"
}

# Configures and builds PRESET, then runs the test preset TESTS (PRESET's own by default).
build_and_test() {
    local preset=$1 tests=${2:-$1}
    cmake --preset "$preset"
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$tests" -j "$jobs"
}

unit() {
    build_and_test tests unit
}

desktop() {
    build_and_test tests desktop
}

sanitize() {
    build_and_test sanitize
}

fuzz() {
    cmake --preset fuzz
    cmake --build --preset fuzz -j "$jobs"
    for fuzzer in float_text_fuzz resource_fuzz calculator_fuzz; do
        # New inputs go to the build's corpus; the regressions start it off; findings stay in
        # the build folder.
        mkdir -p "build-fuzz/corpus/$fuzzer" "build-fuzz/findings/$fuzzer"
        corpora=("build-fuzz/corpus/$fuzzer")
        [ -d "tests/fuzz/regressions/$fuzzer" ] && corpora+=("tests/fuzz/regressions/$fuzzer")
        ./build-fuzz/tests/fuzz/$fuzzer -max_total_time="$fuzz_seconds" -print_final_stats=1 \
            -artifact_prefix="build-fuzz/findings/$fuzzer/" "${corpora[@]}" \
            2>"build-fuzz/$fuzzer.log" || {
            tail -n 40 "build-fuzz/$fuzzer.log"
            return 1
        }
        grep -E 'stat::number_of_executed_units' "build-fuzz/$fuzzer.log" | sed "s/^/$fuzzer: /"
    done
}

engine() {
    cmake --preset web-tests
    cmake --build --preset web-tests -j "$jobs"
    ctest --preset engine
}

# The web and package tests build what they test themselves, as fixtures of ctest.
web() {
    cmake --preset tests
    ctest --preset web
}

windows() {
    cmake --preset mingw
    cmake --build --preset mingw -j "$jobs"
    scripts/lib/on_virtual_display.sh ctest --preset windows
}

packages() {
    cmake --preset tests
    ctest --preset packages
}

for stage in "${stages[@]}"; do
    echo "== $stage"
    "$stage"
done
echo "All tests passed: ${stages[*]}."
