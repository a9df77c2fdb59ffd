#!/bin/sh
# Builds the program that ships (32-bit, Release, the same configuration as
# the tested build/i686) and writes the release into the folder given, or
# dist/: velloran-<version>-win32.zip and velloran-<version>-win32.sha256.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/.." && pwd)
dist=$(mkdir -p "${1:-$repo/dist}" && cd "${1:-$repo/dist}" && pwd)
sh "$here/setup.sh"
build="$repo/build/release-i686"
cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVELLORAN_TESTS=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-i686.cmake" -DVELLORAN_DIST_DIR="$dist" >/dev/null
cmake --build "$build" --target release -j "$(nproc)" >/dev/null
ls -l "$dist"/velloran-*-win32.* | awk '{print $5, $NF}'
