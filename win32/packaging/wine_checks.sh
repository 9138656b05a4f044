# SPDX-License-Identifier: MIT
# Shared by the installer checks: sourced after running_check is set to the
# program that tells, by its exit code, whether the program runs.
: "${WINEPREFIX:?}" "${WINE:=wine}"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

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

# A copy of each file named in a folder whose name has spaces and Cyrillic
# letters, as a download would be; prints the copies' paths, one a line.
copy_to_downloads() {
    local downloads="$WINEPREFIX/drive_c/users/Public/Изтеглени файлове"
    mkdir -p "$downloads"
    for file in "$@"; do
        cp "$file" "$downloads/"
        echo "$downloads/$(basename "$file")"
    done
}
