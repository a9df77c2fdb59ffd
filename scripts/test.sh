#!/bin/sh
# Installs what is missing, builds both targets and runs every test of both
# under Wine in one CTest run, on a private display when there is none.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
sh "$here/setup.sh"
sh "$here/build.sh"
. "$here/wine-env.sh"
trap stop_wine_and_display EXIT
ensure_display
start_wineserver
if ! can_run_32bit; then
    echo "This machine cannot run 32-bit programs: the tests that run the i686 build are skipped."
fi
# One test list over both builds: x86_64 first, then i686.
printf 'subdirs("x86_64" "i686")\n' >"$repo/build/CTestTestfile.cmake"
cd "$repo/build"
ctest --output-on-failure --timeout 900 "$@"
