#!/bin/bash
# Runs every test: the install script's decisions and the native unit tests; the shipped 32-bit
# program checked as a file, signed, and built again from a copy in other folders to prove the
# same bytes come out; then the Windows-side tests under Wine and Xvfb, on the shipped build where
# 32-bit Wine starts, else on the 64-bit build. Both Windows builds also compile the bench
# programs, so that these keep building. Ends, passed or not, with what ran under which Wine and
# what was not run here, and why.
set -euo pipefail
cd "$(dirname "$0")/.."

steps=("the install step (scripts/install-deps.sh)")
at=0  # the step under way
next_step() { at=$((at + 1)); }
summary() {
  local rc=$? i
  echo
  echo "scripts/test.sh: $([ $rc = 0 ] && echo passed || echo "FAILED (exit $rc)")"
  for i in "${!steps[@]}"; do
    if [ $rc = 0 ] || [ "$i" -lt $at ]; then echo "  ran:          ${steps[i]}"
    elif [ "$i" = $at ]; then echo "  FAILED:       ${steps[i]}"
    else echo "  not reached:  ${steps[i]}"; fi
  done
  [ ${#steps[@]} -gt 1 ] || echo "  not reached:  every test"
  # A green run on the 64-bit build must not read as if the shipped build had run under Wine.
  [ "${TARVIC_PRESET:-windows}" = windows ] || echo "  not run here: the shipped 32-bit build" \
    "under 32-bit Wine (${TARVIC_WINE_WHY:-TARVIC_PRESET=$TARVIC_PRESET})"
}
trap summary EXIT

scripts/install-deps.sh
source scripts/wine-env.sh
wine_step="the shipped 32-bit build (build/windows) under 32-bit Wine"
[ "$TARVIC_PRESET" = windows ] || wine_step="the 64-bit build (build/windows-x64) under 64-bit Wine"
steps+=("the install script's decisions, against fake apt (tests/install)"
  "the native unit tests"
  "the shipped 32-bit build: built, checked as a file, signed and verified (no Wine)"
  "the 64-bit build: built"
  "the shipped 32-bit build built again from a copy: the same bytes"
  "$wine_step: the Windows-side tests, a signed copy's run included")

next_step
bash tests/install/install_deps_test.sh
# Each workflow configures, builds and runs the tests that need no Wine (CMakePresets.json).
for workflow in native windows windows-x64; do
  next_step
  cmake --workflow --preset "$workflow"
done

# A reproducible release: a copy of the sources, built in another folder, gives the same bytes.
next_step
rm -rf build/repro && mkdir -p build/repro/source
tar -c --exclude=./build --exclude=./.git . | tar -x -C build/repro/source
(cd build/repro/source && cmake --preset windows -B ../build >/dev/null)
cmake --build build/repro/build --target Tarvic_Kit
if ! cmp build/windows/Tarvic_Kit.exe build/repro/build/Tarvic_Kit.exe; then
  echo "FAIL: two builds of the same sources differ"
  exit 1
fi
echo "Reproducible: $(sha256sum build/windows/Tarvic_Kit.exe)"

next_step
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  source scripts/wine-env.sh
  wine_prefix_ready
  rc=0
  ctest --preset "$TARVIC_PRESET" -E "^package\." || rc=$?
  wineserver -k || true
  exit $rc'
