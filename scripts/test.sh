#!/usr/bin/env bash
# Installs what is missing, builds Vardolin and runs the whole test suite, stage by stage:
#   format     the format check and the linters (shell, Python, the page's JavaScript)
#   unit       unit, form and widget tests, the end-to-end and accessibility tests under Xvfb
#   sanitize   the unit tests under AddressSanitizer and UndefinedBehaviorSanitizer
#   fuzz       the fuzzers, for a bounded time each
#   engine     the suites built with Emscripten and run under Node.js
#   web        the web page in headless Chromium: keys, touch on phones, axe-core, updates
#   windows    the Windows program built with mingw-w64 and tested under Wine
#   packages   the packages built twice, validated, installed, used and removed
# Usage: test.sh [STAGE...]   (all stages, in this order, when none is named)
set -euo pipefail
cd "$(dirname "$0")/.."

all_stages=(format unit sanitize fuzz engine web windows packages)
stages=("${@:-${all_stages[@]}}")
for stage in "${stages[@]}"; do
    [[ " ${all_stages[*]} " == *" $stage "* ]] ||
        { echo "test.sh: no stage named $stage (${all_stages[*]})" >&2; exit 2; }
done
fuzz_seconds=${VARDOLIN_FUZZ_SECONDS:-20}
jobs=$(nproc)

bash scripts/install-deps.sh test

format() {
    git ls-files '*.cpp' '*.h' | xargs clang-format-14 --dry-run -Werror
    git ls-files '*.sh' | xargs shellcheck
    git ls-files '*.py' | xargs pyflakes3
    (cd tools/lint && npm ci --no-audit --no-fund --loglevel=error)
    local eslint=(tools/lint/node_modules/.bin/eslint -c tools/lint/eslint.config.mjs)
    "${eslint[@]}" framework/web/dialog_page.js
    # The worker is a template whose list of files the build fills in.
    sed 's/@VARDOLIN_PAGE_FILES@//' app/web/service-worker.js |
        "${eslint[@]}" --stdin --stdin-filename app/web/service-worker.js
    echo "format and lint: clean"
}

unit() {
    cmake --preset tests
    cmake --build build -j "$jobs"
    ctest --test-dir build --output-on-failure -j "$jobs"
}

sanitize() {
    cmake --preset sanitize
    cmake --build build-sanitize -j "$jobs"
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs" -LE end-to-end
}

fuzz() {
    cmake --preset fuzz
    cmake --build build-fuzz -j "$jobs"
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
    cmake --build build-web -j "$jobs"
    ctest --test-dir build-web --output-on-failure
}

web() {
    bash scripts/web.sh build-web-page/dist
    (cd tests/web && npm ci --no-audit --no-fund --loglevel=error)
    /usr/bin/python3 tests/web/end_to_end_test.py build-web-page/dist build-web-page
    /usr/bin/python3 tests/web/phone_test.py build-web-page/dist build-web-page
    /usr/bin/python3 tests/web/keyboard_test.py build-web-page/dist
    /usr/bin/python3 tests/web/accessibility_test.py build-web-page/dist
    /usr/bin/python3 tests/web/update_test.py build-web-page/dist
    /usr/bin/python3 tests/packaging/icons_test.py web build-web-page/dist
}

windows() {
    cmake --preset mingw
    cmake --build build-win -j "$jobs"
    scripts/lib/on_virtual_display.sh ctest --test-dir build-win --output-on-failure
}

packages() {
    cmake --preset mingw >/dev/null
    cmake --build build-win --target win_probe
    bash tests/packaging/reproducible_test.sh build-package
    bash tests/packaging/windows_upgrade_test.sh build-package/build-first/windows/stage \
        build-package/build-first/windows/installer
    bash tests/packaging/linux_package_test.sh build-package/first/vardolin_*.deb
    bash tests/packaging/windows_package_test.sh build-package/first/Vardolin-*-win64.msi \
        build-package/first/Vardolin-*-win64.zip build-win/tests/win32/win_probe.exe
}

for stage in "${stages[@]}"; do
    echo "== $stage"
    "$stage"
done
echo "All tests passed: ${stages[*]}."
