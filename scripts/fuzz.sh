#!/usr/bin/env bash
# Fuzzes with libFuzzer under AddressSanitizer and UBSan, half the time each:
# the date readers, and the days file read, written and read again.
# Usage: scripts/fuzz.sh [seconds]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
out=build-fuzz
# shellcheck disable=SC2054  # the commas are the sanitizers' list, not array separators
# build/generated: the program's name and version, which the iCalendar header writes (scripts/test.sh builds first).
flags=(-std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -Isrc -Ibuild/generated)
core=(src/core/calendar/*.cpp src/core/language/*.cpp src/core/locale/*.cpp src/core/numerals/*.cpp)
mkdir -p "$out/corpus" "$out/days_corpus"
clang++ "${flags[@]}" tests/fuzz/parse_fuzz.cpp src/cli/date_argument.cpp src/cli/command_error.cpp "${core[@]}" \
  -o "$out/parse_fuzz"
clang++ "${flags[@]}" tests/fuzz/days_fuzz.cpp src/core/days/days_reader.cpp src/core/days/days_writer.cpp \
  src/core/days/alarm.cpp src/core/days/property_name.cpp src/core/days/reminder.cpp src/core/days/rule_text.cpp src/core/days/memorial.cpp src/core/days/left_out.cpp src/core/ical/*.cpp \
  src/core/memory/pages.cpp "${core[@]}" \
  -o "$out/days_fuzz"
fuzz() {  # target, corpus, seeds
  "$out/$1" -max_total_time=$((seconds / 2)) -max_len=4096 -print_final_stats=1 "$out/$2" "$3" 2>&1 |
    grep -E '^(#|Done|stat::number_of_executed_units|==|SUMMARY)' | tail -4
}
fuzz parse_fuzz corpus tests/fuzz/seeds
fuzz days_fuzz days_corpus tests/fuzz/days_seeds
