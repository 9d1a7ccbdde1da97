#!/usr/bin/env bash
# Builds Vardolin's packages into OUTPUT_DIR, with what scripts/package.sh installs already on
# the machine (the package tests build them this way, and install nothing).
# Usage: build_packages.sh OUTPUT_DIR BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/../.."
out=$(realpath -m "$1")
work=$(realpath -m "$2")

# Every time stamp that ends up in a package is the last commit's.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
version=$(sed -n 's/^project(Vardolin VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
# The build's own paths stay out of the binaries.
no_paths="-ffile-prefix-map=$PWD=. -ffile-prefix-map=$work=build"
mkdir -p "$out"

echo "== Debian package"
cmake --preset package-linux -B "$work/linux" \
    -DCMAKE_CXX_FLAGS="$no_paths -D_FORTIFY_SOURCE=2 -fstack-protector-strong" \
    -DCMAKE_EXE_LINKER_FLAGS="-Wl,-z,relro,-z,now"
cmake --build "$work/linux"
(cd "$work/linux" && cpack -G DEB -B "$work/linux/cpack" >/dev/null)
cp "$work/linux/cpack/vardolin_${version}_"*.deb "$out/"

echo "== Windows program"
cmake --preset package-windows -B "$work/windows" \
    -DCMAKE_CXX_FLAGS="$no_paths" -DCMAKE_EXE_LINKER_FLAGS="-Wl,--no-insert-timestamp"
cmake --build "$work/windows" --target vardolin
stage=$work/windows/stage
rm -rf "$stage"
cmake --install "$work/windows" --prefix "$stage" --strip >/dev/null
installer=$work/windows/installer
rm -rf "$installer"
cmake --install "$work/windows" --prefix "$installer" --component installer >/dev/null
find "$stage" "$installer" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +

echo "== Portable zip"
zip=$out/Vardolin-$version-win64.zip
rm -f "$zip"
(cd "$stage" && find . -type f -printf '%P\n' | LC_ALL=C sort | TZ=UTC zip -X -D -q "$zip" -@)

echo "== Windows installer"
COMMIT=$(git rev-parse HEAD) bash packaging/windows/build_msi.sh "$stage" "$installer" "$version" \
    "$out/Vardolin-$version-win64.msi"

(cd "$out" && ls -l vardolin_*.deb Vardolin-*.msi Vardolin-*.zip && sha256sum vardolin_*.deb \
    Vardolin-*.msi Vardolin-*.zip)
