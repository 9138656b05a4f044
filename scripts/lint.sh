#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The format and lint gate: fails on any clang-format difference in the tree,
# and on any clang-tidy finding (.clang-tidy) in the code a build has compiled.
#
#   scripts/lint.sh            format check, then the model, the form, the Qt
#                              window and their tests (needs build/default)
#   scripts/lint.sh windows    the Windows window and its tests, through the
#                              MinGW-w64 compile commands (needs build/windows)
#   scripts/lint.sh web        the web edition's generator, bindings and tests,
#                              through emscripten's compile commands (needs build/web)
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-default}
scripts/deps.sh clang-format clang-tidy

tidy() {
    local build=$1
    shift
    [ -f "$build/compile_commands.json" ] || {
        echo "lint: $build/compile_commands.json is missing: build that preset first" >&2
        exit 2
    }
    run-clang-tidy -quiet -p "$build" -j "$(nproc)" "$@" "${files[@]}" >"$build/clang-tidy.log" 2>&1 || {
        grep -E -A3 '(warning|error):' "$build/clang-tidy.log" >&2 || tail -40 "$build/clang-tidy.log" >&2
        echo "lint: clang-tidy found problems (whole log: $build/clang-tidy.log)" >&2
        exit 1
    }
    echo "lint: clang-tidy clean on ${#files[@]} files"
}

case "$mode" in
default)
    mapfile -t sources < <(git ls-files '*.cpp' '*.h')
    clang-format --dry-run --Werror "${sources[@]}"
    echo "lint: clang-format clean on ${#sources[@]} files"
    mapfile -t files < <(git ls-files 'ranking/*.cpp' 'form/*.cpp' 'fuzz/*.cpp' 'qt/*.cpp')
    tidy build/default
    ;;
windows)
    # clang finds MinGW-w64's C++ library where the cross compiler has it;
    # the compiler's own intrinsics headers are GCC's and stay out.
    mapfile -t includes < <(x86_64-w64-mingw32-g++-posix -E -x c++ -v - </dev/null 2>&1 |
        sed -n '/#include </,/End of search/p' | grep -E '^ .*(c\+\+|mingw32/include)' |
        sed 's/^ /-extra-arg-before=-isystem/')
    mapfile -t files < <(git ls-files 'win32/*.cpp')
    # Window messages carry handles in integers; that cast is the platform's.
    tidy build/windows "${includes[@]}" -checks=-performance-no-int-to-ptr
    ;;
web)
    # clang reads the code with the host's C++ library; the bindings' header
    # comes from emscripten's own folder, after the host's.
    mapfile -t files < <(git ls-files 'web/*.cpp')
    tidy build/web -extra-arg=-idirafter/usr/share/emscripten/cache/sysroot/include
    ;;
*)
    echo "unknown mode '$mode': use default, windows or web" >&2
    exit 2
    ;;
esac
