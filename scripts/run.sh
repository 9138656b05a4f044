#!/usr/bin/env bash
# Installs what is missing, builds the program and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --preset default
cmake --build --preset default
program=build/default/app/language-ranking
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi
echo "No display found: the window opens on a virtual X server (Xvfb), where nobody can see it."
echo "The command then waits until the program ends; press Ctrl+C to stop it."
command -v xvfb-run >/dev/null || scripts/deps.sh xvfb xauth
exec xvfb-run -a "$program"
