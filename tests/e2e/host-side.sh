# Sourced by the end-to-end scripts. While a driver runs under Wine, answers its requests for
# what only the Unix side can do: it writes a line to $TARVIC_E2E_WORK/host-request and waits
# until the file is gone; the answer ("ok" or a reason) is in host-reply.

: "${WINEPREFIX:?}" "${TARVIC_E2E_WORK:?}"

host_answer() {
  local verb arg dir
  read -r verb arg <"$TARVIC_E2E_WORK/host-request"
  dir="$TARVIC_E2E_WORK/$arg"
  case "$verb" in
    # Root may write anywhere; only an immutable folder refuses new files.
    lock) chattr +i "$dir" ;;
    # An empty folder, whatever an earlier run left there; clearing 100000 files through Wine
    # would take minutes.
    fresh) case "$arg" in "" | *..* | */*) false ;; *) chattr -R -i "$dir" 2>/dev/null; rm -rf "$dir" && mkdir -p "$dir" ;; esac ;;
    # fill <folder> <count>: empty files n000001.txt and so on, one in a hundred a .dll or a .reg.
    fill) cd "${dir% *}" && seq -f 'n%06g' 1 "${arg##* }" |
      awk '{ print $0 (NR % 200 == 0 ? ".dll" : NR % 200 == 100 ? ".reg" : ".txt") }' | xargs touch ;;
    shot) mkdir -p "${TARVIC_E2E_SHOTS:-$TARVIC_E2E_WORK}" && import -window root "${TARVIC_E2E_SHOTS:-$TARVIC_E2E_WORK}/$arg.png" ;;
    *) false ;;
  esac
}

# Serves requests until the process ends; returns its exit code.
host_serve() {
  local pid=$1
  while kill -0 "$pid" 2>/dev/null; do
    if [ -f "$TARVIC_E2E_WORK/host-request" ]; then
      if (host_answer) >"$TARVIC_E2E_WORK/host-reply.log" 2>&1; then
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
