#!/usr/bin/env bash
# Installs what is missing and builds Vardolin as a web page into dist/web/ (or the folder
# given): index.html, vardolin.js and vardolin.wasm, the style sheet, the icons, the web app
# manifest and a service worker that keeps them all for use offline. Any static web server
# serves the folder, for example: python3 -m http.server -d dist/web
# Usage: web.sh [OUTPUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-dist/web}")

bash scripts/install-deps.sh page
cmake --preset web
cmake --build --preset web
rm -rf "$out"
mkdir -p "$out"
cp build-web-page/web/* "$out/"
ls -l "$out"
