#!/bin/bash
# scenario.sh "<test case name>": one e2e scenario at TARVIC_E2E_DPI, with TARVIC_E2E_PLANTED's
# DLLs beside the program if given; needs scripts/wine-env.sh's environment and a display. Does for
# the driver what only the Unix side can, asked by a line in $TARVIC_E2E_WORK/host-request; replies
# in host-reply, "ok" or "failed: <reason>".
set -u
host_answer() {
  local verb arg dir
  read -r verb arg <"$TARVIC_E2E_WORK/host-request"
  dir="$work/$arg"
  case "$verb" in
    # Root may write anywhere; only an immutable folder refuses new files.
    lock) chattr +i "$dir" ;;
    # Wine shows mode 777 as "Everyone: modify", 755 as only its user changing the folder.
    open) chmod 777 "$dir" ;;
    fresh) [[ "$arg" != "" && "$arg" != *..* && "$arg" != */* ]] &&
      { chattr -i "$dir" 2>/dev/null; rm -rf "$dir" && mkdir -p "$dir" && chmod 755 "$dir"; } ;;
    # Wine keeps the 8.3 name a program is started by only from here; the exit code lands in a file.
    start) rm -f "$TARVIC_E2E_WORK/host-exit" &&
      { (set -f; "$wine" $arg; echo $? >"$TARVIC_E2E_WORK/host-exit") >/dev/null 2>&1 & } ;;
    shot) dir="${TARVIC_E2E_SHOTS:-$TARVIC_E2E_WORK}" &&
      mkdir -p "$dir" && import -window root "$dir/$arg.png" ;;
    *) false ;;
  esac
}

# Serves requests until the process ends; returns its exit code.
host_serve() {
  while kill -0 "$1" 2>/dev/null; do
    if [ -f "$work/host-request" ]; then
      if out=$(host_answer 2>&1); then reply=ok; else reply="failed: $out"; fi
      rm -f "$work/host-request"
      echo "$reply" >"$work/host-reply"
    fi
    sleep 0.05
  done
  wait "$1"
}

wine="${TARVIC_E2E_WINE:-wine}" dpi="${TARVIC_E2E_DPI:-96}" work="$TARVIC_E2E_WORK"
# Wine then loads these names from the program folder first, as Windows does for most.
if [ -n "${TARVIC_E2E_PLANTED:-}" ]; then
  names=$(cd "$TARVIC_E2E_PLANTED" && printf '%s\n' *.dll | sed 's/\.dll$//' | paste -sd,)
  export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;$names=n,b"
fi
set_dpi() {
  "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}
# No scenario may find the tool at the fixed places, where scripts/run.sh puts one.
tools=("$WINEPREFIX"/drive_c/Program\ Files*/Common\ Files/ArcGIS/bin/ESRIRegAsm.exe)
finish() {
  chattr -i "$work"/*/ 2>/dev/null
  for tool in "${tools[@]}"; do [ ! -e "$tool.aside" ] || mv "$tool.aside" "$tool"; done
  [ "$dpi" = 96 ] || set_dpi 96
}
trap finish EXIT
for tool in "${tools[@]}"; do [ ! -e "$tool" ] || mv "$tool" "$tool.aside"; done
[ "$dpi" = 96 ] || set_dpi "$dpi"
mkdir -p "$work" && chmod 755 "$work" && rm -f "$work/host-request"
# The driver sees the work folder as C:\tarvic-e2e: registering checks every folder above the
# program folder, and the clone's (/tmp's, say) must not decide. Files get a known mode.
ln -sfn "$work" "$WINEPREFIX/drive_c/tarvic-e2e"
umask 022
TARVIC_E2E_WORK='C:\tarvic-e2e' "$wine" "$TARVIC_E2E_DRIVER" --test-case="$1" --no-version 2>&1 &
host_serve $!
