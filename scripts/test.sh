#!/bin/bash
# Runs every test: the native unit tests; the shipped 32-bit program checked as a file, and built
# again from a copy in other folders to prove the same bytes come out; then the Windows-side tests
# under Wine and Xvfb, on the shipped build where 32-bit Wine starts, else on the 64-bit build.
# Both Windows builds also compile the bench programs, so that these keep building.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

# Each workflow configures, builds and runs the tests that need no Wine (CMakePresets.json).
for workflow in native windows windows-x64; do
  cmake --workflow --preset "$workflow"
done

# A reproducible release: a copy of the sources, built in another folder, gives the same bytes.
rm -rf build/repro && mkdir -p build/repro/source
tar -c --exclude=./build --exclude=./.git . | tar -x -C build/repro/source
(cd build/repro/source && cmake --preset windows -B ../build >/dev/null)
cmake --build build/repro/build --target Tarvic_Kit
if ! cmp build/windows/Tarvic_Kit.exe build/repro/build/Tarvic_Kit.exe; then
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
