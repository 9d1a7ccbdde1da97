#!/usr/bin/env bash
# A new version needs one edit: in a scratch copy of the sources, the project version in
# CMakeLists.txt is bumped to 9.8.7.6 (released 2030-01-02), and every place a user reads the
# version from is made anew with it: the version block and the manifest in the compiled
# resources, the manual page, the AppStream data, the Debian changelog, the Windows README and
# the version block's expectation. None still says the old version, and no other source file
# writes one by hand.
# Usage: version_bump_test.sh SOURCE_DIR
set -euo pipefail
source_dir=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$source_dir"
git ls-files -co --exclude-standard -z | xargs -0 cp --parents -t "$scratch" 2>/dev/null || true
cd "$scratch"
old=$(sed -n 's/^project(Vardolin VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
old_commas=${old//./, }
sed -i "s/^project(Vardolin VERSION $old /project(Vardolin VERSION 9.8.7.6 /" CMakeLists.txt
sed -i 's/^set(VARDOLIN_RELEASE_DATE .*)/set(VARDOLIN_RELEASE_DATE 2030-01-02)/' CMakeLists.txt

status=0
fail() {
    echo "FAIL: $*"
    status=1
}

# Written by hand anywhere but in CMakeLists.txt (the README names the packages' files).
hand_written=$(grep -rlF -e "$old" -e "$old_commas" --exclude=CMakeLists.txt --exclude=README.md \
    --exclude='*.png' --exclude='*.ico' . || true)
[ -z "$hand_written" ] || fail "the old version is written by hand in: $hand_written"

cmake --preset release -B linux >/dev/null
cmake --build linux --target vardolin_resources vardolin_docs >/dev/null
cmake --preset mingw -B windows -DVARDOLIN_BENCHMARKS=OFF >/dev/null

/usr/bin/python3 - "$old" <<'CHECK' || status=1
import struct, sys
old = sys.argv[1]
failures = []
res = open("linux/res/vardolin_resources.res", "rb").read()
fixed = struct.pack("<IIII", 9 << 16 | 8, 7 << 16 | 6, 9 << 16 | 8, 7 << 16 | 6)
if fixed not in res:
    failures.append("the version block's fixed part is not 9.8.7.6")
if "9, 8, 7, 6".encode("utf-16-le") not in res:
    failures.append("the version block's strings are not 9, 8, 7, 6")
if b'version="9.8.7.6"' not in res:
    failures.append("the manifest is not 9.8.7.6")
if old.replace(".", ", ").encode("utf-16-le") in res or old.encode() in res:
    failures.append("the compiled resources still say " + old)
expected = {
    "linux/packaging/vardolin.1": ['"Vardolin 9.8.7.6"', "2030-01-02"],
    "linux/packaging/changelog": ["vardolin (9.8.7.6)", "Wed, 02 Jan 2030"],
    "linux/packaging/org.vardolin.Vardolin.metainfo.xml": ['version="9.8.7.6" date="2030-01-02"'],
    "windows/packaging/README.txt": ["Vardolin 9.8.7.6,"],
    "windows/tests/win32/expected_version.txt": ["FileVersion 9.8.7.6", "ProductVersion=9, 8, 7, 6"],
}
for path, texts in expected.items():
    text = open(path).read()
    failures += [f"{path} does not say {t}" for t in texts if t not in text]
    if old in text:
        failures.append(f"{path} still says {old}")
for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
CHECK
[ "$status" -eq 0 ] && echo "PASS: a bump of CMakeLists.txt alone reaches every place the version shows"
exit "$status"
