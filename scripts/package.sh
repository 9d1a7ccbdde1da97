#!/usr/bin/env bash
# Installs what is missing and builds Vardolin's packages into dist/ (or the folder given):
#   vardolin_<version>_<arch>.deb      the Debian package, made by CPack from `cmake --install`
#   Vardolin-<version>-win64.msi       the Windows installer, made by wixl
#   Vardolin-<version>-win64.zip       the portable Windows program
# The packages are reproducible: built twice from one commit, they are the same to the byte.
# Usage: package.sh [OUTPUT_DIR [BUILD_DIR]]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-dist}")
work=$(realpath -m "${2:-build-package}")

bash scripts/install-deps.sh package
exec bash scripts/lib/build_packages.sh "$out" "$work"
