# Sourced by the other scripts: the Wine set-up every run of the program or
# its tests uses. A prefix of the project's own, code page 936, no debug noise.
repo=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${VELLORAN_WINEPREFIX:-$repo/build/wineprefix}"
export WINEDEBUG=-all
export LC_ALL=zh_CN.GBK
WINE64=$(dpkg -L wine64 2>/dev/null | grep '/wine64$' | head -n 1)
WINESERVER=$(dirname "$WINE64")/wineserver
WINE32=$(dirname "$WINE64")/wine  # the 32-bit loader, from wine32:i386
export WINE64 WINESERVER

# Whether this machine runs 32-bit programs: Wine starts a 32-bit Windows
# program through its 32-bit loader, which some kernels (or hypervisors
# without 32-bit user mode) refuse with "Exec format error".
can_run_32bit() {
    "$WINE32" --version >/dev/null 2>&1
}

# Ends a test of the 32-bit build with the word CTest counts as skipped,
# on a machine that cannot run it at all.
skip_unless_build_runs() {
    [ "${VELLORAN_BUILD_ARCH:-}" = i686 ] || return 0
    can_run_32bit && return 0
    echo "skipped: this machine cannot run 32-bit programs ($WINE32 does not start)"
    exit 0
}

# Starts a private X display when there is none (CI, a terminal).
ensure_display() {
    [ -n "${DISPLAY:-}" ] && return 0
    for number in 91 92 93 94 95 96 97 98 99; do
        [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
        Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$number"
        for _ in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$number" ] && return 0
            sleep 0.1
        done
    done
    echo "could not start Xvfb" >&2
    return 1
}

# A new prefix is set up for a virtual desktop of a fixed size, with window
# frames Wine draws itself. The setting applies from the next Wine session
# on, so that first session is ended again at once.
prepare_prefix() {
    # A prefix made before 32-bit Wine was installed lacks the 32-bit system
    # files for good: it is made anew.
    if can_run_32bit && [ -d "$WINEPREFIX/drive_c" ] &&
        [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; then
        echo "Making the Wine prefix anew: it has no 32-bit system files"
        "$WINESERVER" -k 2>/dev/null || true
        "$WINESERVER" -w 2>/dev/null || true
        rm -rf "$WINEPREFIX"
    fi
    grep -q '"Default"="1024x768"' "$WINEPREFIX/user.reg" 2>/dev/null && return 0
    echo "Setting up the Wine prefix in $WINEPREFIX ..."
    mkdir -p "$WINEPREFIX"
    "$WINE64" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f </dev/null >/dev/null 2>&1
    "$WINE64" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f \
        </dev/null >/dev/null 2>&1
    "$WINESERVER" -k 2>/dev/null || true  # saves the registry as it ends
    "$WINESERVER" -w 2>/dev/null || true
}

# One wineserver for the whole run: every Wine process start is cheaper then.
start_wineserver() {
    prepare_prefix
    "$WINESERVER" -p 2>/dev/null || true  # one may be running already
    # Booting starts Wine's background services now, detached from the
    # output of whatever runs next (CTest waits for its pipes to close).
    "$WINE64" wineboot >/dev/null 2>&1 </dev/null || true
}

stop_wine_and_display() {
    "$WINESERVER" -k 2>/dev/null || true
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}
