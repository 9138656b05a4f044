#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The MSI under Wine, silently: it installs for the whole machine, its
# shortcut starts the program, a newer package replaces it, neither installs
# nor removes anything while the program runs, and removal leaves no file,
# shortcut or registry entry. The uninstall entry records the install folder;
# shown, the refusal while the program runs names no button.
#   check_msi.sh MSI NEWER_MSI RUNNING_CHECK WINDOW_TEXTS
set -euo pipefail
running_check=$3
window_texts=$4
source "$(dirname "$0")/wine_checks.sh"
{ read -r msi; read -r newer; } < <(copy_to_downloads "$1" "$2")

folder="$WINEPREFIX/drive_c/Program Files/LanguageRanking"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

product_code() { msiinfo export "$1" Property | awk -F'\t' '$1 == "ProductCode" { print $2 }' | tr -d '\r'; }
registered() { "$WINE" reg query "$uninstall\\$1" </dev/null >/dev/null 2>&1; }
msiexec() { "$WINE" msiexec "$@" </dev/null >/dev/null 2>&1; }
# Wine's msiexec puts even a per-machine shortcut into the user's Start menu.
shortcuts() { find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/*' -name 'Класация на езиците.lnk'; }

old_code=$(product_code "$msi")
new_code=$(product_code "$newer")

wait_until_closed
msiexec /i "$msi" /qn || fail "install ended with $?"
for file in language-ranking.exe README.txt; do
    [ -f "$folder/$file" ] || fail "$folder/$file not installed"
done
registered "$old_code" || fail "no uninstall entry"
entry="$WINEPREFIX/drive_c/users/Public/uninstall-entry.reg"
"$WINE" reg export "$uninstall\\$old_code" 'C:\users\Public\uninstall-entry.reg' /y </dev/null \
    >/dev/null 2>&1
iconv -f UTF-16 -t UTF-8 "$entry" | grep -q '"DisplayName"="Класация на езиците"' ||
    fail "the uninstall entry's name is not Bulgarian"
iconv -f UTF-16 -t UTF-8 "$entry" | grep -q '"Publisher"="Проект Класация"' ||
    fail "the uninstall entry has no publisher"
iconv -f UTF-16 -t UTF-8 "$entry" | grep -qF '"InstallLocation"="C:\\Program Files\\LanguageRanking\\"' ||
    fail "the uninstall entry has no install location: $(iconv -f UTF-16 -t UTF-8 "$entry" | grep InstallLocation)"
shortcut=$(shortcuts | head -1)
[ -n "$shortcut" ] || fail "no Start-menu shortcut"
LANGUAGE_RANKING_QUIT_AFTER_FIRST_PAINT=1 "$WINE" start /wait /unix "$shortcut" </dev/null \
    >/dev/null 2>&1 || fail "the shortcut did not start the program"

# While the program runs: neither removal nor upgrade, nothing changed.
"$WINE" "$folder/language-ranking.exe" </dev/null >/dev/null 2>&1 &
program=$!
wait_until_running
if msiexec /x "$msi" /qn; then
    kill "$program"
    fail "removed while the program ran"
fi
if msiexec /i "$newer" /qn; then
    kill "$program"
    fail "upgraded while the program ran"
fi
# With a user interface: the check's message, cancelled.
"$WINE" msiexec /i "$newer" /qb </dev/null >/dev/null 2>&1 &
shown=$!
message=$("$WINE" "$window_texts" 'Класация на езиците' 2 </dev/null 2>/dev/null | tr -d '\r') ||
    message="no dialog"
shown_status=0
wait "$shown" || shown_status=$?
kill "$program"
wait "$program" 2>/dev/null || true
wait_until_closed
grep -qx 'Static|„Класация на езиците“ работи. Затворете програмата и опитайте отново.' \
    <<<"$message" || fail "the running-program message: $message"
[ "$shown_status" -ne 0 ] || fail "a cancelled upgrade ended with 0"
[ -f "$folder/language-ranking.exe" ] || fail "a refused removal took the program away"
registered "$old_code" || fail "a refused removal took the uninstall entry away"

msiexec /i "$newer" /qn || fail "upgrade ended with $?"
registered "$new_code" || fail "no uninstall entry for the newer version"
! registered "$old_code" || fail "the older version is still registered"

msiexec /x "$newer" /qn || fail "removal ended with $?"
[ ! -e "$folder" ] || fail "$folder is left: $(ls "$folder")"
[ -z "$(shortcuts)" ] || fail "the shortcut is left"
! registered "$new_code" || fail "the uninstall entry is left"
echo "installed, ran, refused while running, upgraded and removed"
