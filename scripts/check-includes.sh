#!/usr/bin/env bash
# Dependencies run one way: a folder may include only itself and the folders
# listed before it. Prints every include against the order and fails on any.
set -euo pipefail
cd "$(dirname "$0")/../src"

layers=(
  config model
  engine/state engine/legality engine/history engine/deal engine/executor
  engine/saved engine/end engine/pointer engine/appearance engine/session
  records choice
)

rank_of() {
  local path=$1 i best=-1 len=0
  for i in "${!layers[@]}"; do
    case $path in
      "${layers[$i]}"/*) if (( ${#layers[$i]} > len )); then best=$i; len=${#layers[$i]}; fi ;;
    esac
  done
  echo "$best"
}

status=0
while IFS= read -r file; do
  case $file in */ui/*) continue ;; esac
  own=$(rank_of "$file")
  (( own < 0 )) && continue
  while IFS=: read -r line target; do
    other=$(rank_of "$target")
    if (( other < 0 || other > own )); then
      echo "src/$file:$line includes \"$target\", which comes after ${layers[$own]}"
      status=1
    fi
  done < <(grep -n '^#include "' "$file" | sed -E 's/^([0-9]+):#include "([^"]+)".*/\1:\2/')
done < <(find config model engine records choice -name '*.h' -o -name '*.cpp' 2>/dev/null | sort)
exit $status
