# Sourced by the end-to-end scripts. While a driver runs under Wine, answers its requests for
# what only the Unix side can do: it writes a line to $TARVIC_E2E_WORK/host-request and waits
# until the file is gone; the answer ("ok" or a reason) is in host-reply.

: "${WINEPREFIX:?}" "${TARVIC_E2E_WORK:?}"
E2E_SHOTS="${TARVIC_E2E_SHOTS:-$TARVIC_E2E_WORK}"
E2E_SAVED_D="$TARVIC_E2E_WORK/.saved-d-drive"

host_map_d() {
  local link="$WINEPREFIX/dosdevices/d:"
  if [ -L "$link" ] && [ ! -e "$E2E_SAVED_D" ]; then readlink "$link" >"$E2E_SAVED_D"; fi
  mkdir -p "$TARVIC_E2E_WORK/$1" && ln -sfn "$TARVIC_E2E_WORK/$1" "$link"
}

host_unmap_d() {
  local link="$WINEPREFIX/dosdevices/d:"
  rm -f "$link"
  if [ -e "$E2E_SAVED_D" ]; then ln -sfn "$(cat "$E2E_SAVED_D")" "$link" && rm -f "$E2E_SAVED_D"; fi
}

host_map_tsclient() {
  mkdir -p "$WINEPREFIX/dosdevices/unc/tsclient" "$TARVIC_E2E_WORK/$1" &&
    ln -sfn "$TARVIC_E2E_WORK/$1" "$WINEPREFIX/dosdevices/unc/tsclient/C"
}

host_unmap_tsclient() {
  rm -f "$WINEPREFIX/dosdevices/unc/tsclient/C"
  rmdir "$WINEPREFIX/dosdevices/unc/tsclient" "$WINEPREFIX/dosdevices/unc" 2>/dev/null || true
}

# fill <folder> <count>: empty files n000001.txt and so on, one in a hundred a .dll or a .reg.
host_fill() {
  local dir="$TARVIC_E2E_WORK/$1"
  mkdir -p "$dir" && (cd "$dir" && seq -f 'n%06g' 1 "$2" |
    awk '{ print $0 (NR % 200 == 0 ? ".dll" : NR % 200 == 100 ? ".reg" : ".txt") }' | xargs touch)
}

host_answer() {
  local verb arg
  read -r verb arg <"$TARVIC_E2E_WORK/host-request"
  case "$verb" in
    # Root may write anywhere; only an immutable folder refuses new files.
    lock) chattr +i "$TARVIC_E2E_WORK/$arg" ;;
    unlock) chattr -i "$TARVIC_E2E_WORK/$arg" ;;
    # Folders too deep or too large for the driver to clear quickly through Wine.
    wipe) case "$arg" in "" | *..*) false ;; *) chattr -R -i "$TARVIC_E2E_WORK/$arg" 2>/dev/null; rm -rf "${TARVIC_E2E_WORK:?}/$arg" ;; esac ;;
    fill) host_fill $arg ;;
    map-d) host_map_d "$arg" ;;
    unmap-d) host_unmap_d ;;
    map-tsclient) host_map_tsclient "$arg" ;;
    unmap-tsclient) host_unmap_tsclient ;;
    shot) mkdir -p "$E2E_SHOTS" && import -window root "$E2E_SHOTS/$arg.png" ;;
    *) false ;;
  esac
}

# Serves requests until the process ends; returns its exit code.
host_serve() {
  local pid=$1
  while kill -0 "$pid" 2>/dev/null; do
    if [ -f "$TARVIC_E2E_WORK/host-request" ]; then
      if host_answer >"$TARVIC_E2E_WORK/host-reply.log" 2>&1; then
        echo ok >"$TARVIC_E2E_WORK/host-reply"
      else
        echo "failed: $(cat "$TARVIC_E2E_WORK/host-reply.log")" >"$TARVIC_E2E_WORK/host-reply"
      fi
      rm -f "$TARVIC_E2E_WORK/host-request"
    fi
    sleep 0.05
  done
  wait "$pid"
}

# Undoes whatever a driver that died left arranged.
host_restore() {
  chattr -R -i "$TARVIC_E2E_WORK" 2>/dev/null || true
  host_unmap_d
  host_unmap_tsclient
  rm -f "$TARVIC_E2E_WORK/host-request"
}
