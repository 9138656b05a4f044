#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from a build tree, unpacks it into a temporary
# folder and checks what it holds, what it depends on, and that the unpacked
# program starts and closes cleanly.
# Usage: check_deb.sh BUILD_DIR APP_ID
set -euo pipefail

build_dir=$1
app_id=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack did not build the package"; }
deb=$(find "$work/out" -maxdepth 1 -name '*.deb' | head -n 1)
[ -n "$deb" ] || fail "no .deb produced"
echo "package: $(basename "$deb")"

dpkg-deb -x "$deb" "$work/root"
for file in \
    usr/bin/language-ranking \
    usr/share/applications/$app_id.desktop \
    usr/share/metainfo/$app_id.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/$app_id.svg \
    usr/share/icons/hicolor/16x16/apps/$app_id.png \
    usr/share/icons/hicolor/32x32/apps/$app_id.png \
    usr/share/icons/hicolor/48x48/apps/$app_id.png \
    usr/share/icons/hicolor/64x64/apps/$app_id.png \
    usr/share/icons/hicolor/128x128/apps/$app_id.png \
    usr/share/doc/language-ranking/copyright; do
    [ -f "$work/root/$file" ] || fail "missing $file"
done
grep -q "^Icon=$app_id\$" "$work/root/usr/share/applications/$app_id.desktop" ||
    fail "the desktop entry's icon is not $app_id"
grep -q "<id>$app_id</id>" "$work/root/usr/share/metainfo/$app_id.metainfo.xml" ||
    fail "the metainfo's id is not $app_id"
unexpected=$(cd "$work/root" && find . -type f \( -name '*.a' -o -name '*.h' -o -name '*_test*' \))
[ -z "$unexpected" ] || fail "build-only files in the package: $unexpected"

depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed"
done

QT_QPA_PLATFORM=offscreen LANGUAGE_RANKING_QUIT_AFTER_FIRST_PAINT=1 \
    timeout 20 "$work/root/usr/bin/language-ranking" || fail "the unpacked program did not close cleanly ($?)"
echo "the unpacked program started and closed cleanly"
