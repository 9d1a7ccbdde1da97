#!/usr/bin/env bash
# Installs what is missing, builds Vardolin and opens the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh run
cmake --preset release
cmake --build --preset release
exec ./build-release/app/vardolin
