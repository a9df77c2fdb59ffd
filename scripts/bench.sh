#!/bin/sh
# Builds and runs the benchmarks under Wine, for the 32-bit build and the
# 64-bit one, and prints their tables. With names, only those run:
#   sh scripts/bench.sh [routine] [window] [endurance] [limits]
# The limits run takes sizes from VELLORAN_LIMITS_MB (default 1 5 10 20 50);
# at several minutes a size past 10 MB it is the long one.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
sh "$here/setup.sh"
sh "$here/build.sh" >/dev/null
. "$here/wine-env.sh"
trap stop_wine_and_display EXIT
ensure_display
start_wineserver
benches=${*:-routine window endurance limits}

run_bench() {  # arch, name
    bench="$repo/build/$1/bench"
    case "$2" in
    routine) "$WINE64" "$bench/routine_bench.exe" ;;
    window) "$WINE64" "$bench/window_bench.exe" ;;
    endurance) "$WINE64" "$bench/limits_bench.exe" endurance ;;
    limits)
        # shellcheck disable=SC2086
        "$WINE64" "$bench/limits_bench.exe" limits ${VELLORAN_LIMITS_MB:-1 5 10 20 50} ;;
    *) echo "no benchmark named $2" >&2; return 1 ;;
    esac
}

for arch in i686 x86_64; do
    if [ "$arch" = i686 ] && ! can_run_32bit; then
        echo "## i686: not run, this machine cannot run 32-bit programs"
        echo
        continue
    fi
    for name in $benches; do
        echo "## $name, $arch"
        run_bench "$arch" "$name"
        echo
    done
done
