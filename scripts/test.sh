#!/bin/bash
# Runs every test: native unit tests; the shipped 32-bit program checked as a file; then the
# Windows-side tests of the same sources (64-bit build) under Wine and Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset native
cmake --build --preset native
ctest --preset native

cmake --preset windows
cmake --build --preset windows
ctest --test-dir build/windows --output-on-failure

cmake --preset windows-x64
cmake --build --preset windows-x64

xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  source scripts/wine-env.sh
  wine_prefix_ready
  rc=0
  ctest --preset windows-x64 || rc=$?
  wineserver -k || true
  exit $rc'
