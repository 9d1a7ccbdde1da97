#!/usr/bin/env bash
# Installs what is missing, builds Vardolin and runs the whole test suite: unit and widget
# tests, the same under AddressSanitizer and UndefinedBehaviorSanitizer, the end-to-end and
# accessibility tests under Xvfb, the fuzzers for a bounded time, the format check, the suites
# built with Emscripten and run under Node.js, the web page driven in headless Chromium, the
# Windows program built with mingw-w64 and tested under Wine, and the packages built twice,
# validated, installed, used and removed.
set -euo pipefail
cd "$(dirname "$0")/.."

fuzz_seconds=${VARDOLIN_FUZZ_SECONDS:-20}
jobs=$(nproc)

bash scripts/install-deps.sh

echo "== Format"
git ls-files '*.cpp' '*.h' | xargs clang-format-14 --dry-run -Werror

echo "== Build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARDOLIN_WERROR=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== Sanitizers"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVARDOLIN_WERROR=ON \
    -DVARDOLIN_SANITIZE=ON -DVARDOLIN_BENCHMARKS=OFF
cmake --build build-sanitize -j "$jobs"
ctest --test-dir build-sanitize --output-on-failure -j "$jobs" -LE end-to-end

echo "== Fuzzers (${fuzz_seconds} s each)"
instrument="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -D_GLIBCXX_ASSERTIONS"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="$instrument" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DVARDOLIN_FUZZ=ON -DVARDOLIN_QT=OFF -DVARDOLIN_BENCHMARKS=OFF -DBUILD_TESTING=OFF
cmake --build build-fuzz -j "$jobs"
for fuzzer in float_text_fuzz resource_fuzz calculator_fuzz; do
    # New inputs go to the build's corpus; the regressions start it off; findings stay in the
    # build folder.
    mkdir -p "build-fuzz/corpus/$fuzzer" "build-fuzz/findings/$fuzzer"
    corpora=("build-fuzz/corpus/$fuzzer")
    [ -d "tests/fuzz/regressions/$fuzzer" ] && corpora+=("tests/fuzz/regressions/$fuzzer")
    ./build-fuzz/tests/fuzz/$fuzzer -max_total_time="$fuzz_seconds" -print_final_stats=1 \
        -artifact_prefix="build-fuzz/findings/$fuzzer/" "${corpora[@]}" \
        2>"build-fuzz/$fuzzer.log" || {
        tail -n 40 "build-fuzz/$fuzzer.log"
        exit 1
    }
    grep -E 'stat::number_of_executed_units' "build-fuzz/$fuzzer.log" | sed "s/^/$fuzzer: /"
done

echo "== The browser's engine (Emscripten; the suites under Node.js)"
cmake -S . -B build-web -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/emscripten.cmake \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARDOLIN_WERROR=ON
cmake --build build-web -j "$jobs"
ctest --test-dir build-web --output-on-failure

echo "== The web page (in headless Chromium)"
bash scripts/web.sh build-web-page/dist
/usr/bin/python3 tests/web/end_to_end_test.py build-web-page/dist build-web-page

echo "== Windows program (mingw-w64, under Wine)"
cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARDOLIN_WERROR=ON
cmake --build build-win -j "$jobs"
source scripts/lib/wine_env.sh
scripts/lib/on_virtual_display.sh ctest --test-dir build-win --output-on-failure

echo "== Packages (built twice, validated, installed, used and removed)"
bash tests/packaging/reproducible_test.sh build-package
bash tests/packaging/linux_package_test.sh build-package/first/vardolin_*.deb
bash tests/packaging/windows_package_test.sh build-package/first/Vardolin-*-win64.msi \
    build-package/first/Vardolin-*-win64.zip build-win/tests/win32/win_probe.exe

echo "All tests passed."
