#!/usr/bin/env bash
# Builds the core, plotvane-cli and the core test suites with clang's
# AddressSanitizer and UndefinedBehaviorSanitizer, without recovery (a
# finding fails the test that caused it), and runs them; LeakSanitizer checks
# every test process at exit. The Qt parts (qtplay, app) are left out.
#
#   scripts/sanitize.sh [BUILD_DIR]        (default build-asan)
#
# The build also carries the fuzzers' coverage instrumentation, so that
# scripts/fuzz.sh can reuse it: scripts/fuzz.sh SECONDS BUILD_DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build-asan}"

if [ -f "$dir/CMakeCache.txt" ]; then
  cmake -S . -B "$dir" >/dev/null
else
  CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g" -DPLOTVANE_SANITIZERS=ON -DPLOTVANE_FUZZERS=ON \
    -DPLOTVANE_BUILD_BENCHMARKS=OFF >/dev/null
fi

# The core suites: every plotvane_add_test of the core areas, and the hostile suite.
suites=(hostile_test)
for area in common settings data mesh tools load render contours cli; do
  while read -r name; do suites+=("$name"); done \
    < <(sed -nE 's/^[[:space:]]*plotvane_add_test\(([A-Za-z0-9_]+).*/\1/p' "tests/$area/tests.cmake")
done
nice -n 10 cmake --build "$dir" -j2 --target plotvane-cli "${suites[@]}"

# Tests of targets not built here show up as *_NOT_BUILT (GoogleTest suites)
# or under the name of their program (the desktop program's Qt Test suites,
# all named app.*, and its --help and --version checks, plotvane.*); any
# other test left unbuilt fails the run as "Not Run".
export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$dir" -j2 --output-on-failure --timeout 300 -E '_NOT_BUILT$|^app\.|^plotvane\.'
