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
# Birthdays, monthly days and one-off days spread over a century, as a
# family's file grows; every repeat the store keeps.
python3 - "$days" > "$scratch/many/zelmora/days.ics" <<'PY'
import datetime, sys
rules = ["RRULE:RSCALE=ETHIOPIC;FREQ=YEARLY\r\n", "RRULE:RSCALE=ETHIOPIC;FREQ=MONTHLY\r\n",
         "RRULE:FREQ=YEARLY\r\n", ""]
out = ["BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Zelmora bench//EN\r\n"]
first = datetime.date(1926, 1, 1)
for i in range(int(sys.argv[1])):
    day = first + datetime.timedelta(days=(i * 3659) % 36500)
    out.append("BEGIN:VEVENT\r\nUID:bench-%d@zelmora.example.org\r\nDTSTAMP:20260101T000000Z\r\n"
               "DTSTART;VALUE=DATE:%s\r\nSUMMARY:Day %d\r\n%sEND:VEVENT\r\n" % (i, day.strftime("%Y%m%d"), i, rules[i % 4]))
out.append("END:VCALENDAR\r\n")
sys.stdout.write("".join(out))
PY
export HOME="$scratch/home"
xvfb-run -a -s "-screen 0 1024x768x24" build-bench/bench/startup_probe "$rounds" \
  "env XDG_DATA_HOME=$scratch/none build-bench/zelmora-window" \
  "env XDG_DATA_HOME=$scratch/many build-bench/zelmora-window"
