#!/usr/bin/env bash
# A fuzzer's finding is ignored by git where fuzzers write it (the top folder, the build
# folders) and kept where it belongs, in a target's regression folder.
# Usage: findings_kept_test.sh SOURCE_DIR
set -euo pipefail
cd "$1"
if ! git rev-parse --git-dir >/dev/null 2>&1; then
    echo "not a git checkout: nothing to check"
    exit 0
fi
status=0
for kind in crash oom leak timeout slow-unit; do
    name="$kind-0123456789abcdef0123456789abcdef01234567"
    for kept in "tests/fuzz/regressions/resource_fuzz/$name" "tests/fuzz/regressions/new_fuzz/$name"; do
        if git check-ignore -q --no-index "$kept"; then
            echo "FAIL: $kept would be ignored"
            status=1
        fi
    done
    for ignored in "$name" "build-fuzz/findings/resource_fuzz/$name"; do
        if ! git check-ignore -q --no-index "$ignored"; then
            echo "FAIL: $ignored would be committed"
            status=1
        fi
    done
done
[ "$status" -eq 0 ] && echo "findings are kept in regressions/ and ignored elsewhere"
exit "$status"
