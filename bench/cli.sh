#!/usr/bin/env bash
# Whole-process wall time of the terminal commands beside their peers, with
# no display: each command beside `date +%F`, `holidays --ics` beside plain
# `holidays`. Rounds of hyperfine, the commands' order rotated each round;
# the median over every run of every round.
# Usage: bench/cli.sh [ROUNDS] [RUNS_PER_ROUND]   (after building into build-bench, see README)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
ensure_packages $BENCH_PACKAGES
rounds=${1:-6}
runs=${2:-100}
zelmora=build-bench/zelmora
commands=('date +%F' "$zelmora today" "$zelmora today --format %Y/%m/%d" "$zelmora now" "$zelmora holidays"
  "$zelmora holidays --ics" "$zelmora convert 2008/11/29" "$zelmora month")
out=$(mktemp -d)
for ((round = 0; round < rounds; round++)); do
  rotated=("${commands[@]:round % ${#commands[@]}}" "${commands[@]:0:round % ${#commands[@]}}")
  env -u DISPLAY hyperfine --shell=none --warmup 20 --runs "$runs" --style none \
    --export-json "$out/$round.json" "${rotated[@]}" >/dev/null
done
python3 - "$out" <<'PY'
import json, pathlib, statistics, sys
times = {}
for f in sorted(pathlib.Path(sys.argv[1]).glob("*.json")):
    for r in json.loads(f.read_text())["results"]:
        times.setdefault(r["command"], []).extend(r["times"])
median = {c: statistics.median(t) * 1e3 for c, t in times.items()}
date = median["date +%F"]
for c, m in median.items():
    print(f"{m:7.3f} ms  {m / date:5.2f} x date +%F  {c}")
ics = [c for c in median if c.endswith("holidays --ics")][0]
print(f"holidays --ics / holidays: {median[ics] / median[ics[: -len(' --ics')]]:.2f}")
PY
rm -r "$out"
