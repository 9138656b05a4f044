#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# sign.sh on copies of the packages: without a certificate it leaves them as
# they are; with a throwaway self-signed one made here, each verifies.
#   check_signing.sh FILE...
set -euo pipefail
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

copies=()
for file in "$@"; do
    cp "$file" "$work/"
    copies+=("$work/$(basename "$file")")
done

env -u LANGUAGE_RANKING_SIGNING_PKCS12 "$here/sign.sh" "${copies[@]}"
for file in "$@"; do
    cmp -s "$file" "$work/$(basename "$file")" || { echo "FAIL: $file changed without a certificate" >&2; exit 1; }
done

openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj '/CN=Throwaway test signer' \
    -keyout "$work/key.pem" -out "$work/certificate.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/certificate.pem" \
    -passout pass:test-password -out "$work/signer.pfx"
LANGUAGE_RANKING_SIGNING_PKCS12="$work/signer.pfx" LANGUAGE_RANKING_SIGNING_PASSWORD=test-password \
    "$here/sign.sh" "${copies[@]}"
for copy in "${copies[@]}"; do
    osslsigncode verify -CAfile "$work/certificate.pem" -in "$copy" >"$work/verify.log" 2>&1 ||
        { cat "$work/verify.log" >&2; echo "FAIL: $(basename "$copy") does not verify" >&2; exit 1; }
done
echo "unsigned without a certificate; signed and verified with one: ${*##*/}"
