#!/bin/bash
# sign.sh CERT.pfx [PROGRAM]: writes a copy of PROGRAM (by default the shipped
# build/windows/Tarvic_Kit.exe) signed with Authenticode, SHA-256, into a folder signed/ beside
# it. PROGRAM itself stays as built, so the SHA-256 published for it still holds.
#
# The certificate's password comes from TARVIC_SIGN_PASSWORD (empty for a file without one),
# never from the command line, where every user of the machine can read it in the process list.
# TARVIC_SIGN_TIMESTAMP_URL, when set, names an RFC 3161 time-stamp server: the signature then
# stays valid after the certificate expires.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
refuse() { echo "sign.sh: $*" >&2; exit 1; }

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: TARVIC_SIGN_PASSWORD=... scripts/sign.sh CERT.pfx [PROGRAM]" >&2
  exit 2
fi
cert="$1" program="${2:-$ROOT/build/windows/Tarvic_Kit.exe}"
[ -f "$cert" ] || refuse "no certificate file $cert"
[ -f "$program" ] || refuse "no program $program: build it first" \
  "(cmake --preset windows && cmake --build --preset windows)"
[ -n "${TARVIC_SIGN_PASSWORD+set}" ] ||
  refuse "set TARVIC_SIGN_PASSWORD to the password of $cert (empty if it has none)"
for tool in openssl osslsigncode python3; do
  command -v "$tool" >/dev/null || refuse "$tool is missing: scripts/install-deps.sh installs it"
done

work="$(mktemp -d)"  # readable by its owner only
trap 'rm -rf "$work"' EXIT
trap 'exit 130' INT TERM HUP PIPE

# OpenSSL 3 reads the RC2 and 3DES of PFX files exported by older Windows only through its legacy
# provider; osslsigncode loads that provider itself.
legacy=()
read_pfx() {
  openssl pkcs12 -in "$cert" -passin env:TARVIC_SIGN_PASSWORD "${legacy[@]}" "$@" 2>"$work/errors"
}
convert="openssl pkcs12 -legacy -in OLD.pfx -nodes | openssl pkcs12 -export -out NEW.pfx"
unreadable() {
  if grep -qi 'mac verify' "$work/errors"; then
    refuse "wrong password for $cert (TARVIC_SIGN_PASSWORD)"
  elif [ ${#legacy[@]} -gt 0 ] || grep -q 'unsupported' "$work/errors"; then
    refuse "$cert is encrypted the old way (RC2 or 3DES), which this OpenSSL cannot read;" \
      "convert it where OpenSSL has its legacy provider: $convert"
  fi
  refuse "$cert is not a PKCS#12 (.pfx) file"
}
keys="$(read_pfx -nocerts -nodes | grep -c 'BEGIN .*PRIVATE KEY' || true)"
# Windows writes the key first, so the key may be read before the RC2 certificates fail.
if grep -q 'unsupported' "$work/errors"; then
  legacy=(-legacy)
  keys="$(read_pfx -nocerts -nodes | grep -c 'BEGIN .*PRIVATE KEY' || true)"
  [ -s "$work/errors" ] || echo "sign.sh: note: $cert is encrypted the old way (RC2 or 3DES);" \
    "read anyway. To convert it: $convert" >&2
fi
[ -s "$work/errors" ] && unreadable
[ "$keys" != 0 ] || refuse "$cert holds no private key: export the certificate with its private key"
read_pfx -nokeys -clcerts >"$work/cert.pem" || unreadable
grep -q 'BEGIN CERTIFICATE' "$work/cert.pem" || refuse "$cert holds no certificate for its key"
if ! openssl x509 -in "$work/cert.pem" -noout -checkend 0 >/dev/null; then
  refuse "the certificate in $cert has expired ($(openssl x509 -in "$work/cert.pem" -noout -enddate))"
fi

timestamp=()
[ -z "${TARVIC_SIGN_TIMESTAMP_URL:-}" ] || timestamp=(-ts "$TARVIC_SIGN_TIMESTAMP_URL")
sign_copy() {
  osslsigncode sign -pkcs12 "$cert" "$@" -h sha256 -n "Tarvic Kit" "${timestamp[@]}" \
    -in "$program" -out "$work/signed.exe" >"$work/errors" 2>&1
}
# The password goes through a pipe, never a file, and printf is a builtin: it is on no command
# line. osslsigncode opens and reads that /dev/fd path like a file, and strips one trailing CR LF.
if [ -z "$TARVIC_SIGN_PASSWORD" ]; then sign_copy; else
  sign_copy -readpass <(printf '%s' "$TARVIC_SIGN_PASSWORD")
fi || refuse "osslsigncode could not sign $program: $(grep -v '^Failed$' "$work/errors" | head -3)"

signed="$(dirname "$program")/signed/$(basename "$program")"
mkdir -p "$(dirname "$signed")"
mv "$work/signed.exe" "$signed"
digest="$(python3 "$ROOT/scripts/authenticode-digest.py" "$program")"
[ "$digest" = "$(python3 "$ROOT/scripts/authenticode-digest.py" "$signed")" ] ||
  refuse "the signed copy's Authenticode digest differs from the program's"
echo "Signed copy: $signed"
echo "  file SHA-256 of the signed copy: $(sha256sum <"$signed" | cut -d' ' -f1)"
echo "  file SHA-256 of the program:     $(sha256sum <"$program" | cut -d' ' -f1)"
echo "  Authenticode SHA-256 of both:    $digest"
