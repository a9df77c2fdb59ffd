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
program="$repo/build/x86_64/velloran.exe"

if [ -n "${DISPLAY:-}" ]; then
    start_wineserver
    "$WINE64" "$program"
    exit $?
fi

trap stop_wine_and_display EXIT
ensure_display
start_wineserver
screenshot="${1:-$repo/build/velloran-window.png}"

"$WINE64" "$program" &
program_pid=$!
# The window sits centred on the 1024 x 768 desktop: outer rectangle
# 264,235 - 759,532; the client area starts below the caption bar.
sleep 4
client_x=267 client_y=257
at() { xdotool mousemove $((client_x + $1)) $((client_y + $2)) click 1; }

sample='Velloran 把文字转换成 \u escapes'
printf '%s' "$sample" | xclip -selection clipboard
at 200 60                                  # into the input box
xdotool key ctrl+v
at 64 136                                  # 转换unicode↓
sleep 1
import -window root -crop 495x297+264+235 +repage "$screenshot"
echo "Screenshot of the window: $screenshot"
at 272 136                                 # 复制结果
sleep 1
echo "Input:     $sample"
echo "Clipboard: $(xclip -selection clipboard -o)"
at 200 60
xdotool key Escape
status=0
wait "$program_pid" || status=$?
echo "Velloran ended with exit code $status"
