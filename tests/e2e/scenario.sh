#!/bin/bash
# Runs one end-to-end scenario: scenario.sh "<test case name>" [--dpi=N] [--planted=DLL folder]
# Expects the Wine environment of scripts/wine-env.sh and a display (the test command gives both).
set -u
source "$(dirname "$0")/host-side.sh"
wine="${TARVIC_E2E_WINE:-wine}"
export TARVIC_E2E_DPI=96
for arg in "${@:2}"; do
  case "$arg" in
    --dpi=*) TARVIC_E2E_DPI="${arg#--dpi=}" ;;
    # Wine then loads these names from the program folder first, as Windows does for most.
    --planted=*) export TARVIC_E2E_PLANTED="${arg#--planted=}"
      names=$(cd "$TARVIC_E2E_PLANTED" && printf '%s\n' *.dll | sed 's/\.dll$//' | paste -sd,)
      export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}$names=n,b" ;;
  esac
done
set_dpi() {
  "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}
# Every scenario reaches the tool through the locate dialog, so none may sit at the fixed
# places, where scripts/run.sh puts one.
tools=("$WINEPREFIX"/drive_c/Program\ Files*/Common\ Files/ArcGIS/bin/ESRIRegAsm.exe)
finish() {
  chattr -i "$TARVIC_E2E_WORK"/*/ 2>/dev/null
  for tool in "${tools[@]}"; do [ ! -e "$tool.aside" ] || mv "$tool.aside" "$tool"; done
  [ "$TARVIC_E2E_DPI" = 96 ] || set_dpi 96
}
trap finish EXIT
for tool in "${tools[@]}"; do [ ! -e "$tool" ] || mv "$tool" "$tool.aside"; done
[ "$TARVIC_E2E_DPI" = 96 ] || set_dpi "$TARVIC_E2E_DPI"
mkdir -p "$TARVIC_E2E_WORK" && rm -f "$TARVIC_E2E_WORK/host-request"

log="$TARVIC_E2E_WORK/driver.log"
"$wine" "$TARVIC_E2E_DRIVER" --test-case="$1" --no-version >"$log" 2>&1 &
rc=0
host_serve $! || rc=$?
cat "$log"
# A name that matches no test case would otherwise pass without testing anything.
if ! grep -q 'test cases: *1 | *1 passed' "$log"; then
  echo "scenario.sh: \"$1\" did not run and pass exactly one test case"
  [ "$rc" != 0 ] || rc=1
fi
exit "$rc"
