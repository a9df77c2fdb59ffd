#!/bin/sh
# Configures and builds both targets: x86_64 (run and tested here under Wine)
# and i686 (the build to ship; built and checked, not run here).
set -eu
repo=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
for arch in x86_64 i686; do
    cmake -S "$repo" -B "$repo/build/$arch" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-$arch.cmake" >/dev/null
    cmake --build "$repo/build/$arch" -j "$jobs"
done
