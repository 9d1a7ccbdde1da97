#!/usr/bin/env bash
# Checks the format and lints the files given (every file git tracks when none is given), each
# by its kind: clang-format for C++, shellcheck for shell, pyflakes and black for Python, eslint
# for the page's script and service worker and the tests' JavaScript, and no trailing space or
# carriage return anywhere. The test suite's format stage runs it on the tree, the pre-commit
# hook (tools/pre-commit) on what a commit adds. eslint needs `npm ci` in tools/lint first.
# Usage: lint.sh [FILE...]
set -euo pipefail
cd "$(dirname "$0")/../.."
if [ $# -eq 0 ]; then
    mapfile -t files < <(git ls-files)
else
    files=("$@")
fi

# The files of `files` whose names match the extended regular expression $1.
of_kind() { printf '%s\n' "${files[@]}" | grep -E "$1" || true; }

mapfile -t cpp < <(of_kind '\.(cpp|h)$')
mapfile -t shell < <(of_kind '\.sh$')
mapfile -t python < <(of_kind '\.py$')
mapfile -t script < <(of_kind '^(framework/web/page/.*\.js|tests/web/.*\.mjs|tests/web/page_scripts/.*\.js)$')
mapfile -t text < <(of_kind '\.(cpp|h|sh|py|js|mjs|css|html|json|md|txt|rc|cmake|in|xml|wxs)$|CMakeLists\.txt$|^\.')

[ ${#cpp[@]} -eq 0 ] || clang-format-14 --dry-run -Werror "${cpp[@]}"
[ ${#shell[@]} -eq 0 ] || shellcheck "${shell[@]}"
if [ ${#python[@]} -gt 0 ]; then
    pyflakes3 "${python[@]}"
    black --check --quiet "${python[@]}"
fi
eslint=(tools/lint/node_modules/.bin/eslint -c tools/lint/eslint.config.mjs)
[ ${#script[@]} -eq 0 ] || "${eslint[@]}" "${script[@]}"
# The worker is a template whose list of files the build fills in.
if printf '%s\n' "${files[@]}" | grep -qx app/web/service-worker.js; then
    sed 's/@VARDOLIN_PAGE_FILES@//' app/web/service-worker.js |
        "${eslint[@]}" --stdin --stdin-filename app/web/service-worker.js
fi
if [ ${#text[@]} -gt 0 ] && grep -n -I -E $' +$|\r' "${text[@]}"; then
    echo "lint.sh: trailing spaces or carriage returns (above)" >&2
    exit 1
fi
