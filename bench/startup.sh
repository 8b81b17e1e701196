#!/usr/bin/env bash
# Start-up time and idle memory of Zelmora beside xclock, in one Xvfb.
# Usage: bench/startup.sh [RUNS]   (after building with -DZELMORA_BENCHMARKS=ON into build-bench)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
ensure_packages xvfb xauth x11-apps libx11-dev
runs=${1:-20}
probe=build-bench/bench/startup_probe
xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
  $probe $runs build-bench/zelmora
  $probe $runs xclock
  $probe $runs build-bench/zelmora
  $probe $runs xclock"
