# Sourced: drives the program's window as a user does, with real mouse and
# keyboard events through the X server. The window sits centred on Wine's
# 1024 x 768 virtual desktop (outer rectangle at 264,235); its client area
# starts below the caption bar.
client_x=267
client_y=257

click_at() { xdotool mousemove $((client_x + $1)) $((client_y + $2)) click 1; sleep 0.3; }
click_input_box() { click_at 200 60; }
click_check_box() { click_at 24 20; }
click_button() {
    case "$1" in
    1) click_at 64 136 ;;   # 转换unicode↓
    2) click_at 168 135 ;;  # unicode还原↓
    3) click_at 272 136 ;;  # 复制结果
    4) click_at 384 136 ;;  # 清空结果
    esac
    sleep 0.5
}

# Replaces the text of the input box by pasting `text` into it.
enter_input() {
    printf '%s' "$1" | xclip -selection clipboard
    click_input_box
    xdotool key ctrl+End shift+ctrl+Home Delete ctrl+v
    sleep 0.3
}

# What the output box holds, read back through the copy button.
output_text() {
    printf 'not copied' | xclip -selection clipboard
    click_button 3
    xclip -selection clipboard -o
}

save_window_screenshot() { import -window root -crop 495x297+264+235 +repage "$1"; }

# The colour of one pixel of the screen, as ImageMagick writes it.
pixel_at() { import -window root -crop "1x1+$1+$2" txt:- 2>/dev/null | tail -n 1 | awk '{print $3}'; }

# Starts the Windows program given and waits until its window is drawn
# (the middle of its caption bar changes colour), at most 60 seconds.
start_and_wait_for_window() {
    before=$(pixel_at 510 245)
    "$WINE64" "$@" &
    program_pid=$!
    for _ in $(seq 120); do
        sleep 0.5
        now=$(pixel_at 510 245)
        [ -n "$now" ] && [ "$now" != "$before" ] && break
    done
    sleep 1
}
