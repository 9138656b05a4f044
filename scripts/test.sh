#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
# Usage: scripts/test.sh [preset]   (preset: default, or sanitize for ASan + UBSan)
set -euo pipefail
cd "$(dirname "$0")/.."

preset=${1:-default}
scripts/deps.sh
cmake --preset "$preset"
cmake --build --preset "$preset"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} ctest --preset "$preset"
