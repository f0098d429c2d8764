#!/usr/bin/env bash
# The peak memory of the contour export on the roughest data a text file
# holds: 99 999 points with X, Y uniform in 0..1000 and Z uniform in 0..100
# (three decimals), so that every triangle crosses a third of the levels.
# Runs `plotvane-cli contours` as a whole process for --interval 2 and 0.2,
# lines alone and with --bands, the GeoJSON going to standard output and
# away (the files would be gigabytes), and prints the wall time and the peak
# resident memory of each (GNU time's %M, the child's ru_maxrss), against
# the goal of 500 MB.
#   bench/contour-memory.sh [build-folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
scripts/build.sh "$dir" --programs >/dev/null
cli="$dir/cli/plotvane-cli"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 bench/rough-points.py "$work/rough.txt"

printf '%-28s %10s %12s  %s\n' "99 999 rough points" "time" "peak memory" "goal"
for interval in 2 0.2; do
  for bands in "" --bands; do
    /usr/bin/time -f "%e %M" -o "$work/time" "$cli" contours "$work/rough.txt" -o - --format geojson \
      --interval "$interval" $bands >/dev/null 2>"$work/err" || { echo "failed: $(cat "$work/err")"; continue; }
    read -r secs kib <"$work/time"
    printf '%-28s %9ss %9s MB  <= 500 MB\n' "--interval $interval ${bands:-(lines)}" "$secs" "$((kib / 1024))"
  done
done
