#!/bin/bash
# Start-up and scale of the program under Wine, each as a ratio to two programs started in turn
# with it, in the same run and prefix: the same work done the plainest way (bench/same_work) and
# an empty window of the same kind (bench/baseline). Runs the shipped 32-bit build where 32-bit
# Wine starts, else the 64-bit one. Run by hand: bench/run.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS="${1:-7}"

scripts/install-deps.sh
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

export WINEPREFIX="$PWD/build/bench-prefix"
source scripts/wine-env.sh
cmake --preset "$TARVIC_PRESET" >/dev/null
cmake --build --preset "$TARVIC_PRESET" --target Tarvic_Kit same_work baseline launch_timer probe_timer
wine_prefix_ready
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT

SHIPPED=build/windows/Tarvic_Kit.exe
EXE="$TARVIC_BUILD/Tarvic_Kit.exe"
SAME="$TARVIC_BUILD/bench/same_work.exe"
BASE="$TARVIC_BUILD/bench/baseline.exe"
TIMER="$TARVIC_BUILD/bench/launch_timer.exe"
PROBES="$TARVIC_BUILD/bench/probes/probe_timer.exe"
C="$WINEPREFIX/drive_c"
TOOL_DIRS=("$C/Program Files (x86)/Common Files/ArcGIS/bin" "$C/Program Files/Common Files/ArcGIS/bin")
DDRIVE="$PWD/build/bench-ddrive"
D_TOOL_DIR="$DDRIVE/Program Files (x86)/Common Files/ArcGIS/bin"
WORK="$C/tarvic-bench"
OUT=build/bench-results.txt

# The catalogue's library and script names: all 22 extensions present.
EXTENSION_FILES=(ParcelNum.dll ParcelNum.reg PointImport.dll PointImport.reg Scheduler.dll
  CrewRoster.reg road_checker.dll road_checker.reg WellLogs.dll WellLogs.reg NoiseBuffer.dll
  Ovel_Setup.reg SnowGrid.dll SnowGrid.reg Bridge_data2.dll Span2.reg PellmarGrid.dll
  PellmarGrid.reg PVT_Valves.dll PVT_Valves.reg TJ_Joiner.dll TJ_Joiner.reg HelixQuery.dll
  HelixQuery.reg TideCharts.dll TideCharts.reg QvStopSpacing.dll QvStopSpacing.reg
  FenceAudit.dll FenceAudit.reg PellmarDist.dll PellmarDist.reg Estmere_Match.dll
  Estmere_Match.reg Pellmar_KioskGap.dll Pellmar_KioskGap.reg Quillon.dll Quillon.reg
  SunPath.dll SunPath.reg QvStopImport.dll QvStopImport.reg MRB_Orchard.dll MRB_Orchard.reg)

tool_at_first_path() {
  rm -f "$D_TOOL_DIR/ESRIRegAsm.exe"
  mkdir -p "${TOOL_DIRS[0]}"
  cp "$BASE" "${TOOL_DIRS[0]}/ESRIRegAsm.exe"
}

tool_at_sixth_path() {
  rm -f "${TOOL_DIRS[0]}/ESRIRegAsm.exe" "${TOOL_DIRS[1]}/ESRIRegAsm.exe"
  mkdir -p "$D_TOOL_DIR"
  cp "$BASE" "$D_TOOL_DIR/ESRIRegAsm.exe"
  ln -sfn "$DDRIVE" "$WINEPREFIX/dosdevices/d:"
}

