#!/bin/bash
# Installs, when missing, everything the build, the tests and scripts/sign.sh need on Debian 12.
#
# Every package is required but 32-bit Wine (wine32:i386), which runs the shipped 32-bit program.
# Its i386 libraries must have the versions of their amd64 twins, so a mirror whose i386 index
# is out of step can make it impossible to install; the 64-bit build then runs under 64-bit Wine
# (scripts/wine-env.sh). That outcome is kept in build/install-deps.state, so that later runs ask
# apt nothing and say it again; --retry-wine32, or deleting the file, tries again.
# TARVIC_APT_RETRY_DELAY: seconds between the tries of apt-get update (5).
set -euo pipefail
STATE="$(cd "$(dirname "$0")/.." && pwd)/build/install-deps.state"
REQUIRED=(cmake g++ make libgtest-dev googletest clang-format g++-mingw-w64-i686-win32
  g++-mingw-w64-x86-64-win32 wine wine64 xvfb xauth imagemagick doctest-dev osslsigncode openssl
  python3)
say() { echo "install-deps.sh: $*" >&2; }
no_wine32() {
  say "wine32:i386 could not be installed ($(<"$STATE")): the shipped 32-bit build will not run" \
    "under Wine here; the 64-bit build of the same sources will."
}

case "${1:-}" in
  "") ;;
  --retry-wine32) rm -f "$STATE" ;;
  *) echo "usage: scripts/install-deps.sh [--retry-wine32]" >&2; exit 2 ;;
esac

missing() { ! dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
need=()
for p in "${REQUIRED[@]}"; do if missing "$p"; then need+=("$p"); fi; done
wine32=no
if ! missing wine32:i386; then
  rm -f "$STATE"
elif [ -s "$STATE" ]; then
  no_wine32
else
  wine32=yes
fi
[ ${#need[@]} -gt 0 ] || [ $wine32 = yes ] || exit 0

SUDO=()
[ "$(id -u)" = 0 ] || SUDO=(sudo)
out="$(mktemp)"
trap 'rm -f "$out"' EXIT
# sudo's env_reset drops variables set before it: env sets this one after. Keeps the output for
# its error lines.
apt() { "${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "$@" 2>&1 | tee "$out"; }

if [ $wine32 = yes ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${SUDO[@]}" dpkg --add-architecture i386
fi
# One index out of step must not stop the rest: apt-get install finds what is really missing.
tries=1
until apt update -q; do
  if [ $tries = 3 ]; then
    say "apt-get update failed for some indexes; going on: $(grep -m1 '^E:' "$out")"
    break
  fi
  tries=$((tries + 1))
  sleep "${TARVIC_APT_RETRY_DELAY:-5}"
done

if [ ${#need[@]} -gt 0 ] && ! apt install -y -q --no-install-recommends "${need[@]}"; then
  say "could not install the required packages ${need[*]}:"
  grep -E '^E:|Depends:' "$out" >&2
  exit 1
fi
if [ $wine32 = yes ] && ! apt install -y -q --no-install-recommends wine32:i386; then
  mkdir -p "$(dirname "$STATE")"
  { grep -m1 -E '^E:|Depends:' "$out" || echo "apt-get install failed"; } | sed 's/^ *//' >"$STATE"
  no_wine32
fi
