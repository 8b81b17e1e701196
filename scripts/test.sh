#!/usr/bin/env bash
# Builds Zelmora twice, plainly and with AddressSanitizer + UndefinedBehaviorSanitizer,
# runs every test in both, then fuzzes the date reader for a short while.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
ensure_packages $BUILD_PACKAGES $TEST_PACKAGES
jobs=$(nproc)

cmake -S . -B build -DBUILD_TESTING=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-sanitize -DBUILD_TESTING=ON -DZELMORA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"

scripts/fuzz.sh "${ZELMORA_FUZZ_SECONDS:-30}"
