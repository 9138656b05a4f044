#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package in its own Release tree (build_deb.sh), has
# lintian check it, unpacks it into a temporary folder and checks what it
# holds, how its program was built, what it depends on, and that the unpacked
# program starts and closes cleanly.
# Usage: check_deb.sh SOURCE_DIR RELEASE_BUILD_DIR APP_ID
set -euo pipefail

source_dir=$1
build_dir=$2
app_id=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The README's two commands, from the project's root as it gives them, with
# this test's build folder for the README's; the installation only simulated.
cd "$source_dir"
build_command=$(grep -E '^qt/packaging/build_deb\.sh \. [^ ]+$' README.md) ||
    fail "the README gives no 'qt/packaging/build_deb.sh . BUILD_DIR'"
install_command=$(grep -E '^sudo apt install \./[^ ]+\.deb$' README.md) ||
    fail "the README gives no 'sudo apt install ./PACKAGE.deb'"
readme_dir=${build_command#qt/packaging/build_deb.sh . }
readme_deb=${install_command#sudo apt install ./}
[[ $readme_deb == "$readme_dir"/* ]] || fail "the README installs $readme_deb, not from $readme_dir"
relative_dir=$(realpath -m --relative-to=. "$build_dir")
qt/packaging/build_deb.sh . "$relative_dir" >"$work/build.log" 2>&1 ||
    { cat "$work/build.log"; fail "the package was not built"; }
deb=./$relative_dir${readme_deb#"$readme_dir"}
[ -f "$deb" ] || fail "no $deb, where the README's install command looks: $(ls "$build_dir/package")"
echo "package: $deb"
apt-get install --simulate "$deb" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; fail "apt cannot install $deb"; }
grep -q "^Inst language-ranking " "$work/apt.log" ||
    { cat "$work/apt.log"; fail "apt would not install the package from $deb"; }
echo "apt would install it: $(grep '^Inst language-ranking ' "$work/apt.log")"

# Errors and warnings fail the check; infos pass. The package's own
# overrides (qt/packaging/lintian-overrides) are listed with their reasons.
lintian --fail-on error,warning --info --display-info "$deb" >"$work/lintian.log" 2>&1 ||
    { cat "$work/lintian.log"; fail "lintian reports errors or warnings, or did not run"; }
echo "lintian:"
grep -E '^[EWI]:' "$work/lintian.log" || echo "no errors, warnings or infos"
lintian --show-overrides "$deb" 2>/dev/null | grep -E '^[NO]:' || true

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
    usr/share/doc/language-ranking/copyright \
    usr/share/doc/language-ranking/changelog.Debian.gz \
    usr/share/man/man1/language-ranking.1.gz; do
    [ -f "$work/root/$file" ] || fail "missing $file"
done
grep -q "^Icon=$app_id\$" "$work/root/usr/share/applications/$app_id.desktop" ||
    fail "the desktop entry's icon is not $app_id"
grep -q "<id>$app_id</id>" "$work/root/usr/share/metainfo/$app_id.metainfo.xml" ||
    fail "the metainfo's id is not $app_id"
# Qt names the window's class after the program; the desktop matches the two.
grep -q "^StartupWMClass=language-ranking\$" "$work/root/usr/share/applications/$app_id.desktop" ||
    fail "the desktop entry's StartupWMClass is not the program's window class"

program="$work/root/usr/bin/language-ranking"
grep -q ', stripped' <<<"$(file "$program")" || fail "the program is not stripped"
grep -q 'FLAGS_1.*NOW.*PIE' <<<"$(readelf -d "$program")" ||
    fail "the program is not a position-independent executable bound at start"
grep -q '_chk@' <<<"$(readelf -W --dyn-syms "$program")" || fail "no fortified functions in the program"
unexpected=$(cd "$work/root" && find . -type f \( -name '*.a' -o -name '*.h' -o -name '*_test*' \))
[ -z "$unexpected" ] || fail "build-only files in the package: $unexpected"

depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed"
done

QT_QPA_PLATFORM=offscreen LANGUAGE_RANKING_QUIT_AFTER_FIRST_PAINT=1 \
    timeout 20 "$program" || fail "the unpacked program did not close cleanly ($?)"
echo "the unpacked program started and closed cleanly"
