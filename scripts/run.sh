#!/usr/bin/env bash
# Installs what is missing, builds Vardolin and opens the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
exec ./build/app/vardolin
