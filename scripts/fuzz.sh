#!/usr/bin/env bash
# Fuzzes the date readers with libFuzzer under AddressSanitizer and UBSan.
# Usage: scripts/fuzz.sh [seconds]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
out=build-fuzz
mkdir -p "$out/corpus"
clang++ -std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -Isrc \
  tests/fuzz/parse_fuzz.cpp src/calendar/*.cpp src/cli/date_argument.cpp src/cli/command_error.cpp \
  src/language/*.cpp src/locale/*.cpp src/numerals/*.cpp -o "$out/parse_fuzz"
"$out/parse_fuzz" -max_total_time="$seconds" -print_final_stats=1 "$out/corpus" tests/fuzz/seeds 2>&1 |
  grep -E '^(#|Done|stat::number_of_executed_units|==|SUMMARY)' | tail -4
