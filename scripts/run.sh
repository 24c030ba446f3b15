#!/bin/bash
# Builds Tarvic_Kit.exe and runs it under Wine on a sample folder: prints its report and saves a
# screenshot under build/. Without a display it runs under a virtual one and ends by itself. It
# runs the shipped 32-bit build where 32-bit Wine starts, else the 64-bit build
# (scripts/wine-env.sh chooses and says which).
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT="$PWD"

show() {
  source scripts/wine-env.sh
  wine_prefix_ready

  # A sample program folder with a few extensions, and the stand-in tool at the first place
  # the program looks for it.
  local sample="$WINEPREFIX/drive_c/Tarvic Sample"
  local tool_dir="$WINEPREFIX/drive_c/Program Files (x86)/Common Files/ArcGIS/bin"
  rm -rf "$sample"
  mkdir -p "$sample" "$tool_dir"
  for name in ParcelNum FenceAudit SunPath; do
    echo "sample library" >"$sample/$name.dll"
    echo "sample registry script" >"$sample/$name.reg"
  done
  echo "not an extension" >"$sample/readme.txt"
  cp "$TARVIC_BUILD/tests/e2e/ESRIRegAsm.exe" "$tool_dir/ESRIRegAsm.exe"
  cp "$TARVIC_BUILD/Tarvic_Kit.exe" "$sample/Tarvic_Kit.exe"

  # The program writes its log, the report box's text, just before its window shows.
  local log="$ROOT/build/tarvic-kit-run.log"
  rm -f "$log"
  echo "Running C:\Tarvic Sample\Tarvic_Kit.exe under Wine; its report:"
  echo
  wine 'C:\Tarvic Sample\Tarvic_Kit.exe' "/log:$(winepath -w "$log")" &
  local pid=$! tries=0
  while [ ! -s "$log" ] && kill -0 "$pid" 2>/dev/null && [ $((tries += 1)) -le 600 ]; do
    sleep 0.1
  done
  if [ ! -s "$log" ]; then
    echo "The program wrote no report."
    return 1
  fi
  sleep 1  # let the window paint
  import -window root "$ROOT/build/tarvic-kit-run.png"
  tail -c +4 "$log" | tr -d '\r'  # without the byte-order mark
  echo
  echo "Screenshot: build/tarvic-kit-run.png; batch files: $sample"
  # In a window of the user's own display the program stays until it is closed.
  if [ -n "${TARVIC_RUN_HEADLESS:-}" ]; then kill "$pid"; fi
  wait "$pid" || true
}

if [ "${1:-}" = "--show" ]; then
  show
  exit
fi

scripts/install-deps.sh
source scripts/wine-env.sh
cmake --preset "$TARVIC_PRESET"
cmake --build --preset "$TARVIC_PRESET"

if [ -n "${DISPLAY:-}" ]; then
  show
else
  TARVIC_RUN_HEADLESS=1 xvfb-run -a -s "-screen 0 1280x1024x24" \
    bash -c '"$0" --show; rc=$?; wineserver -k || true; exit $rc' "$0"
fi
