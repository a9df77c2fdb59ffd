#!/bin/sh
# Runs one Windows program under wine64 with the project's Wine set-up.
# CTest uses it to start the test executables.
. "$(dirname "$0")/wine-env.sh"
skip_unless_build_runs
exec "$WINE64" "$@"
