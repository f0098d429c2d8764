#!/usr/bin/env bash
# The time and peak memory of writing the page of the roughest data a text
# file holds (99 999 points, the data of bench/contour-memory.sh) as PDF,
# beside the metafile, SVG and PNG of the same page: `plotvane-cli render` as a
# whole process, each file written to a scratch folder. Prints the wall
# time, the peak resident memory (GNU time's %M) and the file's size, against
# the goals for the PDF: at most twice the metafile's time and 200 MB.
#   bench/page-memory.sh [build-folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
scripts/build.sh "$dir" --programs >/dev/null
cli="$dir/cli/plotvane-cli"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 bench/rough-points.py "$work/rough.txt"

printf '%-28s %10s %12s %12s\n' "99 999 rough points" "time" "peak memory" "file"
for format in emf svg pdf png; do
  /usr/bin/time -f "%e %M" -o "$work/time" "$cli" render "$work/rough.txt" -o "$work/page.$format" >/dev/null \
    2>"$work/err" || { echo "failed: $(cat "$work/err")"; continue; }
  read -r secs kib <"$work/time"
  bytes=$(stat -c %s "$work/page.$format")
  printf '%-28s %9ss %9s MB %9s MB\n' "render -o page.$format" "$secs" "$((kib / 1024))" "$((bytes / 1000000))"
  rm -f "$work/page.$format"
done
