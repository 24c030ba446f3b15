#!/bin/bash
# Runs the shipped 32-bit program itself under 32-bit Wine on a one-extension sample folder and
# checks its batch files byte for byte and its report as copied with Alt+C. Run by hand: where
# 32-bit Wine has to go through qemu's emulation, one start takes one to ten minutes and Wine's
# helper processes now and then crash under it, too slow and too fickle for the test command.
# Exit 77 (skipped) when 32-bit Wine cannot be started on this machine.
set -uo pipefail
EXE="$(realpath "$1")"
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
for p in wine32:i386 qemu-user-static xdotool xclip xvfb xauth; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
      --no-install-recommends wine32:i386 qemu-user-static xdotool xclip xvfb xauth
    break
  fi
done
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

source "$ROOT/scripts/wine32.sh"
if ! wine32_ready; then
  echo "skipped: 32-bit Wine cannot start on this machine"
  exit 77
fi

export WINEPREFIX="$ROOT/build/wineprefix32" WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C.UTF-8 LC_ALL=C.UTF-8
unset WINELOADER
WINE=/usr/lib/wine/wine
if [ ! -f "$WINEPREFIX/.tarvic-ready" ]; then
  echo "creating the 32-bit Wine prefix (minutes under emulation)"
  "$WINE" wineboot -i >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.tarvic-ready"
fi
trap 'wineserver -k >/dev/null 2>&1 || true; wine32_release' EXIT

C="$WINEPREFIX/drive_c"
SAMPLE="$C/Kit é 100%"
TOOL="$C/Program Files (x86)/Common Files/ArcGIS/bin"
rm -rf "$SAMPLE"
mkdir -p "$SAMPLE" "$TOOL" "$C/windows/system32"
touch "$TOOL/ESRIRegAsm.exe" "$C/windows/system32/RICHTX32.ocx" "$SAMPLE/ParcelNum.dll" \
  "$SAMPLE/ParcelNum.reg"
cp "$EXE" "$SAMPLE/Tarvic_Kit.exe"

failures=0
check() {  # check DESCRIPTION COMMAND...
  local what="$1"; shift
  if "$@"; then echo "ok   - $what"; else echo "FAIL - $what"; failures=$((failures + 1)); fi
}

start=$SECONDS
(cd "$SAMPLE" && "$WINE" 'C:\Kit é 100%\Tarvic_Kit.exe'; echo $? >"$SAMPLE.exit") &
window=""
while [ -z "$window" ] && ((SECONDS - start < 600)); do
  sleep 2
  window=$(xdotool search --name '^Make Installation Batch Files:$' 2>/dev/null | head -1)
done
check "the main window opens (after $((SECONDS - start)) s)" test -n "$window"
[ -n "$window" ] || exit 1
sleep 2

tool='C:\Program Files (x86)\Common Files\ArcGIS\bin\ESRIRegAsm.exe'
# é is 0x82 in the console code page (437) that cmd reads batch files in; % is doubled for cmd.
folder=$'C:\\Kit \x82 100%%\\'
same_bytes() { cmp -s "$1" <(printf '%s\r\n' "$2"); }
check "register batch file" same_bytes "$SAMPLE/Register_Parcel_Numbering.bat" \
  "\"$tool\" /p:Desktop \"${folder}ParcelNum.dll\" /f:\"${folder}ParcelNum.reg\""
check "unregister batch file" same_bytes "$SAMPLE/Unregister_Parcel_Numbering.bat" \
  "\"$tool\" /p:Desktop /u \"${folder}ParcelNum.dll\""

xdotool key --window "$window" alt+c
report=""
copied=$SECONDS
while [[ "$report" != *"Tarvic v. "* ]] && ((SECONDS - copied < 300)); do
  sleep 2
  report="$(xclip -o -selection clipboard 2>/dev/null | tr -d '\r')"
done
shown='C:\Kit é 100%\'
expected="------< BATCH FILES SUCCESSFULLY CREATED >--------------------------------

The following batch files have been created to Register and Unregister Parcel Numbering Tools in ArcGIS 10:
  --> ${shown}Register_Parcel_Numbering.bat
  --> ${shown}Unregister_Parcel_Numbering.bat

If using Windows XP, you should be able to register and unregister the tools simply by double-clicking on the batch files listed above.  If using Windows Vista or Windows 7, you must right-click on the batch file and select 'Run as Administrator'.

------< NOTES >--------------------------------------------------------------------

ESRIRegAsm.exe located at:
  --> $tool

Found 1 *.reg files in ${shown}...
  --> ${shown}ParcelNum.reg

Found 1 *.dll files in ${shown}...
  --> ${shown}ParcelNum.dll


------< Tarvic v. 1.0.39>--------------------------------------------------------------------"
check "the report, copied with Alt+C" test "$report" = "$expected"
[ "$report" = "$expected" ] || diff <(echo "$expected") <(echo "$report") | head -20

xdotool key --window "$window" alt+F4 2>/dev/null
while [ ! -f "$SAMPLE.exit" ] && ((SECONDS - start < 900)); do sleep 1; done
check "closing ends the program with exit code 0" test "$(cat "$SAMPLE.exit" 2>/dev/null)" = 0
rm -f "$SAMPLE.exit"
exit $((failures > 0))
