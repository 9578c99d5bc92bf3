#!/usr/bin/env bash
# Start-up time, peak memory, calculator opening times and the writing time of a large PDF of a
# Release build, each the median of RUNS runs (default 15, at least 10), under a virtual X display
# when xvfb-run is there.
#   bash bench/run.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
if [ "$runs" -lt 10 ]; then
  echo "at least 10 runs" >&2
  exit 2
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  if command -v xvfb-run >/dev/null; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
  fi
  # A screen as large as the virtual display's, not the platform's own 800×600, on which the
  # windows would close up their layouts to fit.
  export QT_QPA_PLATFORM="offscreen:configfile=$PWD/bench/screen.json"
fi
# The busy process of the loaded figures and a runtime directory made here end with the script,
# however it ends.
busy=
made_runtime_dir=
cleanup() {
  if [ -n "$busy" ]; then kill "$busy" 2>/dev/null || true; fi
  if [ -n "$made_runtime_dir" ]; then rm -rf "$made_runtime_dir"; fi
}
trap cleanup EXIT
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  made_runtime_dir=$XDG_RUNTIME_DIR
  export XDG_RUNTIME_DIR
fi
dir=${BENCH_BUILD_DIR:-build-bench}
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$dir" -j2 --target talvertable talvertable_bench talvertable_bench_bare talvertable_bench_captions \
  >/dev/null
bench_program="$dir/bin/talvertable_bench"
# The offscreen platform warns on every window of what it cannot do; nothing else is dropped.
bench() {
  "$bench_program" "$@" 2> >(grep -v -e "^This plugin does not support" >&2)
}

{
  read -r app_ms app_kib
  read -r bare_ms bare_kib
  read -r captions_ms captions_kib
} <<<"$(bench startup "$runs" "$dir/bin/talvertable" "$dir/bin/talvertable_bench_bare" \
      "$dir/bin/talvertable_bench_captions")"
echo "Display: ${QT_QPA_PLATFORM:-xcb}${DISPLAY:+ on $DISPLAY}; $(nproc) cores; median of $runs runs"
echo
awk -v am="$app_ms" -v ak="$app_kib" -v bm="$bare_ms" -v bk="$bare_kib" -v cm="$captions_ms" -v ck="$captions_kib" 'BEGIN {
  printf "Start-up to the shown main menu   time, ms   peak RSS, MiB\n"
  printf "  talvertable                     %8.1f   %13.1f\n", am, ak / 1024
  printf "  bare Qt Widgets window          %8.1f   %13.1f\n", bm, bk / 1024
  printf "  ratio (target at most 1.3)      %8.2f   %13.2f\n", am / bm, ak / bk
  printf "  %s\n", (am / bm <= 1.3 && ak / bk <= 1.3) ? "targets met" : "TARGET MISSED"
  printf "For reference: the bare window with eleven captioned buttons\n"
  printf "  time, peak RSS                  %8.1f   %13.1f\n", cm, ck / 1024
  printf "  ratio to the bare window        %8.2f   %13.2f\n", cm / bm, ck / bk
}'
echo
echo "Opening a calculator from the main menu (click to shown; target under 30 ms)"
open_times() {
  bench open "$runs" | awk '
    $2 == "-" { printf "  %-6s not in the program yet\n", $1; next }
    { printf "  %-6s median %6.1f ms   first %6.1f ms   %s\n", $1, $2, $3, $2 < 30 && $3 < 30 ? "ok" : "TARGET MISSED" }'
}
open_times
echo "The same with another process busy on a core"
bash -c 'while :; do :; done' &
busy=$!
open_times
kill "$busy"
wait "$busy" 2>/dev/null || true
busy=
echo
echo "The size selection of II-2, from a key typed into its flow to its sizes table painted (target under 16 ms)"
bench typed "$runs" | awk '
  { printf "  median %6.1f ms   first %6.1f ms   %d sizes   %s\n", $1, $2, $3, $1 < 16 ? "ok" : "TARGET MISSED" }'
echo
echo "A handbook page of 1,000 flows across 20 sizes of II-2: built (target under 100 ms), as PDF (under 2 s)"
bench handbook "$runs" | awk '
  { printf "  built: median %6.1f ms   first %6.1f ms   %s\n", $1, $2, $1 < 100 ? "ok" : "TARGET MISSED"
    printf "  PDF:   median %6.1f ms   %d pages   %s\n", $3, $4, $3 < 2000 ? "ok" : "TARGET MISSED" }'
echo
echo "The largest handbook pages of II-2 (200,000 cells at most): built (target under 1 s), as PDF (under 20 s); median of 3 runs"
"$bench" largest 3 | awk '
  { printf "  138 flows x 721 sizes:  built %7.1f ms   PDF %8.1f ms   %d pages   %s\n", $1, $2, $3, ($1 < 1000 && $2 < 20000) ? "ok" : "TARGET MISSED"
    printf "  2000 flows x 49 sizes:  built %7.1f ms   PDF %8.1f ms   %d pages   %s\n", $4, $5, $6, ($4 < 1000 && $5 < 20000) ? "ok" : "TARGET MISSED" }'
echo
echo "A sections file of 10,000 sections read, each checked and calculated again (target under 1 s)"
"$bench" sections "$runs" | awk '
  { printf "  median %6.1f ms   first %6.1f ms   %d KiB   %s\n", $1, $2, $3, $1 < 1000 ? "ok" : "TARGET MISSED" }'
echo
echo "A table of 1,000 sections: opened in its window (target under 1 s), a length edited and the table painted (under 16 ms)"
"$bench" table "$runs" | awk '
  { printf "  opened: median %6.1f ms   first %6.1f ms   %s\n", $1, $2, $1 < 1000 ? "ok" : "TARGET MISSED"
    printf "  edited: median %6.2f ms   first %6.2f ms   %s\n", $3, $4, $3 < 16 ? "ok" : "TARGET MISSED" }'
echo
echo "A network of 1,000 sections computed again after an edit at one end (target under 50 ms)"
"$bench" network "$runs" | awk '
  { printf "  water supply: median %6.2f ms   first %6.2f ms   %s\n", $1, $2, $1 < 50 ? "ok" : "TARGET MISSED"
    printf "  heating:      median %6.2f ms   first %6.2f ms   %s\n", $3, $4, $3 < 50 ? "ok" : "TARGET MISSED" }'
