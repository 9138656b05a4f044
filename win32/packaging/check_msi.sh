#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The MSI under Wine, silently: it installs for the whole machine, its
# shortcut starts the program, a newer package replaces it, neither installs
# nor removes anything while the program runs, and removal leaves no file,
# shortcut or registry entry.
#   check_msi.sh MSI NEWER_MSI RUNNING_CHECK
set -euo pipefail
running_check=$3
# Installed from a folder whose name has spaces and Cyrillic letters.
downloads="$WINEPREFIX/drive_c/users/Public/Изтеглени файлове"
mkdir -p "$downloads"
msi="$downloads/$(basename "$1")"
newer="$downloads/$(basename "$2")"
cp "$1" "$msi"
cp "$2" "$newer"
: "${WINEPREFIX:?}" "${WINE:=wine}"

folder="$WINEPREFIX/drive_c/Program Files/LanguageRanking"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

# A program ended by a test before may hold its mutex a moment longer.
wait_until_closed() {
    for _ in $(seq 50); do
        "$WINE" "$running_check" 2 </dev/null >/dev/null 2>&1 && return 0
        sleep 0.2
    done
    fail "the program still runs"
}

wait_until_running() {
    for _ in $(seq 100); do
        "$WINE" "$running_check" 2 </dev/null >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "the program did not start"
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
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
kill "$program"
wait "$program" 2>/dev/null || true
wait_until_closed
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
