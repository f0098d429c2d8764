#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
# Warnings are errors here: the tests are what CI runs.
scripts/build.sh build -DPLOTVANE_WARNINGS_AS_ERRORS=ON
ctest --test-dir build --output-on-failure -j2 --timeout 600
