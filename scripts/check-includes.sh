#!/usr/bin/env bash
# Dependencies run one way: a folder may include only itself and the folders
# below it. Prints every include against the order and fails on any.
set -euo pipefail
cd "$(dirname "$0")/.."

# The core, bottom up: each folder may include the ones before it.
core=(
  config model
  engine/state engine/legality engine/history engine/deal engine/executor
  engine/saved engine/end engine/pointer engine/appearance engine/session
  records choice
)
# The windows, bottom up above the whole core: the pictures, the dialogs, the
# statistics' and the game choice's windows, the main window, the program.
windows=(pictures dialogs records/ui choice/ui view app)

declare -A below  # folder -> the folders it may include besides itself
stack=""
for folder in "${core[@]}"; do below[$folder]=$stack; stack+=" $folder"; done
below[tool]=$stack
for folder in "${windows[@]}"; do below[$folder]=$stack; stack+=" $folder"; done
# The programs that serve the build and the artists; "support" is the tests' helpers.
below[tools/image_library]="${below[pictures]} pictures"
below[tools/sheet]="$stack support"

sources=$(find src tools -name '*.h' -o -name '*.cpp' | sort)
{
  for folder in "${!below[@]}"; do echo "folder $folder ${below[$folder]}"; done
  echo "folder support"
  for file in $sources; do echo "file $file"; done
  # shellcheck disable=SC2086
  grep -Hn '^#include "' $sources | sed -E 's/^([^:]+):([0-9]+):#include "([^"]+)".*/include \1 \2 \3/'
} | awk '
  # The longest folder of the table that holds `path`; empty when none does.
  function folder_of(path,   folder, best) {
    sub(/^src\//, "", path)
    best = ""
    for (folder in allowed) if (index(path, folder "/") == 1 && length(folder) > length(best)) best = folder
    return best
  }
  $1 == "folder" {
    list = " "
    for (i = 2; i <= NF; ++i) list = list $i " "
    allowed[$2] = list
    next
  }
  $1 == "file" && folder_of($2) == "" { print $2 " lies in no folder of scripts/check-includes.sh"; failed = 1 }
  $1 == "include" {
    own = folder_of($2)
    if (own == "") next
    # A program of tools/ names its own headers without a folder.
    other = $4 ~ /\// ? folder_of($4) : own
    if (other == "" || index(allowed[own], " " other " ") == 0) {
      print $2 ":" $3 " includes \"" $4 "\", which " own " may not include"
      failed = 1
    }
  }
  END { exit failed }
'
