#!/bin/bash
# Builds Tarvic_Kit.exe and runs it under Wine on a sample folder: prints its report, presses
# Copy to Clipboard, saves a screenshot under build/ and closes it. Without a display it runs
# under a virtual one and ends by itself.
# The shipped program is the 32-bit build (build/windows). A kernel without 32-bit support
# cannot run 32-bit Wine, so what runs here is the same sources built for 64-bit Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT="$PWD"
BUILD="${TARVIC_BUILD_DIR:-$ROOT/build/windows-x64}"

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
  cp "$BUILD/tests/e2e/ESRIRegAsm.exe" "$tool_dir/ESRIRegAsm.exe"
  cp "$BUILD/Tarvic_Kit.exe" "$sample/Tarvic_Kit.exe"

  export TARVIC_E2E_WORK="$ROOT/build/run-work" TARVIC_E2E_SHOTS="$ROOT/build"
  mkdir -p "$TARVIC_E2E_WORK"
  source tests/e2e/host-side.sh
  echo "Running C:\\Tarvic Sample\\Tarvic_Kit.exe under Wine; its report:"
  echo
  local rc=0
  wine "$BUILD/tests/e2e/e2e_driver.exe" --show 'C:\Tarvic Sample\Tarvic_Kit.exe' &
  host_serve $! || rc=$?
  echo "Screenshot: build/tarvic-kit-run.png; batch files: $sample"
  return $rc
}

if [ "${1:-}" = "--show" ]; then
  show
  exit
fi

scripts/install-deps.sh
cmake --preset windows
cmake --build --preset windows
cmake --preset windows-x64
cmake --build --preset windows-x64

if [ -n "${DISPLAY:-}" ]; then
  show
else
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '"$0" --show; rc=$?; wineserver -k || true; exit $rc' "$0"
fi
