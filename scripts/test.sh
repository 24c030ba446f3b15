#!/bin/bash
# Runs every test: native unit tests, then the Windows program's tests under Wine and Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset native
cmake --build --preset native
ctest --preset native

cmake --preset windows
cmake --build --preset windows

xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  source scripts/wine-env.sh
  wine_prefix_ready
  rc=0
  ctest --test-dir build/windows --output-on-failure || rc=$?
  wineserver -k || true
  exit $rc'
