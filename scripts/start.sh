#!/bin/sh
# Installs what is missing, builds, and starts Velloran under Wine.
#
# With a display ($DISPLAY set) the program simply runs until it is closed.
# Without one it starts a private virtual display, shows the program doing
# its job (text pasted in, converted, copied), saves a screenshot of the
# window to the file it names, prints what the clipboard holds, closes the
# program with Esc and reports its exit code.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
sh "$here/setup.sh"
sh "$here/build.sh" >/dev/null
. "$here/wine-env.sh"
# The 32-bit program is the one that ships; the 64-bit one stands in on a
# machine that cannot run 32-bit programs.
program="$repo/build/i686/velloran.exe"
if ! can_run_32bit; then
    echo "This machine cannot run 32-bit programs: starting the 64-bit build instead."
    program="$repo/build/x86_64/velloran.exe"
fi

if [ -n "${DISPLAY:-}" ]; then
    start_wineserver
    "$WINE64" "$program"
    exit $?
fi

trap stop_wine_and_display EXIT
ensure_display
start_wineserver
screenshot="${1:-$repo/build/velloran-window.png}"

. "$here/x-driver.sh"
start_and_wait_for_window "$program"

sample='Velloran 把文字转换成 \u escapes'
enter_input "$sample"
click_button 1
save_window_screenshot "$screenshot"
echo "Screenshot of the window: $screenshot"
echo "Input:     $sample"
echo "Clipboard: $(output_text)"
xdotool key Escape
status=0
wait "$program_pid" || status=$?
echo "Velloran ended with exit code $status"
