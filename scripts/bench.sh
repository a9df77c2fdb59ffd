#!/bin/sh
# Builds and runs the benchmarks under Wine and prints their tables.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
sh "$here/setup.sh"
sh "$here/build.sh" >/dev/null
. "$here/wine-env.sh"
trap stop_wine_and_display EXIT
ensure_display
start_wineserver
for arch in i686 x86_64; do
    if [ "$arch" = i686 ] && ! can_run_32bit; then
        echo "## i686: not run, this machine cannot run 32-bit programs"
        echo
        continue
    fi
    for bench in "$repo/build/$arch"/bench/*_bench.exe; do
        echo "## $(basename "$bench" .exe), $arch"
        "$WINE64" "$bench"
        echo
    done
done
