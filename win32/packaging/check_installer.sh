#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs silently under Wine, starts and closes the installed program,
# uninstalls, and checks that nothing the installer wrote is left.
set -euo pipefail
installer=$1
: "${WINEPREFIX:?}" "${WINE:=wine}"

users=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -1)
folder="$users/AppData/Local/Programs/LanguageRanking"
shortcut="$users/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Language Ranking.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\example.klasacia.LanguageRanking'

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$WINE" "$installer" /S </dev/null >/dev/null 2>&1
for file in language-ranking.exe README.txt uninstall.exe; do
    [ -f "$folder/$file" ] || fail "$folder/$file not installed"
done
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
"$WINE" reg query "$key" </dev/null >/dev/null 2>&1 || fail "no uninstall entry"

LANGUAGE_RANKING_QUIT_AFTER_FIRST_PAINT=1 "$WINE" "$folder/language-ranking.exe" </dev/null \
    >/dev/null 2>&1 || fail "the installed program ended with exit code $?"

# The uninstaller runs from a copy in the temporary folder and returns at once.
"$WINE" "$folder/uninstall.exe" /S </dev/null >/dev/null 2>&1
for _ in $(seq 50); do
    [ -e "$folder" ] || break
    sleep 0.2
done
[ ! -e "$folder" ] || fail "$folder is left: $(ls "$folder")"
[ ! -e "$shortcut" ] || fail "the shortcut is left"
if "$WINE" reg query "$key" </dev/null >/dev/null 2>&1; then
    fail "the uninstall entry is left"
fi
echo "installed, ran and uninstalled"
