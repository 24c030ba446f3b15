#!/bin/bash
# Builds Tarvic_Kit.exe and runs it under Wine on a sample folder: prints its report, presses
# Copy to Clipboard, saves a screenshot under build/ and closes it. Without a display it runs
# under a virtual one and ends by itself. It runs the shipped 32-bit build where 32-bit Wine
# starts, else the 64-bit build (scripts/wine-env.sh chooses and says which).
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT="$PWD"

show() {
  source scripts/wine-env.sh
  wine_prefix_ready
  local build="${TARVIC_BUILD_DIR:-$TARVIC_BUILD}"

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
  cp "$build/tests/e2e/ESRIRegAsm.exe" "$tool_dir/ESRIRegAsm.exe"
  cp "$build/Tarvic_Kit.exe" "$sample/Tarvic_Kit.exe"

  export TARVIC_E2E_WORK="$ROOT/build/run-work" TARVIC_E2E_SHOTS="$ROOT/build"
  mkdir -p "$TARVIC_E2E_WORK"
  source tests/e2e/host-side.sh
  echo "Running C:\\Tarvic Sample\\Tarvic_Kit.exe under Wine; its report:"
  echo
  local rc=0
  wine "$build/tests/e2e/e2e_driver.exe" --show 'C:\Tarvic Sample\Tarvic_Kit.exe' &
  host_serve $! || rc=$?
  echo "Screenshot: build/tarvic-kit-run.png; batch files: $sample"
  return $rc
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
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '"$0" --show; rc=$?; wineserver -k || true; exit $rc' "$0"
fi
