#!/bin/sh
# Installs, when missing, everything the build, the tests and scripts/sign.sh need on Debian 12.
# 32-bit Wine (wine32:i386) runs the shipped 32-bit program; it installs on any x86-64 machine,
# though it only starts where the kernel runs 32-bit programs (scripts/wine-env.sh checks).
set -eu

SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi

need=""
pkg_missing() { ! dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

for p in cmake g++ make libgtest-dev googletest clang-format \
         g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32 \
         wine wine64 wine32:i386 xvfb xauth imagemagick doctest-dev \
         osslsigncode openssl python3; do
  if pkg_missing "$p"; then need="$need $p"; fi
done

if [ -n "$need" ]; then
  echo "Installing:$need"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  $SUDO apt-get update -q
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends $need
fi
