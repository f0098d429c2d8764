#!/usr/bin/env bash
# Configures and builds Plotvane (Release, warnings as errors) in build/ or
# the folder given. Every script builds with this one configuration, so that
# the run command's build is the test command's too.
#   scripts/build.sh [DIR] [--programs] [CMAKE_ARGS...]
# --programs builds only the two programs, not the tests and benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
shift || true
targets=()
if [ "${1:-}" = "--programs" ]; then
  targets=(--target plotvane plotvane-cli)
  shift
fi
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPLOTVANE_WARNINGS_AS_ERRORS=ON "$@" >/dev/null
cmake --build "$dir" -j2 "${targets[@]}"
