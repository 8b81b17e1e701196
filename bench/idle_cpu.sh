#!/usr/bin/env bash
# CPU used by Zelmora sitting idle with its main window and one clock window
# open, beside `xclock -update 1`, both over the same minute in one Xvfb.
# Usage: bench/idle_cpu.sh [SECONDS]   (after building into build-bench)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
ensure_packages $BENCH_PACKAGES
seconds=${1:-60}
export SECONDS_TO_WATCH=$seconds ZELMORA=$PWD/build-bench/zelmora SCRIPTS=$PWD/scripts
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  cpu_us() { awk "{print int(\$1 / 1000)}" /proc/$1/schedstat; }  # time on a CPU
  cd "$(mktemp -d)"
  "$ZELMORA" >/dev/null & zelmora=$!
  . "$SCRIPTS/main_window.sh"
  main=$(main_window)
  xdotool mousemove --window "$main" 22 42 click 1   # the small clock opens the clock window
  timeout 10 xdotool search --sync --name "^Ethiopian Clock\$" >/dev/null
  xclock -update 1 & xclock=$!
  sleep 2
  z0=$(cpu_us $zelmora); x0=$(cpu_us $xclock)
  sleep "$SECONDS_TO_WATCH"
  z1=$(cpu_us $zelmora); x1=$(cpu_us $xclock)
  awk -v z=$((z1 - z0)) -v x=$((x1 - x0)) -v s=$SECONDS_TO_WATCH "BEGIN {
    printf \"zelmora (main + clock window): %.1f ms CPU in %d s (%.3f%%)\n\", z / 1000, s, z / 10000 / s
    printf \"xclock -update 1:              %.1f ms CPU in %d s (%.3f%%)\n\", x / 1000, s, x / 10000 / s }"
  kill $zelmora $xclock'
