#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The per-user installer under Wine, silently: it installs, the installed
# program starts and closes, neither it nor the uninstaller changes anything
# while the program runs (exit code 2), and uninstalling leaves nothing the
# installer wrote.
#   check_installer.sh INSTALLER RUNNING_CHECK
set -euo pipefail
running_check=$2
source "$(dirname "$0")/wine_checks.sh"
installer=$(copy_to_downloads "$1")

users=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -1)
folder="$users/AppData/Local/Programs/LanguageRanking"
shortcut="$users/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Класация на езиците.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\example.klasacia.LanguageRanking'

quiet() { "$@" </dev/null >/dev/null 2>&1; }

wait_until_closed
quiet "$WINE" "$installer" /S || fail "the installer ended with exit code $?"
for file in language-ranking.exe README.txt uninstall.exe; do
    [ -f "$folder/$file" ] || fail "$folder/$file not installed"
done
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
for value in DisplayName Publisher DisplayVersion EstimatedSize; do
    quiet "$WINE" reg query "$key" /v "$value" || fail "no $value in the uninstall entry"
done

LANGUAGE_RANKING_QUIT_AFTER_FIRST_PAINT=1 quiet "$WINE" "$folder/language-ranking.exe" ||
    fail "the installed program ended with exit code $?"

# While the program runs. The uninstaller runs in place (_?=) to give its exit code.
"$WINE" "$folder/language-ranking.exe" </dev/null >/dev/null 2>&1 &
program=$!
wait_until_running
status=0
quiet "$WINE" "$installer" /S || status=$?
uninstall_status=0
quiet "$WINE" "$folder/uninstall.exe" /S "_?=$("$WINE" winepath -w "$folder" 2>/dev/null | tr -d '\r')" ||
    uninstall_status=$?
kill "$program"
wait "$program" 2>/dev/null || true
wait_until_closed
[ "$status" -eq 2 ] || fail "the installer ended with $status while the program ran, not 2"
[ "$uninstall_status" -eq 2 ] || fail "the uninstaller ended with $uninstall_status while the program ran, not 2"
[ -f "$folder/language-ranking.exe" ] && [ -f "$shortcut" ] ||
    fail "a refused uninstallation removed files"

# The uninstaller runs from a copy in the temporary folder and returns at once.
quiet "$WINE" "$folder/uninstall.exe" /S
for _ in $(seq 50); do
    [ -e "$folder" ] || break
    sleep 0.2
done
[ ! -e "$folder" ] || fail "$folder is left: $(ls "$folder")"
[ ! -e "$shortcut" ] || fail "the shortcut is left"
if quiet "$WINE" reg query "$key"; then
    fail "the uninstall entry is left"
fi
echo "installed, ran, refused while running, uninstalled"
