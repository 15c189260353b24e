# An X display and a warm wineserver for the programs a script runs under
# Wine; both are ended when the script exits.
# shellcheck shell=bash

session_cleanup() {
    if [ -n "${WINEPREFIX:-}" ]; then
        wineserver -k >/dev/null 2>&1 || true
    fi
    if [ -n "${xvfb_pid:-}" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}

# Starts Xvfb on a free display number unless a display is already there.
ensure_display() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        return
    fi
    local n
    for n in $(seq 90 120); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do
        xdpyinfo >/dev/null 2>&1 && return
        sleep 0.1
    done
    echo "Xvfb did not start on $DISPLAY" >&2
    return 1
}

# start_session WINE_RUN PREFIX: a display, then a wineserver for PREFIX that
# stays up with Wine's system processes until the script ends. The system
# processes are started here with no inherited output, so that they never
# hold a test's output pipe open; later program starts take milliseconds.
start_session() {
    trap session_cleanup EXIT
    ensure_display
    export WINEPREFIX=$2
    # A server still up from an earlier step of the script answers "already
    # running"; it serves just as well.
    wineserver -p </dev/null >/dev/null 2>&1 || true
    "$1" cmd /c exit </dev/null >/dev/null 2>&1
}