# make_folder NAME COUNT: COUNT files, about one in a hundred .dll or .reg, all 22 extensions.
make_folder() {
  local dir="$WORK/$1" count="$2"
  rm -rf "$dir"
  mkdir -p "$dir"
  (cd "$dir" && touch "${EXTENSION_FILES[@]}")
  local extra=$((count - ${#EXTENSION_FILES[@]} - 2))
  local libraries=$((count / 100 - ${#EXTENSION_FILES[@]}))
  [ "$libraries" -lt 0 ] && libraries=0
  (cd "$dir" && seq 1 "$extra" | awk -v libs="$libraries" '{
      ext = (NR <= libs) ? ((NR % 2) ? ".dll" : ".reg") : ".txt";
      printf "data_%06d%s\n", NR, ext }' | xargs -r touch)
  cp "$EXE" "$SAME" "$BASE" "$dir/"
}

# time_set FOLDER RUNS: starts of the program, the same-work program and the empty window in turn.
time_set() {
  local win
  win="$(winepath -w "$WORK/$1")"
  wine "$TIMER" "$2" "$win\\Tarvic_Kit.exe" "$win\\same_work.exe" "$win\\baseline.exe" |
    tr -d '\r' | tail -1
}

field() { sed -n "s/.*\\b$1=\\([^ ]*\\).*/\\1/p" <<<"$2"; }

echo "Machine: $(nproc) cores, $(awk '/MemTotal/ {printf "%.0f GiB", $2/1048576}' /proc/meminfo);" \
  "$(wine --version), $TARVIC_PRESET build; medians of $RUNS interleaved runs per figure" \
  "($((RUNS * 3)) at 22 extensions and 1,000 files)" | tee "$OUT"

tool_at_first_path
declare -A times
# Small folders start in a fraction of a second, where noise weighs most: three times the runs.
make_folder startup 46
times[startup]="$(time_set startup $((RUNS * 3)))"
for n in 1000 10000 100000; do
  make_folder "files$n" "$n"
  runs=$RUNS
  [ "$n" = 1000 ] && runs=$((RUNS * 3))
  times[$n]="$(time_set "files$n" "$runs")"
done

# The fixed probes through the program's own code, with the tool at the first and at the sixth
# path (no remote-desktop session here: the \\tsclient probes fail at once under Wine).
probes_first="$(wine "$PROBES" "$RUNS" | tr -d '\r')"
tool_at_sixth_path
probes_sixth="$(wine "$PROBES" "$RUNS" | tr -d '\r')"
rm -f "$WINEPREFIX/dosdevices/d:"
tool_at_first_path

{
  echo
  printf '%-24s %10s %10s %10s %12s %12s\n' figure "program ms" "same ms" "empty ms" \
    "/same <=1.10" "/empty"
  for key in startup 1000 10000 100000; do
    r="${times[$key]}"
    label="$key files"
    [ "$key" = startup ] && label="22 extensions"
    printf '%-24s %10s %10s %10s %12s %12s\n' "$label" "$(field median_0_ms "$r")" \
      "$(field median_1_ms "$r")" "$(field median_2_ms "$r")" "$(field ratio_1 "$r")" \
      "$(field ratio_2 "$r")"
  done
  r="${times[100000]}"
  echo "report length at 100,000 files: $(field text_0 "$r") characters (same work:" \
    "$(field text_1 "$r")); peak working set $(field peak_ws_0_kib "$r") KiB (same work:" \
    "$(field peak_ws_1_kib "$r") KiB)"
  echo "six fixed probes: $(field probes_median_ms "$probes_first") ms with the tool at the first" \
    "path (found at $(field found_at "$probes_first")), $(field probes_median_ms "$probes_sixth") ms" \
    "at the sixth (found at $(field found_at "$probes_sixth")); medians, worst" \
    "$(field probes_max_ms "$probes_sixth") ms"
  if [ -f "$SHIPPED" ]; then
    size=$(stat -c %s "$SHIPPED")
    echo "shipped 32-bit exe: $size bytes ($((size / 1024)) KiB; goal <= 400 KiB); imports:" \
      "$(i686-w64-mingw32-objdump -p "$SHIPPED" | sed -n 's/.*DLL Name: //p' | tr '\n' ' ')"
  fi
} | tee -a "$OUT"
