#!/usr/bin/env bash
# Installs what is missing, builds, and shows the bundled example data set.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
build/cli/plotvane-cli info examples/survey.txt
