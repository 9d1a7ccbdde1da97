#!/usr/bin/env bash
# Builds the packages twice from this commit, in two build folders of their own, and expects
# the same bytes both times. The first build's packages stay in OUT_DIR/first for the install
# tests.
# Usage: reproducible_test.sh OUT_DIR
set -euo pipefail
out=$(realpath -m "$1")
mkdir -p "$out"
root=$(cd "$(dirname "$0")/../.." && pwd)
for build in first second; do
    rm -rf "${out:?}/$build"
    bash "$root/scripts/lib/build_packages.sh" "$out/$build" "$out/build-$build" >"$out/$build.log" 2>&1 ||
        { tail -n 30 "$out/$build.log"; echo "FAIL: the $build package build failed"; exit 1; }
done
status=0
for package in "$out"/first/*; do
    name=$(basename "$package")
    first=$(sha256sum <"$package" | cut -d' ' -f1)
    second=$(sha256sum <"$out/second/$name" | cut -d' ' -f1)
    if [ "$first" = "$second" ]; then
        echo "same: $name $(stat -c %s "$package") bytes, sha256 $first"
    else
        echo "FAIL: $name differs between two builds ($first, $second)"
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "PASS: two builds gave byte-identical packages"
exit "$status"
