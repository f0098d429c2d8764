#!/usr/bin/env bash
# Checks that every C++ file of the project is as .clang-format lays it out
# (Debian's clang-format); lists the files that are not and exits 1.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if ! clang-format --dry-run --Werror "${files[@]}" 2>/tmp/plotvane-format.log; then
  grep -oE '^[^:]+\.(cpp|h)' /tmp/plotvane-format.log | sort -u | sed 's/^/not formatted: /'
  echo "check-format: run clang-format -i on the files above"
  exit 1
fi
echo "check-format: ${#files[@]} files as .clang-format lays them out"
