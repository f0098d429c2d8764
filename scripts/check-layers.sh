#!/usr/bin/env bash
# Checks that every folder includes only its own headers and those of the
# layers it links (the same list as the folders' CMakeLists.txt):
#   common -> settings, mesh -> data -> levels -> tools -> load -> render -> contours, qtplay -> cli, app
# Prints each include that crosses a layer the wrong way; exits 1 if any does.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A allowed=(
  [common]="common"
  [settings]="common settings"
  [mesh]="common mesh"
  [data]="common settings mesh data"
  [levels]="common settings mesh data levels"
  [tools]="common settings mesh data tools"
  [load]="common settings mesh data tools load"
  [render]="common settings mesh data levels render"
  [contours]="common settings mesh data levels tools render contours"
  [qtplay]="common settings mesh data render qtplay"
  [cli]="common settings mesh data levels tools load render contours qtplay cli"
  [app]="common settings mesh data levels tools load render contours qtplay app"
)

status=0
for folder in "${!allowed[@]}"; do
  while IFS=: read -r file line text; do
    target=$(sed -E 's/.*#include "([a-z]+)\/.*/\1/' <<<"$text")
    if [[ " ${allowed[$folder]} " != *" $target "* ]]; then
      echo "$file:$line: $folder may not include $target/"
      status=1
    fi
  done < <(grep -rnE '^#include "[a-z]+/' "$folder" --include='*.h' --include='*.cpp' || true)
done
[ $status -eq 0 ] && echo "check-layers: every include follows the layers"
exit $status
