#!/usr/bin/env bash
# Runs every command of plotvane-cli on the example data under valgrind:
# memory errors, leaks (definite, indirect and possible) and descriptors left
# open at exit all fail the check. Failed loads and failed writes are run
# too, since their paths free what a good run keeps. The render command runs
# once per output kind: it draws through Qt, whose libraries are checked with
# the program; scripts/leakcheck.supp lists what those libraries keep past
# the end of main on purpose.
#
#   scripts/leakcheck.sh [BUILD_DIR]       (a build without sanitizers; default build)
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
cli="$dir/cli/plotvane-cli"
nice -n 10 cmake --build "$dir" -j2 --target plotvane-cli >/dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
printf 'X\tY\tZ\r\n1\tx\t3\r\n' >"$work/invalid.txt"
printf '0\r\n250\r\n-10\r\n40\r\n90\r\n110\r\n12\r\n0.9\r\n 1 \r\n 1 \r\n 0 \r\nFalse\r\nTrue\r\nFalse\r\n' >"$work/view.ctv"

failed=0
check() {
  local name="$1" expected="$2"
  shift 2
  local log="$work/$name.log" status=0
  valgrind --quiet --suppressions=scripts/leakcheck.supp --leak-check=full \
    --show-leak-kinds=definite,indirect,possible --errors-for-leak-kinds=definite,indirect,possible \
    --error-exitcode=99 --track-fds=yes \
    --log-file="$log" "$cli" "$@" >"$work/$name.out" 2>&1 || status=$?
  # Descriptors open at exit that the program opened itself (valgrind lists
  # the standard ones apart, and marks those inherited from the caller). The
  # one exception is the wake-up descriptor of GLib's default main context,
  # which Qt's event loop creates and GLib keeps for the life of the process.
  local open
  open=$(awk '/Open file descriptor/ { if (listed && !exempt) n++; listed = 1; exempt = 0; next }
              listed && /inherited from parent|g_main_context_default/ { exempt = 1 }
              listed && /^==[0-9]+== *$/ { if (!exempt) n++; listed = 0 }
              END { if (listed && !exempt) n++; print n + 0 }' "$log")
  if [ "$status" -ne "$expected" ] || [ "${open:-0}" -ne 0 ]; then
    echo "leakcheck: $name: exit $status (expected $expected), ${open:-0} extra descriptors open"
    cat "$log"
    failed=1
  else
    echo "leakcheck: $name: clean"
  fi
}

survey=examples/survey.txt
check info 0 info "$survey"
check mesh 0 mesh "$survey"
check value 0 value "$survey" 40 40
check value-view 0 value "$survey" 40 40 --view "$work/view.ctv"
check grid 0 grid "$survey" 0 2 50 0 2 50 -o "$work/grid.txt"
check missing-file 2 info "$work/missing.txt"
check invalid-data 1 info "$work/invalid.txt"
check usage 2 value "$survey"
for kind in png bmp svg pdf emf; do
  check "render-$kind" 0 render "$survey" -o "$work/page.$kind" --view "$work/view.ctv"
done
check render-png-300dpi 0 render "$survey" -o "$work/page-300.png" --dpi 300
check render-invalid-data 1 render "$work/invalid.txt" -o "$work/invalid.png"
check render-labels 0 render "$survey" -o "$work/labels.svg" --interval 1 --labels
check render-stdout 0 render "$survey" -o - --format svg
check render-unwritable 3 render "$survey" -o "$work/missing/page.emf"
check render-unwritable-png 3 render "$survey" -o "$work/missing/page.png"
check grid-asc 0 grid "$survey" 0 2 50 0 2 50 -o "$work/grid.asc"
check contours-bands 0 contours "$survey" -o "$work/lines.geojson" --bands
check contours-dxf 0 contours "$survey" -o "$work/lines.dxf" --equal-aspect
check contours-csv 0 contours "$survey" -o "$work/lines.csv" --columns 2,1,3 --x-north
check contours-unwritable 3 contours "$survey" -o "$work/missing/lines.csv"
check contours-gpkg 0 contours "$survey" -o "$work/lines.gpkg" --bands --zone 9
check contours-geojson-wgs84 0 contours "$survey" -o "$work/wgs84.geojson" --zone 9
check grid-geotiff 0 grid "$survey" 0 2 50 0 2 50 -o "$work/grid.tif" --zone 9
check tin-landxml 0 tin "$survey" -o "$work/tin.xml" --zone 9
check volume-plane 0 volume "$survey" --plane 110 -o "$work/volume.csv"
check volume-against 0 volume "$survey" --against "$survey" --method grid --cell 5
exit "$failed"
