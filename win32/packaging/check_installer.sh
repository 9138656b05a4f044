#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The per-user installer under Wine: silently it installs, the installed
# program starts and closes, neither it nor the uninstaller changes anything
# while the program runs (exit code 2), and the uninstall command the registry
# records waits until everything it removes is gone and returns 0. Shown, its
# window and the uninstaller's speak Bulgarian, with titles that end in no
# space, sizes written as Windows writes them, and a message while the program
# runs that names no button.
#   check_installer.sh INSTALLER RUNNING_CHECK WINDOW_TEXTS
set -euo pipefail
running_check=$2
window_texts=$3
source "$(dirname "$0")/wine_checks.sh"
installer=$(copy_to_downloads "$1")

users=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -1)
folder="$users/AppData/Local/Programs/LanguageRanking"
shortcut="$users/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Класация на езиците.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\example.klasacia.LanguageRanking'

quiet() { "$@" </dev/null >/dev/null 2>&1; }
# Runs the command the uninstall entry records under VALUE, as a deployment
# tool would, and returns its exit code.
run_recorded() {
    local command exe
    command=$("$WINE" reg query "$key" /v "$1" </dev/null 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$1 *REG_SZ *//p")
    [ -n "$command" ] || fail "no $1 in the uninstall entry"
    exe=${command#\"}
    exe=${exe%%\"*}
    # shellcheck disable=SC2086 # the recorded arguments, split as Windows would
    quiet "$WINE" "$exe" ${command#\"*\"}
}
# Shows PROGRAM ARGUMENTS... and prints the texts of its dialog, answered with
# BUTTON (empty: closed); then the program's exit code as the last line.
dialog_of() {
    local button=$1 pid status=0
    shift
    "$@" </dev/null >/dev/null 2>&1 &
    pid=$!
    "$WINE" "$window_texts" 'Класация на езиците' $button </dev/null 2>/dev/null | tr -d '\r' ||
        echo "no dialog"
    wait "$pid" || status=$?
    echo "exit|$status"
}

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

# Shown: the installer's folder page and the uninstaller's first page, closed.
setup_page=$(dialog_of "" "$WINE" "$installer")
grep -qx 'title|Класация на езиците [0-9.]*' <<<"$setup_page" ||
    fail "the installer's title is not the name and version alone: $(grep title <<<"$setup_page")"
grep -q '|Проект Класация$' <<<"$setup_page" || fail "no Bulgarian branding line: $setup_page"
! grep -qi 'nullsoft' <<<"$setup_page" || fail "an English branding line is left"
grep -Eq '\|Необходимо пространство: [0-9.]+ [КМГ]?Б$' <<<"$setup_page" ||
    fail "the size is not written as Windows writes it: $(grep пространство <<<"$setup_page")"
uninstall_page=$(dialog_of "" run_recorded UninstallString)
grep -qx 'title|Премахване на „Класация на езиците“' <<<"$uninstall_page" ||
    fail "the uninstaller's title: $(grep title <<<"$uninstall_page")"
[ -f "$folder/uninstall.exe" ] || fail "a closed uninstaller removed files"

# While the program runs: silently exit code 2; shown, a message that names no
# button, and exit code 2 once it is cancelled.
"$WINE" "$folder/language-ranking.exe" </dev/null >/dev/null 2>&1 &
program=$!
wait_until_running
status=0
quiet "$WINE" "$installer" /S || status=$?
uninstall_status=0
run_recorded QuietUninstallString || uninstall_status=$?
message=$(dialog_of 2 "$WINE" "$installer")
uninstall_message=$(dialog_of 2 run_recorded UninstallString)
kill "$program"
wait "$program" 2>/dev/null || true
wait_until_closed
[ "$status" -eq 2 ] || fail "the installer ended with $status while the program ran, not 2"
[ "$uninstall_status" -eq 2 ] ||
    fail "the recorded silent uninstall ended with $uninstall_status while the program ran, not 2"
[ -f "$folder/language-ranking.exe" ] && [ -f "$shortcut" ] ||
    fail "a refused uninstallation removed files"
grep -qx 'Static|„Класация на езиците“ работи. Затворете програмата и опитайте отново.' \
    <<<"$message" || fail "the running-program message: $message"
grep -qx 'exit|2' <<<"$message" || fail "the cancelled installer did not end with 2: $message"
grep -qx 'Static|„Класация на езиците“ работи. Затворете програмата и опитайте отново.' \
    <<<"$uninstall_message" || fail "the uninstaller's running-program message: $uninstall_message"
grep -qx 'exit|2' <<<"$uninstall_message" ||
    fail "the cancelled uninstaller did not end with 2: $uninstall_message"

# The recorded silent uninstall waits until it has removed what it can.
# Windows lets it move its own running file out of the folder (exit code 0,
# nothing left); Wine refuses, so here it returns 3 with its own file left and
# the entry kept, and a second, plain run (from a temporary copy) ends the job.
uninstall_status=0
run_recorded QuietUninstallString || uninstall_status=$?
if [ "$uninstall_status" -ne 0 ]; then
    [ "$uninstall_status" -eq 3 ] ||
        fail "the recorded silent uninstall ended with $uninstall_status, not 0 or 3"
    [ "$(ls -A "$folder")" = uninstall.exe ] ||
        fail "exit code 3 with $(ls -A "$folder") left, not the uninstaller alone"
    quiet "$WINE" reg query "$key" || fail "exit code 3, but the entry is gone"
    quiet "$WINE" "$folder/uninstall.exe" /S
    for _ in $(seq 50); do
        [ -e "$folder" ] || break
        sleep 0.2
    done
fi
[ ! -e "$folder" ] || fail "$folder is left: $(ls "$folder")"
[ ! -e "$shortcut" ] || fail "the shortcut is left"
if quiet "$WINE" reg query "$key"; then
    fail "the uninstall entry is left"
fi
echo "installed, ran, refused while running, uninstalled"
