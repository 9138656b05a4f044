#!/bin/sh
# SPDX-License-Identifier: MIT
# Starts the program where no X server answers: it must say so in one line
# that names the display, and end with exit code 1 rather than an abort.
# Usage: no_display_test.sh PROGRAM (run with DISPLAY=:999)
output=$("$1" 2>&1)
status=$?
printf '%s\n' "$output"
[ "$status" -eq 1 ] || { echo "FAIL: exit code $status, expected 1"; exit 1; }
[ "$(printf '%s\n' "$output" | wc -l)" -eq 1 ] || { echo "FAIL: more than one line"; exit 1; }
printf '%s' "$output" | grep -q "display \"$DISPLAY\"" || { echo "FAIL: the display is not named"; exit 1; }
