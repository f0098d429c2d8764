#!/usr/bin/env bash
# Installs every Debian package Plotvane needs to build, test, benchmark and fuzz.
# Safe to run again: apt-get skips what is already installed.
# This is the one place the package list lives.
#   scripts/setup.sh           what the build, the tests and CI need
#   scripts/setup.sh --bench   also the peers bench/run.sh compares against
set -euo pipefail

PACKAGES=(
  # build tools
  build-essential cmake ninja-build pkg-config
  # Qt 6: core, gui, widgets, printing (PrintSupport is in qt6-base-dev), uic
  qt6-base-dev qt6-base-dev-tools libgl-dev
  # command-line options of plotvane-cli (header-only)
  libcli11-dev
  # tests and benchmarks (pdftoppm renders the PDF page and rsvg-convert the SVG page in the writer tests)
  libgtest-dev libgmock-dev googletest libbenchmark-dev poppler-utils librsvg2-bin
  # a second reader of the PDF page (mutool draw) and its structure check (qpdf --check)
  mupdf-tools qpdf
  # independent readers of the GeoJSON, DXF and ESRI grid files the contour tools write
  gdal-bin
  # the GIS formats (GeoPackage, Shapefile, KML, GeoTIFF) and coordinate systems (PROJ through GDAL)
  libgdal-dev
  # EMF records
  libuemf-dev
  # the XML parser that reads LandXML surfaces
  libexpat1-dev
  # a metric-compatible Japanese Gothic that stands in for the page font
  fonts-ipafont-gothic fontconfig
  # a virtual X server for screenshots and manual GUI runs
  xvfb xauth
  # sanitizers, fuzzing and leak checks
  clang libclang-rt-14-dev valgrind
  # Qt's own dialog texts in Japanese (the program loads qtbase_ja at start)
  qt6-translations-l10n
  # the Debian package and its checks: dependencies from the linked libraries,
  # desktop entry, AppStream metadata, man pages, lintian
  dpkg-dev file desktop-file-utils appstream shared-mime-info lintian groff-base man-db
  # (librsvg2-bin, above, also makes the icon's PNG sizes once from its SVG: dist/make-icons.sh)
)

# The scientific Python stack doing the same jobs as plotvane-cli, for the
# comparisons of bench/run.sh (bench/peers.py); not needed to build or test.
# matplotlib also gives scripts/generate-ramp-tables.py the published colour maps.
BENCH_PACKAGES=(python3-scipy python3-matplotlib)
if [ "${1:-}" = "--bench" ]; then PACKAGES+=("${BENCH_PACKAGES[@]}"); fi

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
