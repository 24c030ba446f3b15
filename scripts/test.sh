#!/bin/bash
# Runs every test: the native unit tests; the shipped 32-bit program checked as a file, and built
# again in another folder to prove the same bytes come out; then the Windows-side tests under Wine
# and Xvfb, on the shipped build where 32-bit Wine starts, else on the 64-bit build. Both Windows
# builds also compile the bench programs, so that these keep building.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset native
cmake --build --preset native
ctest --preset native

for preset in windows windows-x64; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
done
ctest --preset windows -R '^package\.'

# A reproducible release: the bytes do not depend on the build folder, the time or the machine.
cmake --preset windows -B build/repro >/dev/null
cmake --build build/repro --target Tarvic_Kit
if ! cmp build/windows/Tarvic_Kit.exe build/repro/Tarvic_Kit.exe; then
  echo "FAIL: two builds of the same sources differ"
  exit 1
fi
echo "Reproducible: $(sha256sum build/windows/Tarvic_Kit.exe)"

xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  source scripts/wine-env.sh
  wine_prefix_ready
  rc=0
  ctest --preset "$TARVIC_PRESET" -E "^package\." || rc=$?
  wineserver -k || true
  exit $rc'
