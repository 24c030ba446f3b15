# shellcheck shell=bash
# Sourced by the e2e scripts: does for a driver under Wine what only the Unix side can, asked by a
# line in $TARVIC_E2E_WORK/host-request; replies in host-reply, "ok" or "failed: <reason>".
: "${TARVIC_E2E_WORK:?}"

host_answer() {
  local verb arg dir
  read -r verb arg <"$TARVIC_E2E_WORK/host-request"
  dir="$TARVIC_E2E_WORK/$arg"
  case "$verb" in
    # Root may write anywhere; only an immutable folder refuses new files.
    lock) chattr +i "$dir" ;;
    fresh) [[ "$arg" != "" && "$arg" != *..* && "$arg" != */* ]] &&
      { chattr -i "$dir" 2>/dev/null; rm -rf "$dir" && mkdir -p "$dir"; } ;;
    shot) dir="${TARVIC_E2E_SHOTS:-$TARVIC_E2E_WORK}" &&
      mkdir -p "$dir" && import -window root "$dir/$arg.png" ;;
    *) false ;;
  esac
}

# Serves requests until the process ends; returns its exit code.
host_serve() {
  while kill -0 "$1" 2>/dev/null; do
    if [ -f "$TARVIC_E2E_WORK/host-request" ]; then
      if out=$(host_answer 2>&1); then reply=ok; else reply="failed: $out"; fi
      rm -f "$TARVIC_E2E_WORK/host-request"
      echo "$reply" >"$TARVIC_E2E_WORK/host-reply"
    fi
    sleep 0.05
  done
  wait "$1"
}
