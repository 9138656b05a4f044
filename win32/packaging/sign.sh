#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Signs each FILE (program, installer, MSI) in place with Authenticode when a
# certificate is given, and does nothing otherwise:
#   LANGUAGE_RANKING_SIGNING_PKCS12     the certificate and its key, a PKCS#12 (.pfx) file
#   LANGUAGE_RANKING_SIGNING_PASSWORD   its password (may be empty)
#   LANGUAGE_RANKING_TIMESTAMP_URL      an RFC 3161 time-stamp server (optional)
#   sign.sh FILE...
set -euo pipefail
certificate=${LANGUAGE_RANKING_SIGNING_PKCS12:-}
[ -n "$certificate" ] || exit 0
timestamp=()
if [ -n "${LANGUAGE_RANKING_TIMESTAMP_URL:-}" ]; then
    timestamp=(-ts "$LANGUAGE_RANKING_TIMESTAMP_URL")
fi
for file in "$@"; do
    osslsigncode sign -pkcs12 "$certificate" -pass "${LANGUAGE_RANKING_SIGNING_PASSWORD:-}" \
        -n 'Класация на езиците' -h sha256 "${timestamp[@]}" -in "$file" -out "$file.signed" \
        >/dev/null
    mv "$file.signed" "$file"
done
