#!/usr/bin/env bash
# Compares every output of two plotvane-cli builds byte for byte, for a
# change that must not change what the program writes.
#   scripts/compare-outputs.sh OLD_CLI NEW_CLI [WORK_DIR]
# Runs each command of the matrix below with both programs on the example
# survey and three generated data sets, and compares standard output, the
# written file and the exit status with cmp. Prints the count compared and
# every difference; exits 1 if there is one.
set -uo pipefail
old="$1"
new="$2"
work="${3:-$(mktemp -d)}"
cd "$(dirname "$0")/.."
mkdir -p "$work/data"

python3 - "$work/data" <<'PY'
import math, random, sys
d = sys.argv[1]
def write(name, pts):
    with open(f"{d}/{name}", "w") as f:
        f.write("X\tY\tZ\n")
        for x, y, z in pts:
            f.write(f"{x:.3f}\t{y:.3f}\t{z:.3f}\n")
r = random.Random(7)
write("uniform.txt", [(x, y, 50 + 10 * math.sin(x / 40) * math.cos(y / 30))
                      for x, y in ((r.uniform(0, 500), r.uniform(0, 300)) for _ in range(10000))])
pts = []
for c in range(30):
    cx, cy = r.uniform(0, 1000), r.uniform(0, 1000)
    for _ in range(1000):
        x, y = r.gauss(cx, 15), r.gauss(cy, 15)
        pts.append((x, y, 0.05 * x + 0.02 * y + r.uniform(-1, 1)))
write("clustered.txt", pts)
write("rough.txt", [(r.uniform(0, 100), r.uniform(0, 100), r.uniform(0, 10)) for _ in range(3000)])
PY
cp examples/survey.txt "$work/data/survey.txt"

count=0
differ=0
# The output's own path differs between the two runs, and a PDF carries the
# time it was made: neither counts.
same() { cmp -s <(normal "$1") <(normal "$2"); }
normal() { LC_ALL=C sed -e "s|$work/old/|W/|g; s|$work/new/|W/|g; s|/CreationDate ([^)]*)||" "$1"; }
run() {  # run NAME OUTPUT_NAME ARGS... (OUTPUT_NAME "" for none; @OUT stands for the output path)
  local name="$1" outname="$2"
  shift 2
  for side in old new; do
    local prog="$old"
    [ "$side" = new ] && prog="$new"
    local dir="$work/$side"
    mkdir -p "$dir"
    local args=()
    for a in "$@"; do args+=("${a//@OUT/$dir/$outname}"); done
    "$prog" "${args[@]}" >"$dir/$name.stdout" 2>/dev/null
    echo $? >"$dir/$name.status"
  done
  for part in stdout status; do
    count=$((count + 1))
    if ! same "$work/old/$name.$part" "$work/new/$name.$part"; then
      echo "differ: $name.$part"
      differ=$((differ + 1))
    fi
  done
  if [ -n "$outname" ]; then
    count=$((count + 1))
    if ! same "$work/old/$outname" "$work/new/$outname"; then
      echo "differ: $name file $outname"
      differ=$((differ + 1))
    fi
  fi
}

for data in survey uniform clustered rough; do
  f="$work/data/$data.txt"
  run "$data-info" "" info "$f"
  run "$data-info-interval" "" info "$f" --interval 2 --base 1 --equal-aspect
  run "$data-mesh" "" mesh "$f"
  run "$data-value" "" value "$f" 120 80
  run "$data-value-sq" "" value "$f" 120 80 --sq 0.5
  run "$data-grid" "$data-grid.txt" grid "$f" 0 7.5 40 0 5 30 -o @OUT
  run "$data-grid-asc" "$data-grid.asc" grid "$f" 0 7.5 40 0 5 30 -o @OUT --sq 2
  run "$data-grid-stdout" "" grid "$f" 0 7.5 20 0 5 20 -o -
  run "$data-contours-geojson" "$data-c.geojson" contours "$f" -o @OUT --bands
  run "$data-contours-dxf" "$data-c.dxf" contours "$f" -o @OUT --interval 5
  run "$data-contours-csv" "$data-c.csv" contours "$f" -o @OUT
  run "$data-png" "$data.png" render "$f" -o @OUT
  run "$data-png-150" "$data-150.png" render "$f" -o @OUT --dpi 150 --labels
  run "$data-bmp" "$data.bmp" render "$f" -o @OUT --labels --label-every 2
  run "$data-svg" "$data.svg" render "$f" -o @OUT --equal-aspect
  run "$data-pdf-stdout" "" render "$f" -o - --format pdf
  run "$data-emf" "$data.emf" render "$f" -o @OUT --interval 3
done
echo "compare-outputs: $count compared, $differ differ"
[ "$differ" -eq 0 ]
