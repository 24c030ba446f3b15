#!/bin/bash
# sign_test.sh PROGRAM STANDIN: signs a copy of PROGRAM through scripts/sign.sh with a throw-away
# certificate; checks the signature, the digest that hash rules match, the refusals; then starts
# the signed copy once, quietly, under Wine (the environment of scripts/wine-env.sh).
set -uo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
program="$(realpath "$1")" standin="$(realpath "$2")" wine="${TARVIC_E2E_WINE:-wine}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work" && mkdir tmp kit refused
failures=0
check() {  # check DESCRIPTION COMMAND...
  local what="$1"; shift
  if "$@"; then echo "ok   - $what"; else echo "FAIL - $what"; failures=$((failures + 1)); fi
}
sign() { TMPDIR="$work/tmp" "$ROOT/scripts/sign.sh" "$@"; }
digest() { python3 "$ROOT/scripts/authenticode-digest.py" "$1"; }

export TARVIC_SIGN_PASSWORD='pa$$ word -x'
certificate() {  # certificate NAME.pfx CERT.pem [OPTION]: a PKCS#12 of key.pem and CERT.pem
  openssl pkcs12 -export -inkey key.pem -in "$2" -out "$1" "${@:3}" -passout env:TARVIC_SIGN_PASSWORD
}
openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out good.pem -days 2 \
  -subj "/CN=Tarvic test signer" 2>/dev/null
certificate good.pfx good.pem && certificate legacy.pfx good.pem -legacy &&
  certificate nokey.pfx good.pem -nokeys
# One that expired in 2020, signed by itself through a minimal CA set-up.
printf '[ca]\ndefault_ca=s\n[s]\ndatabase=index\nnew_certs_dir=.\nserial=serial\npolicy=p\n%s\n' \
  'default_md=sha256' >ca.cnf && printf '[p]\ncommonName=supplied\n' >>ca.cnf
: >index && echo 01 >serial
openssl req -new -key key.pem -subj "/CN=Expired signer" |
  openssl ca -batch -config ca.cnf -selfsign -keyfile key.pem -in /dev/stdin -out expired.pem \
    -startdate 20200101000000Z -enddate 20200102000000Z 2>/dev/null
certificate expired.pfx expired.pem

cp "$program" kit/Tarvic_Kit.exe
unsigned_sha="$(sha256sum <kit/Tarvic_Kit.exe)"
signed=kit/signed/Tarvic_Kit.exe
check "signs a copy" sign good.pfx kit/Tarvic_Kit.exe
verified="$(osslsigncode verify -CAfile good.pem -in "$signed" 2>&1)"
check "the signature verifies against the certificate" grep -q "Signature verification: ok" <<<"$verified"
check "the program itself is untouched" test "$(sha256sum <kit/Tarvic_Kit.exe)" = "$unsigned_sha"
check "the signed copy's file SHA-256 differs" test "$(sha256sum <"$signed")" != "$unsigned_sha"
check "the Authenticode digest is the same for both" test "$(digest "$signed")" = "$(digest kit/Tarvic_Kit.exe)"
signed_digest="$(sed -n 's/^Current message digest *: *\([0-9A-F]*\).*/\1/p' <<<"$verified")"
check "it is the digest the signature signs" test "$(digest "$signed")" = "${signed_digest,,}"

# Each refusal: its words, exit code 1, nothing written. An old-style PFX is read, with a note.
cp "$program" refused/Tarvic_Kit.exe
refuses() {  # refuses WORDS [ENV=VALUE] -- ARGUMENTS...
  local words="$1" out rc; shift
  local env=(); while [ "$1" != -- ]; do env+=("$1"); shift; done; shift
  out="$(env "${env[@]}" TMPDIR="$work/tmp" "$ROOT/scripts/sign.sh" "$@" 2>&1)"; rc=$?
  if [ "$rc" != 1 ] || ! grep -qF "$words" <<<"$out"; then echo "     got ($rc): $out"; return 1; fi
}
p=refused/Tarvic_Kit.exe
check "refuses a missing file" refuses "no certificate file none.pfx" -- none.pfx "$p"
check "refuses a file that is not PKCS#12" refuses "good.pem is not a PKCS#12 (.pfx) file" -- good.pem "$p"
check "refuses a PKCS#12 without a key" refuses "nokey.pfx holds no private key" -- nokey.pfx "$p"
check "refuses a wrong password" refuses "wrong password for good.pfx" TARVIC_SIGN_PASSWORD=pa -- good.pfx "$p"
check "refuses an expired certificate" refuses "has expired (notAfter=Jan  2 00:00:00 2020 GMT)" -- expired.pfx "$p"
check "refuses a program not built" refuses "build it first" -- good.pfx refused/none.exe
check "nothing written on refusal" test ! -e refused/signed
legacy_note="$(sign legacy.pfx "$p" 2>&1)"
check "reads an RC2 PFX and says how to convert it" grep -qF \
  "openssl pkcs12 -legacy -in OLD.pfx -nodes | openssl pkcs12 -export -out NEW.pfx" <<<"$legacy_note"
check "the password file is gone after every run" test -z "$(ls -A tmp)"

# The signed copy runs: one quiet run against the stand-in tool, in a folder of its own.
mkdir run && cp "$signed" run/ && cp "$standin" run/ESRIRegAsm.exe
printf 'x\r\n' >run/ParcelNum.dll && printf 'x\r\n' >run/ParcelNum.reg
(cd run && "$wine" Tarvic_Kit.exe /quiet /log:quiet.log "/tool:Z:${work//\//\\}\\run\\ESRIRegAsm.exe" \
  >/dev/null 2>&1)
check "the signed copy's quiet run exits 0" test $? = 0
check "and writes the batch files" compgen -G "run/*egister_*.bat" >/dev/null
check "and logs the report" grep -q "BATCH FILES SUCCESSFULLY CREATED" run/quiet.log

exit $((failures > 0))
