# Sourced by the scripts that run Windows programs: a private Wine prefix under build/.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]:-$0}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$ROOT/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine decodes Unix file names with the locale's codeset; keep it UTF-8.
export LANG=C.UTF-8 LC_ALL=C.UTF-8

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
