#!/usr/bin/env bash
# Builds the benchmarks in Release, runs each program five times over, and
# prints a short table of medians; then the end-to-end figures of
# plotvane-cli (wall time and peak memory) on a 99 999-point data file.
#   bench/run.sh [build-folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
scripts/build.sh "$dir" >/dev/null

results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT

for program in "$dir"/bench/*_bench; do
  [ -x "$program" ] || continue
  "$program" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_format=json --benchmark_out="$results/$(basename "$program").json" \
    --benchmark_out_format=json >/dev/null
done

python3 - "$results" <<'PY'
import json, pathlib, sys
rows = []
for path in sorted(pathlib.Path(sys.argv[1]).glob("*.json")):
    for b in json.loads(path.read_text())["benchmarks"]:
        if b.get("aggregate_name") != "median":
            continue
        name = b["run_name"].replace("/real_time", "")
        extra = {k: v for k, v in b.items() if k in ("triangles", "bytes_per_second", "items_per_second", "entries")}
        note = ", ".join(f"{k}={v:,.0f}" for k, v in extra.items())
        rows.append((path.stem, name, b["real_time"], b["time_unit"], note))
width = max(len(r[1]) for r in rows) if rows else 10
print(f"{'program':<14} {'benchmark':<{width}} {'median':>12}  notes")
for program, name, t, unit, note in rows:
    print(f"{program:<14} {name:<{width}} {t:>9.3f} {unit:<2}  {note}")
PY

# End to end: plotvane-cli on the most points a text data file can hold.
data="$results/points99999.txt"
python3 - "$data" <<'PY'
import random, sys
random.seed(7)
with open(sys.argv[1], "w", newline="") as f:
    f.write("X\tY\tZ\r\n")
    for _ in range(99999):
        x, y = random.uniform(0, 1000), random.uniform(0, 1000)
        f.write(f"{x:.6f}\t{y:.6f}\t{x * 0.01 + y * 0.02 + random.uniform(0, 1):.4f}\r\n")
PY
echo
measure() {  # label, command...
  local label="$1"; shift
  local best="" mem=""
  for _ in 1 2 3 4 5; do
    /usr/bin/time -f "%e %M" -o "$results/time" "$@" >/dev/null 2>&1
    read -r secs kib < "$results/time"
    if [ -z "$best" ] || awk "BEGIN{exit !($secs < $best)}"; then best=$secs; fi
    mem=$kib
  done
  printf '%-44s best of 5: %6.2f s   peak memory: %6.1f MB\n' "$label" "$best" "$(awk "BEGIN{print $mem/1024}")"
}
measure "plotvane-cli info (99 999 points)" "$dir/cli/plotvane-cli" info "$data"
measure "plotvane-cli grid 1000 x 1000 (99 999 points)" "$dir/cli/plotvane-cli" grid "$data" 0 1 1000 0 1 1000 -o "$results/grid.txt"
measure "plotvane-cli contours to GeoJSON (99 999 points)" "$dir/cli/plotvane-cli" contours "$data" -o "$results/lines.geojson"
measure "plotvane-cli info (the load alone, as above)" "$dir/cli/plotvane-cli" info "$data"
measure "plotvane-cli render to PNG (99 999 points)" "$dir/cli/plotvane-cli" render "$data" -o "$results/page.png"
head -n 10001 "$data" >"$results/points10000.txt"
measure "plotvane-cli render to PNG (10 000 points)" "$dir/cli/plotvane-cli" render "$results/points10000.txt" -o "$results/page10000.png"
measure "plotvane-cli render to SVG (99 999 points)" "$dir/cli/plotvane-cli" render "$data" -o "$results/page.svg"
measure "plotvane-cli render to EMF (99 999 points)" "$dir/cli/plotvane-cli" render "$data" -o "$results/page.emf"
for kind in emf svg; do
  printf '%-44s %6.1f MB\n' "${kind^^} of the page (99 999 points)" "$(awk "BEGIN{print $(stat -c %s "$results/page.$kind")/1048576}")"
done
