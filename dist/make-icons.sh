#!/usr/bin/env bash
# Makes the PNG sizes of the icon from icons/plotvane.svg, once, by hand: the
# PNGs are committed so that the build needs no SVG renderer. Run again after
# changing the SVG (rsvg-convert comes from librsvg2-bin, in scripts/setup.sh).
set -euo pipefail
cd "$(dirname "$0")/icons"
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" plotvane.svg -o "plotvane-$size.png"
done
