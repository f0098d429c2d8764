#!/usr/bin/env bash
# Installs what is missing, builds (reusing the build of run-example.sh: the
# same folder and configuration), and runs every test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
ctest --test-dir build --output-on-failure -j2 --timeout 600
