#!/usr/bin/env bash
# The window's start-up with the user's days: 10,000 days in the file beside
# no file at all, interleaved in one Xvfb, each with a data folder of its own.
# Usage: bench/days_startup.sh [ROUNDS] [DAYS]   (after building with -DZELMORA_BENCHMARKS=ON into build-bench)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
# shellcheck disable=SC2086
ensure_packages $BENCH_PACKAGES
rounds=${1:-21}
days=${2:-10000}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/none" "$scratch/many/zelmora" "$scratch/home"
python3 bench/many_days.py "$days" "$scratch/many/zelmora/days.ics"
export HOME="$scratch/home"
xvfb-run -a -s "-screen 0 1024x768x24" build-bench/bench/startup_probe "$rounds" \
  "env XDG_DATA_HOME=$scratch/none build-bench/zelmora-window" \
  "env XDG_DATA_HOME=$scratch/many build-bench/zelmora-window"
