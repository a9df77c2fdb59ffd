#!/bin/sh
# End to end, as a user does it: the built program under Wine, real mouse
# clicks and key presses from the X server, the result read back from the
# X clipboard after the copy button. Needs the display and wineserver that
# scripts/test.sh provides.
set -u
program="$1"
here=$(cd "$(dirname "$0")/../scripts" && pwd)
. "$here/wine-env.sh"
. "$here/x-driver.sh"
skip_unless_build_runs

failures=0 checks=0
expect() {  # what, actual, expected
    checks=$((checks + 1))
    if [ "$2" = "$3" ]; then
        echo "ok: $1"
    else
        failures=$((failures + 1))
        printf 'FAILED: %s\n  got:      %s\n  expected: %s\n' "$1" "$2" "$3"
    fi
}

start_and_wait_for_window "$program"

enter_input '中文abc'
click_button 1
expect "escape above 127 (box ticked)" "$(output_text)" '\u4e2d\u6587abc'

click_check_box
click_button 1
expect "escape everything (box cleared)" "$(output_text)" '\u4e2d\u6587\u0061\u0062\u0063'

enter_input '\u4e2d\u6587 ok'
click_button 2
expect "restore" "$(output_text)" '中文 ok'

enter_input 'plain'
click_button 2
expect "message when there is nothing to restore" "$(output_text)" '文本框中没有合法的unicode代码!'

enter_input ''
xdotool key Tab space                       # Space on the focused 按钮1
sleep 0.5
expect "Space on a focused button; message for empty input" "$(output_text)" '请先输入要转换的内容!'

click_button 4
expect "clear empties the output box" "$(output_text)" ''

xdotool key Escape
status=0
wait "$program_pid" || status=$?
expect "exit code after Esc" "$status" 0

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
