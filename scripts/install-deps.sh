#!/bin/sh
# Installs, when missing, everything the build and the tests need on Debian 12.
set -eu

SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi

need=""
pkg_missing() { ! dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

for p in cmake g++ make libgtest-dev googletest clang-format \
         g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32 \
         wine wine64 xvfb xauth imagemagick doctest-dev; do
  if pkg_missing "$p"; then need="$need $p"; fi
done

if [ -n "$need" ]; then
  echo "Installing:$need"
  $SUDO apt-get update -q
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends $need
fi
