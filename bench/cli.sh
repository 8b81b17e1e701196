#!/usr/bin/env bash
# Whole-process time of the terminal commands beside `date +%F`, in one run,
# with no display. Target: within 3 times date's wall time.
# Usage: bench/cli.sh [RUNS]   (after building into build-bench, see README)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
ensure_packages hyperfine
runs=${1:-500}
zelmora=build-bench/zelmora
env -u DISPLAY hyperfine --shell=none --warmup 50 --runs "$runs" \
  'date +%F' "$zelmora convert 2008/11/29" "$zelmora holidays --ics" "$zelmora today" "$zelmora month"
