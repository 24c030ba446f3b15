# Sourced by the scripts that run Windows programs: picks the build that this machine's Wine can
# run, and a private prefix under build/.
#
# The shipped program is the 32-bit build (preset windows). Where 32-bit Wine (wine32:i386) is
# missing, or the kernel cannot start it, the same sources built for 64-bit Windows (preset
# windows-x64) run under 64-bit Wine. TARVIC_WINE_ARCH=64 forces that fallback, to check it still
# passes here. Sets TARVIC_PRESET, TARVIC_BUILD, WINELOADER, and TARVIC_WINE_WHY, why the shipped
# build is not the one (empty when it is); a script that sourced it passes its choice on to the
# scripts it starts.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]:-$0}")/.." && pwd)"
# Wine's loader for i686 or x86_64: the emulator that toolchain file names, for ctest as here.
wine_loader() {
  sed -n 's/^set(CMAKE_CROSSCOMPILING_EMULATOR \(.*\))$/\1/p' "$ROOT/cmake/toolchain-$1-w64-mingw32.cmake"
}
if [ -z "${TARVIC_PRESET:-}" ]; then
  TARVIC_WINE_WHY=""
  if [ "${TARVIC_WINE_ARCH:-}" = 64 ]; then
    TARVIC_WINE_WHY="TARVIC_WINE_ARCH=64"
  elif ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed"; then
    TARVIC_WINE_WHY="wine32:i386 is not installed"
    # scripts/install-deps.sh keeps apt's reason there.
    state="$ROOT/build/install-deps.state"
    [ ! -s "$state" ] || TARVIC_WINE_WHY="wine32:i386 could not be installed: $(<"$state")"
  elif ! "$(wine_loader i686)" --version >/dev/null 2>&1; then
    TARVIC_WINE_WHY="32-bit Wine is installed, but this kernel cannot start it"
  fi
  if [ -z "$TARVIC_WINE_WHY" ]; then
    TARVIC_PRESET=windows
    echo "Wine: the shipped 32-bit build (build/windows) under 32-bit Wine" >&2
  else
    TARVIC_PRESET=windows-x64
    echo "Wine: the 64-bit build (build/windows-x64) under 64-bit Wine ($TARVIC_WINE_WHY)" >&2
  fi
fi
WINELOADER=$(wine_loader x86_64)
[ "$TARVIC_PRESET" = windows ] && WINELOADER=$(wine_loader i686)
TARVIC_BUILD="$ROOT/build/$TARVIC_PRESET"
export TARVIC_PRESET TARVIC_BUILD WINELOADER TARVIC_WINE_WHY
export WINEPREFIX="${WINEPREFIX:-$ROOT/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine decodes Unix file names with the locale's codeset; keep it UTF-8.
export LANG=C.UTF-8 LC_ALL=C.UTF-8

# Debian's wine wrappers prefer the 32-bit loader whenever it is installed, even where the kernel
# cannot run it; these shims send wine, wineboot, winepath and the rest to the chosen loader.
WINE_SHIMS="$ROOT/build/wine-shims"
if ! grep -qs WINELOADER "$WINE_SHIMS/wine-stable"; then
  mkdir -p "$WINE_SHIMS"
  printf '#!/bin/sh\nexec "$WINELOADER" "$@"\n' >"$WINE_SHIMS/wine"
  chmod +x "$WINE_SHIMS/wine"
  cp "$WINE_SHIMS/wine" "$WINE_SHIMS/wine-stable"
fi
case ":$PATH:" in *":$WINE_SHIMS:"*) ;; *) export PATH="$WINE_SHIMS:$PATH" ;; esac

# Readies the prefix once per loader: one prefix serves both builds, so 64-bit programs also run
# where 32-bit DLLs are installed and the reverse. Without a window manager, Managed=N avoids a
# 2 s stall per window close.
wine_prefix_ready() {
  local mark="$WINEPREFIX/.tarvic-ready-${WINELOADER##*/}"
  # A prefix of ours made before 32-bit Wine was installed lacks its DLLs: made afresh once it is.
  if [ "$TARVIC_PRESET" = windows ] && [[ "$WINEPREFIX" == "$ROOT/build/"* ]] &&
    [ -f "$WINEPREFIX/.tarvic-ready-wine64" ] &&
    [ ! -e "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; then
    rm -rf "$WINEPREFIX"
  fi
  if [ ! -f "$mark" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    wineboot -u >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w
    touch "$mark"
  fi
}
