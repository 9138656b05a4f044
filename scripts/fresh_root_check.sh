#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the README's two commands in a brand-new minimal Debian 12 root, as on a
# machine that has never built the program: a clean clone of the committed
# tree goes into a fresh "debootstrap --variant=minbase bookworm" root, then
# scripts/test.sh runs there, then scripts/run.sh opens the window (on Xvfb)
# and closes it after its first paint. Further test modes named on the command
# line (windows, web) run there too.
#
#   sudo scripts/fresh_root_check.sh [mode...]
#
# With FRESH_ROOT_RECOMMENDS=1 the root first gets a desktop's screen reader,
# speech and browsers installed with their recommended packages (espeak-ng's
# speech module among them, no sound device), as a desktop install has them.
#
# The base root is made once and kept as a tarball (FRESH_ROOT_CACHE, default
# build/fresh-root); every run unpacks a new copy of it. Needs root, network
# access to the Debian archive, and debootstrap (installed when missing).
set -euo pipefail
cd "$(dirname "$0")/.."

[ "$(id -u)" -eq 0 ] || { echo "fresh_root_check.sh must run as root (it uses chroot)" >&2; exit 2; }
command -v debootstrap >/dev/null || scripts/deps.sh debootstrap

cache=${FRESH_ROOT_CACHE:-$PWD/build/fresh-root}
base=$cache/bookworm-minbase.tar.gz
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
mkdir -p "$cache"
if [ ! -f "$base" ]; then
    echo "Making the base root (debootstrap --variant=minbase bookworm) ..."
    staging=$(mktemp -d "$cache/staging.XXXXXX")
    debootstrap --variant=minbase bookworm "$staging" "$mirror" >"$cache/debootstrap.log"
    tar -C "$staging" -czf "$base.part" .
    rm -rf "$staging"
    mv "$base.part" "$base"
fi

root=$(mktemp -d "${TMPDIR:-/tmp}/fresh-root.XXXXXX")
mounted=()
cleanup() {
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[$i]}" 2>/dev/null || true; done
    rm -rf --one-file-system "$root"
}
trap cleanup EXIT

tar -C "$root" -xzf "$base"
for fs in proc sys dev dev/pts; do
    mount --bind "/$fs" "$root/$fs"
    mounted+=("$root/$fs")
done
mkdir -p "$root/dev/shm"
mount -t tmpfs tmpfs "$root/dev/shm" && mounted+=("$root/dev/shm")
# Orca runs once per user, and the root shares this machine's processes: its
# Orca tests take the same lock as the machine's.
touch /tmp/orca.lock "$root/tmp/orca.lock"
mount --bind /tmp/orca.lock "$root/tmp/orca.lock" && mounted+=("$root/tmp/orca.lock")
cp /etc/resolv.conf "$root/etc/resolv.conf"
# The root reaches the registries through this machine's network, so it takes
# the certificate authorities this machine adds to Debian's own (a network that
# inspects TLS has one); ca-certificates takes them in when it is installed.
if compgen -G "/usr/local/share/ca-certificates/*.crt" >/dev/null; then
    mkdir -p "$root/usr/local/share/ca-certificates"
    cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/"
fi
git clone --quiet --no-hardlinks "$PWD" "$root/src/language-ranking"

modes=("$@")
# A clean environment, as a new user's shell would have it; no display.
chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 TERM=dumb RECOMMENDS="${FRESH_ROOT_RECOMMENDS:-0}" /bin/bash -euo pipefail -c '
        cd /src/language-ranking
        if [ "$RECOMMENDS" = 1 ]; then
            echo "== a desktop'"'"'s screen reader, speech and browsers with their recommended packages"
            apt-get update -qq
            DEBIAN_FRONTEND=noninteractive apt-get install -y -qq orca speech-dispatcher \
                chromium firefox-esr >/dev/null
        fi
        echo "== scripts/test.sh"
        scripts/test.sh
        echo "== scripts/run.sh (closes after the first paint)"
        LANGUAGE_RANKING_QUIT_AFTER_FIRST_PAINT=1 timeout 600 scripts/run.sh
        for mode in "$@"; do
            echo "== scripts/test.sh $mode"
            scripts/test.sh "$mode"
        done
        echo "== all passed in a fresh Debian 12 root"
    ' fresh-root "${modes[@]}"
