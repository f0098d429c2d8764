#!/usr/bin/env bash
# Builds the benchmarks in Release, runs each program five times over, and
# prints a short table of medians; then the end-to-end figures of
# plotvane-cli (whole process: wall time and peak memory) on uniform random
# data files of 10 000, 31 623 and 99 999 points, beside the same jobs done by
# the scientific Python stack in the same run (bench/peers.py; Debian's
# python3-scipy and python3-matplotlib, which `scripts/setup.sh --bench`
# installs), and how the times grow from 10 000 to 99 999 points.
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

# End to end, on uniform random points (the largest is the most a text data
# file can hold), written as the desktop program's users write them.
for count in 10000 31623 99999; do
  python3 - "$results/points$count.txt" "$count" <<'PY'
import random, sys
random.seed(7)
with open(sys.argv[1], "w", newline="") as f:
    f.write("X\tY\tZ\r\n")
    for _ in range(int(sys.argv[2])):
        x, y = random.uniform(0, 1000), random.uniform(0, 1000)
        f.write(f"{x:.6f}\t{y:.6f}\t{x * 0.01 + y * 0.02 + random.uniform(0, 1):.4f}\r\n")
PY
done

# best_of COMMAND...: the best wall time of five runs in seconds, and the
# peak memory of the last, into $best and $peak_mb.
best_of() {
  best="" peak_mb=""
  for _ in 1 2 3 4 5; do
    /usr/bin/time -f "%e %M" -o "$results/time" "$@" >/dev/null 2>&1 || { best="failed"; return; }
    read -r secs kib < "$results/time"
    if [ -z "$best" ] || awk "BEGIN{exit !($secs < $best)}"; then best=$secs; fi
    peak_mb=$(awk "BEGIN{printf \"%.0f\", $kib / 1024}")
  done
}

cli="$dir/cli/plotvane-cli"
peer_python=/usr/bin/python3
peers=yes
"$peer_python" -c "import scipy, matplotlib" 2>/dev/null || peers=no

declare -A ours
echo
printf '%-34s %9s %9s %9s   %s\n' "plotvane-cli (whole process)" "10 000" "31 623" "99 999" "peak memory at 99 999"
row() {  # label, job name, then the command with POINTS standing for the data file
  local label="$1" job="$2"; shift 2
  local line peak=""
  line=$(printf '%-34s' "$label")
  for count in 10000 31623 99999; do
    best_of "${@//POINTS/$results/points$count.txt}"
    ours[$job,$count]=$best
    line+=$(printf ' %8ss' "$best")
    peak=$peak_mb
  done
  echo "$line   $peak MB"
}
row "info (read, mesh, rate)" info "$cli" info POINTS
row "render to PNG" render "$cli" render POINTS -o "$results/page.png"
row "grid 1000 x 1000 to a file" grid "$cli" grid POINTS 0 1 1000 0 1 1000 -o "$results/grid.txt"
row "contours to GeoJSON" contours "$cli" contours POINTS -o "$results/lines.geojson"
row "render to SVG" svg "$cli" render POINTS -o "$results/page.svg"
row "render to EMF" emf "$cli" render POINTS -o "$results/page.emf"
for kind in emf svg; do
  printf '%-34s %6.1f MB at 99 999 points\n' "${kind^^} file" "$(awk "BEGIN{print $(stat -c %s "$results/page.$kind")/1048576}")"
done

echo
echo "growth from 10 000 to 99 999 points (10 x the points):"
for job in info render grid contours; do
  printf '  %-10s %5.1f x the time\n' "$job" "$(awk "BEGIN{print ${ours[$job,99999]} / ${ours[$job,10000]}}")"
done

echo
if [ "$peers" = no ]; then
  echo "peers: not installed (scripts/setup.sh --bench installs Debian's python3-scipy and python3-matplotlib)"
  exit 0
fi
printf '%-60s %9s %9s %7s  %s\n' "the same job, 99 999 points" "plotvane" "peer" "ratio" "goal"
peer() {  # label, our job, goal, peer arguments
  local label="$1" job="$2" goal="$3"; shift 3
  best_of "$peer_python" bench/peers.py "$@"
  printf '%-60s %8ss %8ss %7.2f  <= %s\n' "$label" "${ours[$job,99999]}" "$best" \
    "$(awk "BEGIN{print ${ours[$job,99999]} / $best}")" "$goal"
}
peer "info / SciPy: read with NumPy, Delaunay (Qhull)" info 0.3 mesh "$results/points99999.txt"
peer "render / matplotlib: tricontourf, tricontour, colour bar" render 0.2 render "$results/points99999.txt" "$results/peer.png"
peer "grid with its file / SciPy griddata, linear, no file" grid 0.3 grid "$results/points99999.txt" 1000

# The two goals measured inside one process, from the benchmark table above.
python3 - "$results" <<'PY'
import json, pathlib, sys
medians = {}
for path in pathlib.Path(sys.argv[1]).glob("*.json"):
    for b in json.loads(path.read_text())["benchmarks"]:
        if b.get("aggregate_name") == "median":
            medians[b["run_name"]] = b["real_time"]
for name, label, goal in (("BM_LoadThroughMenu/iterations:3/real_time", "desktop: open 99 999 points to the map on screen", 350),
                          ("BM_Triangulate/99999/real_time", "triangulation alone, 99 999 points", 130)):
    if name in medians:
        print(f"{label:<60} {medians[name]:8.0f} ms  goal <= {goal} ms")
PY
