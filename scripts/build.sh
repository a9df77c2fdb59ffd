#!/bin/sh
# Configures and builds both targets: i686, the build that ships, and x86_64,
# the same sources for 64-bit Windows; the tests run both under Wine.
set -eu
repo=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
for arch in x86_64 i686; do
    cmake -S "$repo" -B "$repo/build/$arch" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-$arch.cmake" >/dev/null
    cmake --build "$repo/build/$arch" -j "$jobs"
done
