#!/bin/bash
# Benchmarks of the release program under Wine, each as a ratio against a baseline measured in
# the same run and the same prefix. Run by hand: bench/run.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS="${1:-10}"

scripts/install-deps.sh
# The shipped program is 32-bit; its size and imports are measured on it. Timings run the same
# sources built for 64-bit Wine (32-bit Wine needs kernel support these machines lack), against
# a baseline built the same way.
cmake --preset windows >/dev/null
cmake --build --preset windows --target Tarvic_Kit
cmake --preset windows-x64 >/dev/null
cmake --build --preset windows-x64 --target Tarvic_Kit probe_timer
cmake -S bench -B build/bench -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchain-x86_64-w64-mingw32.cmake" \
  -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build build/bench

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

export WINEPREFIX="$PWD/build/bench/wineprefix"
source scripts/wine-env.sh
wine_prefix_ready
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT

SHIPPED=build/windows/Tarvic_Kit.exe
EXE=build/windows-x64/Tarvic_Kit.exe
BASE=build/bench/baseline.exe
TIMER=build/bench/launch_timer.exe
C="$WINEPREFIX/drive_c"
TOOL_DIRS=("$C/Program Files (x86)/Common Files/ArcGIS/bin" "$C/Program Files/Common Files/ArcGIS/bin")
DDRIVE="$PWD/build/bench/ddrive"
D_TOOL_DIR="$DDRIVE/Program Files (x86)/Common Files/ArcGIS/bin"
WORK="$C/tarvic-bench"
OUT=build/bench/results.txt

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
  cp "$EXE" "$BASE" "$dir/"
}

# time_pair FOLDER: interleaved starts of the product and the baseline from FOLDER.
time_pair() {
  local win
  win="$(winepath -w "$WORK/$1")"
  wine "$TIMER" "$RUNS" "$win\\Tarvic_Kit.exe" "$win\\baseline.exe" | tr -d '\r' | tail -1
}

field() { sed -n "s/.*\\b$1=\\([^ ]*\\).*/\\1/p" <<<"$2"; }

echo "Machine: $(nproc) cores, $(awk '/MemTotal/ {printf "%.0f GiB", $2/1048576}' /proc/meminfo);" \
  "$(wine --version); $RUNS interleaved runs per figure (medians)" | tee "$OUT"

tool_at_first_path
make_folder startup 46
startup="$(time_pair startup)"

declare -A scale
for n in 1000 10000 100000; do
  make_folder "files$n" "$n"
  scale[$n]="$(time_pair "files$n")"
done

# The fixed probes through the program's own code, with the tool at the first and at the sixth
# path (no remote-desktop session here: the \\tsclient probes fail at once under Wine).
PROBES=build/windows-x64/bench/probes/probe_timer.exe
probes_first="$(wine "$PROBES" "$RUNS" | tr -d '\r')"
tool_at_sixth_path
probes_sixth="$(wine "$PROBES" "$RUNS" | tr -d '\r')"
rm -f "$WINEPREFIX/dosdevices/d:"
tool_at_first_path

size=$(stat -c %s "$SHIPPED")
imports=$(i686-w64-mingw32-objdump -p "$SHIPPED" | sed -n 's/.*DLL Name: //p' | tr '\n' ' ')

{
  echo
  printf '%-34s %10s %10s %7s %7s\n' "figure" "product ms" "base ms" "ratio" "goal"
  printf '%-34s %10s %10s %7s %7s\n' "start-up, 22 extensions" "$(field median_a_ms "$startup")" \
    "$(field median_b_ms "$startup")" "$(field ratio "$startup")" "<=1.3"
  for n in 1000 10000 100000; do
    r="${scale[$n]}"
    printf '%-34s %10s %10s %7s %7s\n' "scale, $n files" "$(field median_a_ms "$r")" \
      "$(field median_b_ms "$r")" "$(field ratio "$r")" "<=1.3"
  done
  extra() { awk -v a="$(field median_a_ms "$1")" -v b="$(field median_b_ms "$1")" 'BEGIN {print a - b}'; }
  e1=$(extra "${scale[1000]}"); e2=$(extra "${scale[10000]}"); e3=$(extra "${scale[100000]}")
  slope=$(awk -v x1=1 -v x2=10 -v x3=100 -v y1="$e1" -v y2="$e2" -v y3="$e3" 'BEGIN {
      mx = (x1 + x2 + x3) / 3; my = (y1 + y2 + y3) / 3;
      sxy = (x1-mx)*(y1-my) + (x2-mx)*(y2-my) + (x3-mx)*(y3-my);
      sxx = (x1-mx)^2 + (x2-mx)^2 + (x3-mx)^2; printf "%.2f", sxy / sxx }')
  echo "extra time of the product over the baseline: $e1 / $e2 / $e3 ms at 1k / 10k / 100k files;" \
    "least-squares slope $slope ms per 1,000 files"
  echo "six fixed probes: $(field probes_median_ms "$probes_first") ms with the tool at the first" \
    "path (found at $(field found_at "$probes_first")), $(field probes_median_ms "$probes_sixth") ms" \
    "at the sixth (found at $(field found_at "$probes_sixth")); medians, worst" \
    "$(field probes_max_ms "$probes_sixth") ms"
  echo "shipped 32-bit exe size: $size bytes ($((size / 1024)) KiB; goal <= 400 KiB)"
  echo "imports: $imports"
  echo "peak working set at 100,000 files: $(field peak_ws_a_kib "${scale[100000]}") KiB" \
    "(baseline $(field peak_ws_b_kib "${scale[100000]}") KiB); report length" \
    "$(field text_a "${scale[100000]}") characters"
} | tee -a "$OUT"
