#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the private Wine prefix of a test run and keeps its wineserver up
# (start), or ends that wineserver (stop). WINEPREFIX and WINE come from the
# test's environment.
set -euo pipefail
: "${WINEPREFIX:?}" "${WINE:=wine}"
wineserver=$(dirname "$(readlink -f "$(command -v "$WINE")")")/wineserver
[ -x "$wineserver" ] || wineserver=wineserver

# Wine's background processes inherit the output streams; with ctest's pipes
# open, ctest would wait for them to end. So every Wine call writes elsewhere.
case "${1:-}" in
start)
    if [ -z "${DISPLAY:-}" ]; then
        echo "no X display: run the Windows tests under Xvfb (xvfb-run -a ctest ...)" >&2
        exit 1
    fi
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        "$WINE" wineboot --init </dev/null >/dev/null 2>&1
    fi
    "$wineserver" -p </dev/null >/dev/null 2>&1 || true  # already up
    # Without a window manager, Wine waits 2 s for each managed window to close.
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
    ;;
stop)
    "$wineserver" -k || true
    ;;
*)
    echo "usage: $0 start|stop" >&2
    exit 2
    ;;
esac
