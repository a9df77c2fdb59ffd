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
for bench in "$repo"/build/x86_64/bench/*_bench.exe; do
    echo "## $(basename "$bench" .exe)"
    "$WINE64" "$bench"
    echo
done
