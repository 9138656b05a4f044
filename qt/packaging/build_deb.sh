#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package as Debian builds its own: a Release build with the
# flags of dpkg-buildflags (hardening included: fortified functions, PIE,
# read-only relocations bound at start), stripped.
# Usage: build_deb.sh SOURCE_DIR BUILD_DIR
# Either folder may be relative to the current one. Leaves the package in
# BUILD_DIR/package; BUILD_DIR is kept for the next run.
set -euo pipefail

source_dir=$(cd "$1" && pwd)
mkdir -p "$2"
build_dir=$(cd "$2" && pwd)

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flags() { (cd "$source_dir" && dpkg-buildflags --get "$1"); }

cmake -S "$source_dir" -B "$build_dir" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >"$build_dir.configure.log" 2>&1 ||
    { cat "$build_dir.configure.log"; exit 1; }
cmake --build "$build_dir" --target language-ranking
rm -rf "$build_dir/package"
(cd "$build_dir" && cpack -G DEB -B "$build_dir/package" >cpack.log 2>&1) ||
    { cat "$build_dir/cpack.log"; exit 1; }
