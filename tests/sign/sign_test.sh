#!/bin/bash
# sign_test.sh check PROGRAM | run PROGRAM STANDIN: signs a copy of PROGRAM through scripts/sign.sh
# with throw-away certificates. check, without Wine: the signature, the hashes, an old-style file
# as Windows writes it, the refusals. run: one quiet run of the signed copy under Wine.
set -uo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
mode="$1" program="$(realpath "$2")" wine="${TARVIC_E2E_WINE:-wine}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work" && mkdir kit refused run && cp "$program" kit/ && cp "$program" refused/ &&
  cp "$ROOT"/tests/sign/fixtures/*.p* .
failures=0
check() {  # check DESCRIPTION COMMAND...
  if "${@:2}"; then echo "ok   - $1"; else echo "FAIL - $1"; failures=$((failures + 1)); fi
}
sign() { "$ROOT/scripts/sign.sh" "$@" 2>&1; }
digest() { python3 "$ROOT/scripts/authenticode-digest.py" "$1"; }

export TARVIC_SIGN_PASSWORD='pa$$ word -x'  # that of the certificates in fixtures/
unsigned=kit/Tarvic_Kit.exe signed=kit/signed/Tarvic_Kit.exe
verify() { osslsigncode verify -CAfile good.pem -in "$signed" 2>&1; }

if [ "$mode" = run ]; then
  sign good.pfx "$unsigned" >/dev/null
  cp "$signed" run/ && cp "$(realpath "$3")" run/ESRIRegAsm.exe && touch run/ParcelNum.dll run/ParcelNum.reg
  tool="Z:${work//\//\\}\\run\\ESRIRegAsm.exe"
  (cd run && "$wine" Tarvic_Kit.exe /quiet /log:quiet.log "/tool:$tool" >/dev/null 2>&1)
  check "the signed copy's quiet run exits 0" test $? = 0
  check "and logs the report" grep -q "BATCH FILES SUCCESSFULLY CREATED" run/quiet.log
  exit $((failures > 0))
fi

sha="$(sha256sum <"$program")"
check "signs a copy" sign good.pfx "$unsigned"
verified="$(verify)"
check "the signature verifies against the certificate" grep -q "verification: ok" <<<"$verified"
check "the program itself is untouched" test "$(sha256sum <"$unsigned")" = "$sha"
# osslsigncode's digest of the signed copy, against ours of the program.
signs="$(sed -n 's/^Current message digest *: *\([0-9A-F]*\).*/\1/p' <<<"$verified")"
check "the Authenticode digest is the program's" test "$(digest "$unsigned")" = "${signs,,}"
rm -r kit/signed
legacy="$(sign windows.pfx "$unsigned")"
check "signs with an RC2 PFX whose key comes first, as Windows writes it" grep -q "verification: ok" <(verify)
check "and says how to convert it" grep -qF "openssl pkcs12 -legacy -in OLD.pfx -nodes | openssl pkcs12 -export -out NEW.pfx" <<<"$legacy"

refuses() {  # refuses WORDS CERT [PROGRAM]: exit code 1 with WORDS, nothing signed
  local out rc; out="$(sign "$2" "${3:-refused/Tarvic_Kit.exe}")"; rc=$?
  [ "$rc" = 1 ] && grep -qF "$1" <<<"$out" && [ ! -e refused/signed ] ||
    { echo "     $rc: $out"; return 1; }
}
check "refuses a missing file" refuses "no certificate file none.pfx" none.pfx
check "refuses a non-PKCS#12" refuses "good.pem is not a PKCS#12 (.pfx) file" good.pem
check "refuses a file without a key" refuses "nokey.pfx holds no private key" nokey.pfx
check "refuses an expired one" refuses "has expired (notAfter=Jan  2 00:00:00 2020 GMT)" expired.pfx
check "refuses a program not built" refuses "build it first" good.pfx refused/none.exe
TARVIC_SIGN_PASSWORD=pa check "refuses a wrong password" refuses "wrong password for" good.pfx
exit $((failures > 0))
