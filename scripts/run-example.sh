#!/usr/bin/env bash
# Installs what is missing, builds the two programs, and opens the bundled
# example data set in the desktop program. Without a display (no DISPLAY or
# WAYLAND_DISPLAY) it writes the example's map to a PNG file instead and
# prints the file's path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build --programs
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/app/plotvane examples/survey.txt
fi
echo "run-example: no display; writing the example's map with plotvane-cli instead" >&2
build/cli/plotvane-cli render examples/survey.txt -o build/survey.png --interval 5 --labels
