#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds the program and opens its window.
#   scripts/run.sh web   builds the web page and opens it in the browser, or
#                        without a display saves a screenshot of it instead
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = web ]; then
    scripts/deps.sh cmake ninja-build emscripten nodejs chromium python3-websocket fonts-liberation
    cmake --preset web
    cmake --build --preset web
    page=build/web/web/language-ranking.html
    if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
        command -v xdg-open >/dev/null && exec xdg-open "$page"
        exec chromium "$page"
    fi
    echo "No display found: saving a screenshot of $page instead."
    exec /usr/bin/python3 web/save_screenshot.py --page "$page" \
        --output build/web/screenshot-web.png
fi

scripts/deps.sh
cmake --preset default
cmake --build --preset default
program=build/default/qt/language-ranking
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi
echo "No display found: the window opens on a virtual X server (Xvfb), where nobody can see it."
echo "The command then waits until the program ends; press Ctrl+C to stop it."
scripts/deps.sh xvfb xauth
exec xvfb-run -a "$program"
