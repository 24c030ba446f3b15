#!/bin/bash
# Runs one end-to-end scenario: scenario.sh "<test case name>" [--dpi=N]
# Expects the Wine environment of scripts/wine-env.sh and a display (the test command gives both).
set -u
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=host-side.sh
source "$here/host-side.sh"

test_case="$1"
dpi=96
for arg in "${@:2}"; do
  case "$arg" in --dpi=*) dpi="${arg#--dpi=}" ;; esac
done

if [ ! -f "$TARVIC_E2E_APP" ]; then
  echo "Tarvic_Kit.exe is not built: $TARVIC_E2E_APP"
  exit 1
fi
mkdir -p "$TARVIC_E2E_WORK"
wine="${TARVIC_E2E_WINE:-wine}"

set_dpi() {
  "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}

finish() {
  host_restore
  if [ "$dpi" != 96 ]; then set_dpi 96; fi
}
trap finish EXIT

if [ "$dpi" != 96 ]; then set_dpi "$dpi"; fi
export TARVIC_E2E_DPI="$dpi"

log="$TARVIC_E2E_WORK/driver.log"
"$wine" "$TARVIC_E2E_DRIVER" --test-case="$test_case" --no-version >"$log" 2>&1 &
rc=0
host_serve $! || rc=$?
cat "$log"
# A name that matches no test case would otherwise pass without testing anything.
if ! grep -q 'test cases: *1 | *1 passed' "$log"; then
  echo "scenario.sh: \"$test_case\" did not run and pass exactly one test case"
  [ "$rc" != 0 ] || rc=1
fi
exit "$rc"
