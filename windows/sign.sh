#!/usr/bin/env bash
# Signs Windows exes in place (Authenticode, SHA-256, with osslsigncode) when
# QUORVEL_SIGN_CERT names a PKCS#12 file (.pfx, .p12) holding the certificate and its
# key; QUORVEL_SIGN_PASSWORD is that file's password, QUORVEL_SIGN_TIMESTAMP the URL of
# a time-stamp server (without one a signature is good only while the certificate is).
# Without QUORVEL_SIGN_CERT it does nothing: the packages are then unsigned.
# Usage: sign.sh EXE...
set -euo pipefail
[ -n "${QUORVEL_SIGN_CERT:-}" ] || exit 0
if [ ! -r "$QUORVEL_SIGN_CERT" ]; then
    echo "sign.sh: cannot read the certificate $QUORVEL_SIGN_CERT" >&2
    exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
args=(sign -pkcs12 "$QUORVEL_SIGN_CERT" -h sha256 -n Quorvel)
if [ -n "${QUORVEL_SIGN_PASSWORD:-}" ]; then
    # From a file of the caller's alone, not on a command line that ps shows.
    (umask 077 && printf '%s' "$QUORVEL_SIGN_PASSWORD" >"$work/password")
    args+=(-readpass "$work/password")
fi
if [ -n "${QUORVEL_SIGN_TIMESTAMP:-}" ]; then
    args+=(-ts "$QUORVEL_SIGN_TIMESTAMP")
fi
for exe; do
    osslsigncode "${args[@]}" -in "$exe" -out "$work/signed.exe" >/dev/null
    # Written over, not moved, so the file keeps its mode.
    cat "$work/signed.exe" >"$exe"
    rm -f "$work/signed.exe"
    echo "signed $exe"
done
