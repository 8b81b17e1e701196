#!/usr/bin/env bash
# Builds Zelmora twice, plainly and with AddressSanitizer + UndefinedBehaviorSanitizer,
# runs every test in both, then fuzzes the date readers and the days file for a short while.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
ensure_packages $BUILD_PACKAGES $TEST_PACKAGES
jobs=$(nproc)
# A test that hangs fails after ten minutes instead of holding the run for CTest's twenty-five.
timeout=600

cmake -S . -B build -DBUILD_TESTING=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs" --timeout "$timeout"

cmake -S . -B build-sanitize -DBUILD_TESTING=ON -DZELMORA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs" --timeout "$timeout"

scripts/fuzz.sh "${ZELMORA_FUZZ_SECONDS:-30}"
