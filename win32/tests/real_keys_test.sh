#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program driven by real X key presses (xdotool) on the test's X server,
# heard from another process through WinEvents, as a screen reader hears it:
# Tab from the statement to Въведи, then Space three times: each press is said
# once, the repeated sentence again. Then back to Говорещи and Език, where
# Въведи left no selection: Down in each selects its current item, and Въведи
# enters what the lists show.
#   real_keys_test.sh PROGRAM LISTENER
set -euo pipefail
: "${WINEPREFIX:?}" "${WINE:=wine}"
program=$1
listener=$2
heard=$(mktemp)
trap 'rm -f "$heard"' EXIT
fail() {
    echo "FAIL: $*" >&2
    cat "$heard" >&2
    exit 1
}

"$WINE" "$listener" 20 </dev/null >"$heard" 2>/dev/null &
listening=$!
for _ in $(seq 100); do
    grep -q listening "$heard" && break
    sleep 0.1
done
"$WINE" "$program" </dev/null >/dev/null 2>&1 &
running=$!
window=
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name 'Класация на езиците' 2>/dev/null | head -1) || true
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || fail "the window did not show"
xdotool windowfocus --sync "$window"
sleep 0.5
for key in Tab Tab Tab Tab space space space shift+Tab shift+Tab shift+Tab Down Tab Down Tab Tab \
    space; do
    xdotool key --delay 100 "$key"
    sleep 0.3
done
sleep 1
xdotool key alt+F4
wait "$running" || fail "the program ended with $?"
kill "$listening" 2>/dev/null || true
wait "$listening" 2>/dev/null || true

expected='said|Въведено „100 английски“, място 1 от 1 в класацията.
said|Нищо не е въведено: изберете брой говорещи и език.
said|Нищо не е въведено: изберете брой говорещи и език.
said|Въведено „200 арабски“, място 1 от 2 в класацията.'
[ "$(grep '^said|' "$heard" | tr -d '\r')" = "$expected" ] || fail "heard otherwise than expected"
echo "three presses by real keys, each said once"
