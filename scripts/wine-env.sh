# Sourced by the scripts that run Windows programs: 64-bit Wine and a private prefix under build/.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]:-$0}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$ROOT/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine decodes Unix file names with the locale's codeset; keep it UTF-8.
export LANG=C.UTF-8 LC_ALL=C.UTF-8

# Debian's wine wrappers prefer the 32-bit loader whenever it is installed, even where the kernel
# cannot run it; these shims send wine, wineboot, winepath and the rest to the 64-bit loader.
export WINELOADER=/usr/lib/wine/wine64
WINE_SHIMS="$ROOT/build/wine-shims"
if [ ! -x "$WINE_SHIMS/wine-stable" ]; then
  mkdir -p "$WINE_SHIMS"
  printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' > "$WINE_SHIMS/wine"
  chmod +x "$WINE_SHIMS/wine"
  cp "$WINE_SHIMS/wine" "$WINE_SHIMS/wine-stable"
fi
case ":$PATH:" in *":$WINE_SHIMS:"*) ;; *) export PATH="$WINE_SHIMS:$PATH" ;; esac

# Creates the prefix once. Without a window manager, Managed=N avoids a 2 s stall per window close.
wine_prefix_ready() {
  if [ ! -f "$WINEPREFIX/.tarvic-ready" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.tarvic-ready"
  fi
}
