#!/usr/bin/env bash
# Every C++ source follows .clang-format; prints the files that do not and
# fails. `scripts/check-format.sh --fix` formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
format=clang-format-14
mapfile -t files < <(git ls-files '*.cpp' '*.h' '*.c')
if [ "${1:-}" = --fix ]; then
  "$format" -i "${files[@]}"
  exit 0
fi
bad=0
for file in "${files[@]}"; do
  if ! "$format" --dry-run -Werror "$file" >/dev/null 2>&1; then
    echo "not formatted: $file (scripts/check-format.sh --fix)"
    bad=1
  fi
done
exit "$bad"
