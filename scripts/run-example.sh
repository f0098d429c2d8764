#!/usr/bin/env bash
# Installs what is missing, builds, and opens the bundled example data set in
# the desktop program. Without a display (no DISPLAY or WAYLAND_DISPLAY) it
# prints what the command-line front end reads from the example instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/app/plotvane examples/survey.txt
fi
echo "run-example: no display; showing the example through plotvane-cli instead" >&2
build/cli/plotvane-cli info examples/survey.txt
