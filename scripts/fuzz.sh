#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a set time, niced, starting
# from its seed corpus in fuzz/corpus/<target>.
#
#   scripts/fuzz.sh [SECONDS] [BUILD_DIR] [JOBS] [TARGET...]
#
# SECONDS per target (default 60); BUILD_DIR (default build-fuzz) is created
# with the fuzzers on, or reused as it is (scripts/sanitize.sh makes one that
# serves both); JOBS targets run at a time (default 1); TARGETs are names
# without the fuzz_ prefix (default all). What a run learns stays in
# BUILD_DIR/fuzz-out/<target>/corpus for the next run; a finding is written
# there as crash-*, leak-*, timeout-* or oom-*, and the script then fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
dir="${2:-build-fuzz}"
jobs="${3:-1}"
shift $(($# < 3 ? $# : 3))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(data_reader view_file number_text load_road mesh sima_reader las_reader landxml_reader site_file)

if [ -f "$dir/CMakeCache.txt" ]; then
  cmake -S . -B "$dir" -DPLOTVANE_FUZZERS=ON >/dev/null
else
  CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g" -DPLOTVANE_FUZZERS=ON \
    -DPLOTVANE_BUILD_TESTS=OFF -DPLOTVANE_BUILD_BENCHMARKS=OFF >/dev/null
fi
nice -n 10 cmake --build "$dir" -j2 --target plotvane_fuzzers

# Longest input per target: whole small files for the readers, a few hundred
# points for the load road, short texts for numbers; the mesh target takes at
# most 160 points anyway (its literal oracle is quadratic).
max_len() {
  case "$1" in
    data_reader) echo 16384 ;;
    view_file) echo 2048 ;;
    number_text) echo 256 ;;
    load_road) echo 4096 ;;
    mesh) echo 1024 ;;
    sima_reader | landxml_reader | site_file) echo 16384 ;;
    las_reader) echo 8192 ;;
  esac
}

run_one() {
  local target="$1" out="$dir/fuzz-out/$1"
  mkdir -p "$out/corpus"
  # -timeout: one input taking this long is a finding (a hang), not slowness.
  nice -n 10 "$dir/fuzz/fuzz_$target" "$out/corpus" "fuzz/corpus/$target" \
    -max_total_time="$seconds" -max_len="$(max_len "$target")" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$out/" >"$out/log" 2>&1
}

summary() {
  local target="$1" status="$2" log="$dir/fuzz-out/$1/log"
  local runs cov
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  cov=$(grep -oE 'cov: [0-9]+' "$log" | tail -1 | cut -d' ' -f2)
  printf '%-12s %-6s %12s executions  cov %-5s  corpus %s files\n' "$target" \
    "$([ "$status" -eq 0 ] && echo ok || echo FAILED)" "${runs:-?}" "${cov:-?}" \
    "$(find "$dir/fuzz-out/$target/corpus" -type f | wc -l)"
  if [ "$status" -ne 0 ]; then
    grep -E 'ERROR|runtime error|property violated|Test unit written' "$log" | head -5 | sed 's/^/    /'
  fi
}

declare -A status=()
pending=("${targets[@]}")
while [ ${#pending[@]} -gt 0 ]; do
  batch=("${pending[@]:0:$jobs}")
  pending=("${pending[@]:$jobs}")
  declare -A pids=()
  for t in "${batch[@]}"; do
    run_one "$t" &
    pids[$t]=$!
  done
  for t in "${batch[@]}"; do
    if wait "${pids[$t]}"; then status[$t]=0; else status[$t]=1; fi
  done
  unset pids
done

failed=0
echo "fuzzing, ${seconds} s per target:"
for t in "${targets[@]}"; do
  summary "$t" "${status[$t]}"
  [ "${status[$t]}" -eq 0 ] || failed=1
done
exit "$failed"
