#!/usr/bin/env bash
# Soak run: the real program under Xvfb takes random clicks on every control
# for a while (10 minutes by default). It must not crash, its memory must stay
# within a small margin of where it was after a warm-up, and once the extra
# windows are closed it must idle as it did at the start (no timers left behind).
# Usage: scripts/soak.sh [SECONDS] [BUILD_DIR]
#   SOAK_WARMUP: random actions after the first of each kind (300 by default)
#   SOAK_MEASURE=0: no memory or idle bounds (the sanitizers' own memory grows)
set -euo pipefail
export SOAK_SECONDS=${1:-600} ZELMORA
ZELMORA=$(realpath -m -- "${2:-$(dirname "$0")/../build}/zelmora")
export SOAK_WARMUP=${SOAK_WARMUP:-300} SOAK_MEASURE=${SOAK_MEASURE:-1}
cd "$(dirname "$0")/.."
export SCRIPTS=$PWD/scripts
. scripts/deps.sh
ensure_packages xvfb xauth xdotool
[ -x "$ZELMORA" ] || { echo "soak: build first ($ZELMORA is missing)" >&2; exit 1; }
exec xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
set -euo pipefail
work=$(mktemp -d)
trap "rm -rf \"$work\"" EXIT  # the page and pictures the clicks wrote
mkdir "$work/bin"
printf "#!/bin/sh\nexit 0\n" > "$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
cd "$work"
PATH="$work/bin:$PATH" "$ZELMORA" >/dev/null & app=$!
. "$SCRIPTS/main_window.sh"
main=$(main_window)
[ -n "$main" ] || { echo "soak: FAILED, no main window"; exit 1; }

rss() { awk "/^VmRSS:/ {print \$2}" /proc/$app/status; }
cpu_us() { awk "{print int(\$1 / 1000)}" /proc/$app/schedstat; }
alive() { kill -0 $app 2>/dev/null || { echo "soak: FAILED, the program ended"; exit 1; }; }
click() { xdotool mousemove --window "$main" "$1" "$2" click 1; }
close_others() {  # clock and About windows: Escape closes each
  for w in $(xdotool search --onlyvisible --name "^(Ethiopian Clock|About Zelmora)\$" 2>/dev/null); do
    xdotool windowfocus --sync "$w" key Escape 2>/dev/null || true
  done
}
idle_cpu() { local t0; close_others; sleep 1; t0=$(cpu_us); sleep 10; echo $(( $(cpu_us) - t0 )); }
measured_idle_cpu() { if (( SOAK_MEASURE )); then idle_cpu; else echo 0; fi; }
action_kinds=12
random_action() {  # random_action [KIND]
  case ${1:-$((RANDOM % action_kinds))} in
    0) click $((RANDOM % 7 < 3 ? 12 + 24 * (RANDOM % 3) : 290 + 24 * (RANDOM % 3))) 79 ;;  # arrows, -, +
    1) click 97 79 ;;                                              # Today
    2) click 328 42 ;;                                             # base button
    3|4|5) click $((RANDOM % 350)) $((110 + RANDOM % 234)) ;;      # a day (or a hidden cell)
    6) click 170 79; xdotool key $(printf "Down %.0s" $(seq $((RANDOM % 13)))) Return ;;  # month chooser
    7) click 250 79; xdotool key ctrl+a type "$((1500 + RANDOM % 9000))"  # year box; Return again
       xdotool key Return; sleep 0.1; xdotool key Return ;;                 # closes the range alert
    8) click 22 42 ;;                                              # small clock: a clock window
    9) click 20 10; xdotool key Down Return ;;                     # Tool > Clock
    10) click 20 10; xdotool key Down Down Return ;;               # Tool > Output html
    11) click 72 10; xdotool key Down Down Down Return ;;          # Help > About
  esac
}

sleep 1
idle_before=$(measured_idle_cpu)
for ((i = 0; i < action_kinds; i++)); do random_action $i; alive; close_others; done  # warm-up: each kind once,
for ((i = 1; i <= SOAK_WARMUP; i++)); do random_action; alive; (( i % 10 )) || close_others; done  # then at random
close_others; sleep 1
rss_start=$(rss); start=$(date +%s); actions=0; rss_peak=$rss_start
while (( $(date +%s) - start < SOAK_SECONDS )); do
  random_action; actions=$((actions + 1)); alive
  (( actions % 10 )) || close_others
  (( actions % 200 )) || { r=$(rss); (( r > rss_peak )) && rss_peak=$r; echo "soak: $actions actions, resident $r kB"; }
done
close_others; sleep 2; alive
rss_end=$(rss)
idle_after=$(measured_idle_cpu)
echo "soak: $actions actions in $SOAK_SECONDS s; resident $rss_start kB after warm-up, $rss_end kB at the end (peak $rss_peak kB)"
echo "soak: CPU over 10 s idle: $idle_before us at the start, $idle_after us at the end"
kill $app
status=0
(( SOAK_MEASURE )) || exit 0
(( rss_end - rss_start <= 2048 )) || { echo "soak: FAILED, memory grew by $((rss_end - rss_start)) kB"; status=1; }
(( idle_after <= 2 * idle_before + 5000 )) || { echo "soak: FAILED, idle CPU went up: timers left behind?"; status=1; }
exit $status'
