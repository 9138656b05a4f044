#!/bin/sh
# SPDX-License-Identifier: MIT
# Starts the program where no window platform can be opened, however the
# platform is named: it must say so in one line that names what it tried, and
# end with exit code 1 rather than an abort. Where one can be opened (a
# virtual X server behind a dead Wayland socket, the offscreen platform), the
# window starts.
# Usage: no_display_test.sh PROGRAM
program=$1
runtime=$(mktemp -d)
xvfb_pid=
trap 'rm -rf "$runtime"; [ -z "$xvfb_pid" ] || kill "$xvfb_pid"' EXIT
failures=0

# expect_line WANTED [VAR=VALUE ...] PROGRAM [ARGUMENT ...]
expect_line() {
    wanted=$1
    shift
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u QT_QPA_PLATFORM \
        -u XDG_SESSION_TYPE XDG_RUNTIME_DIR="$runtime" "$@" 2>&1)
    status=$?
    printf '%s\n' "$output"
    if [ "$status" -ne 1 ]; then
        echo "FAIL: exit code $status, expected 1"
        failures=$((failures + 1))
    elif [ "$(printf '%s\n' "$output" | wc -l)" -ne 1 ]; then
        echo "FAIL: more than one line"
        failures=$((failures + 1))
    elif [ "$output" != "language-ranking: cannot open a display: $wanted" ]; then
        echo "FAIL: expected \"$wanted\""
        failures=$((failures + 1))
    fi
}

expect_line 'X ":999" does not answer' DISPLAY=:999 "$program"
expect_line 'X: DISPLAY is not set' "$program"
expect_line 'Wayland "wayland-9" does not answer, X: DISPLAY is not set' \
    WAYLAND_DISPLAY=wayland-9 "$program"
expect_line 'Wayland "wayland-9" does not answer, X ":999" does not answer' \
    WAYLAND_DISPLAY=wayland-9 DISPLAY=:999 "$program"
expect_line 'Wayland "wayland-0" does not answer, X ":999" does not answer' \
    XDG_SESSION_TYPE=wayland DISPLAY=:999 "$program"
expect_line 'Wayland "wayland-9" does not answer' \
    QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-9 DISPLAY=:999 "$program"
expect_line 'Wayland "wayland-9" does not answer, X ":999" does not answer' \
    "QT_QPA_PLATFORM=wayland;xcb" WAYLAND_DISPLAY=wayland-9 DISPLAY=:999 "$program"
expect_line 'X ":999" does not answer' \
    WAYLAND_DISPLAY=wayland-9 DISPLAY=:999 "$program" -platform xcb
expect_line 'X ":998" does not answer' DISPLAY=:999 "$program" -platform xcb -display :998
expect_line '"nowhere": no such platform' DISPLAY=:999 "$program" -platform nowhere

# expect_start COMMAND ...: the window opens and closes after its first paint.
# With no session bus named, D-Bus's library tries to start one through the X
# display and leaks a buffer on the way (LeakSanitizer sees it); a session
# names its bus, so the program is given one, that is not there.
expect_start() {
    output=$(env -u WAYLAND_SOCKET -u XDG_SESSION_TYPE XDG_RUNTIME_DIR="$runtime" \
        DBUS_SESSION_BUS_ADDRESS="unix:path=$runtime/no-session-bus" \
        LANGUAGE_RANKING_QUIT_AFTER_FIRST_PAINT=1 timeout 20 "$@" 2>&1)
    status=$?
    if [ "$status" -ne 0 ]; then
        printf '%s\n' "$output"
        echo "FAIL: the window did not start ($status): $*"
        failures=$((failures + 1))
    else
        echo "started: $*"
    fi
}

expect_start env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen "$program"

# A virtual X server on a free display, for the fall-back from Wayland to X.
if command -v Xvfb >/dev/null; then
    for number in 40 41 42 43 44 45 46 47 48 49; do
        [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
        # Xvfb writes its display number to the file once it takes connections.
        : >"$runtime/ready"
        Xvfb ":$number" -nolisten tcp -noreset -displayfd 3 3>"$runtime/ready" >/dev/null 2>&1 &
        xvfb_pid=$!
        tries=0
        while [ ! -s "$runtime/ready" ] && kill -0 "$xvfb_pid" 2>/dev/null && [ $tries -lt 200 ]; do
            sleep 0.1
            tries=$((tries + 1))
        done
        if [ -s "$runtime/ready" ]; then
            expect_start env -u QT_QPA_PLATFORM WAYLAND_DISPLAY=wayland-9 DISPLAY=":$number" \
                "$program"
            expect_start env "QT_QPA_PLATFORM=wayland;xcb" WAYLAND_DISPLAY=wayland-9 \
                DISPLAY=":$number" "$program"
            break
        fi
        kill "$xvfb_pid" 2>/dev/null
        xvfb_pid=
    done
    [ -n "$xvfb_pid" ] || echo "FAIL: no free display for Xvfb among :40 to :49"
    [ -n "$xvfb_pid" ] || failures=$((failures + 1))
else
    echo "not checked: the fall-back to X (Xvfb is not installed)"
fi

[ "$failures" -eq 0 ]
