#!/bin/sh
# Installs what is missing, builds both targets and runs every test under
# Wine (x86_64), on a private display when there is none.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
sh "$here/setup.sh"
sh "$here/build.sh"
. "$here/wine-env.sh"
trap stop_wine_and_display EXIT
ensure_display
start_wineserver
cd "$repo/build/x86_64"
ctest --output-on-failure --timeout 900 "$@"
