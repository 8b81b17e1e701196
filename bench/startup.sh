#!/usr/bin/env bash
# Start-up time (to the window mapped and to its last paint) and idle memory
# of Zelmora's window beside xclock, interleaved in one Xvfb, the order
# rotated each round.
# Usage: bench/startup.sh [ROUNDS]   (after building with -DZELMORA_BENCHMARKS=ON into build-bench)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
ensure_packages $BENCH_PACKAGES
rounds=${1:-21}
xvfb-run -a -s "-screen 0 1024x768x24" build-bench/bench/startup_probe "$rounds" build-bench/zelmora-window xclock
