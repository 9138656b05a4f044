#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that building, running and testing need,
# skipping the ones already there. Used by run.sh and test.sh.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    libgtest-dev libbenchmark-dev
    qt6-base-dev qt6-translations-l10n libxcb1-dev fonts-liberation
    desktop-file-utils appstream dpkg-dev file lintian xvfb clang-format clang-tidy
)

install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=900 update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# Packages named on the command line are installed instead of the usual set
# (scripts/test.sh names those of each further mode: for windows, MinGW-w64,
# Wine, nsis, msitools and wixl for the MSI, osslsigncode and openssl for signing).
if [ $# -gt 0 ]; then
    install_missing "$@"
else
    install_missing "${packages[@]}"
fi
