#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds and runs the tests.
#
#   scripts/test.sh            every test (the default build)
#   scripts/test.sh sanitize   every test again, built with AddressSanitizer + UBSan
#   scripts/test.sh valgrind   the model's tests under valgrind's memcheck
#   scripts/test.sh fuzz       the board fuzzer for FUZZ_SECONDS seconds (default 60)
#   scripts/test.sh web        the web page (WebAssembly) in Chromium, Firefox ESR and WebKitGTK
#   scripts/test.sh windows    the Windows cross-build, its tests under Wine, its packages
#   scripts/test.sh screenreader  the program under the Orca screen reader, in a private
#                              session on a virtual X server: what Orca says
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-default}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

build() {
    cmake --preset "$1"
    cmake --build --preset "$1"
}

case "$mode" in
default | sanitize)
    scripts/deps.sh
    build "$mode"
    ctest --preset "$mode"
    ;;
valgrind)
    scripts/deps.sh
    scripts/deps.sh valgrind
    build default
    valgrind --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite,indirect \
        --quiet build/default/ranking/tests/ranking_tests --gtest_brief=1
    ;;
fuzz)
    scripts/deps.sh
    scripts/deps.sh clang libclang-rt-14-dev
    cmake --preset fuzz -DFUZZ_SECONDS="${FUZZ_SECONDS:-60}"
    cmake --build --preset fuzz --target fuzz
    ;;
web)
    # The page's checks run in Chromium, Firefox ESR (WebDriver BiDi, real keys with xdotool
    # on a private X server) and WebKitGTK (its WebDriver and MiniBrowser); the Orca test
    # brings its own speech-dispatcher with the dummy module, which throws the sound away
    # through ALSA's plug-ins. nlohmann-json3-dev: the page generator writes the form table
    # with it; googletest: the generator's escaping test, built from source like the generator.
    scripts/deps.sh cmake ninja-build emscripten nodejs chromium firefox-esr webkit2gtk-driver \
        python3-websocket fonts-liberation poppler-utils orca speech-dispatcher \
        speech-dispatcher-audio-plugins libasound2-data xvfb xdotool dbus at-spi2-core \
        libglib2.0-bin nlohmann-json3-dev googletest
    # npm installs the SCORM runtime that the learning-platform test drives into the
    # build folder; a Node.js from outside Debian brings its own npm.
    command -v npm >/dev/null || scripts/deps.sh npm
    build web
    ctest --preset web
    ;;
windows)
    # xdotool: real key presses on the test's X server for the program under Wine.
    scripts/deps.sh cmake ninja-build g++-mingw-w64-x86-64 googletest wine wine64 xvfb xauth \
        nsis zip fonts-liberation msitools wixl osslsigncode openssl xdotool
    build windows
    xvfb-run -a ctest --preset windows
    cmake --build --preset windows --target package
    ;;
screenreader)
    scripts/deps.sh
    scripts/deps.sh orca python3-speechd python3-pyatspi speech-dispatcher \
        speech-dispatcher-audio-plugins libasound2-data at-spi2-core dbus-daemon openbox xdotool \
        xvfb x11-utils python3
    build default
    # Orca runs once per user: the web page's Orca test takes the same lock.
    flock /tmp/orca.lock /usr/bin/python3 qt/tests/screen_reader_test.py build/default/qt/language-ranking
    ;;
*)
    echo "unknown mode '$mode': use default, sanitize, valgrind, fuzz, windows, web or screenreader" >&2
    exit 2
    ;;
esac
