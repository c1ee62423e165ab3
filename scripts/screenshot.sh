#!/usr/bin/env bash
# Starts the program on a virtual display, waits for its window, saves a
# screenshot and closes the program the way a player would.
# usage: screenshot.sh PROGRAM OUTPUT.png
set -euo pipefail
# The virtual display is the point, whatever platform the caller's tests use.
unset QT_QPA_PLATFORM
program=$(realpath "$1")
output=$(realpath -m "$2")

xvfb-run -a -s "-screen 0 1280x800x24" bash -s "$program" "$output" <<'INNER'
set -euo pipefail
program=$1
output=$2
"$program" &
pid=$!
# The main window: its title starts with the product's name and its class is the program's.
shown() { xwininfo -root -tree 2>/dev/null | grep -q '"Tablerun 2002[^"]*": ("tablerun"'; }
for _ in $(seq 1 150); do
  shown && break
  kill -0 "$pid" 2>/dev/null || { echo "the program ended before showing its window" >&2; exit 1; }
  sleep 0.2
done
shown || { echo "no window appeared" >&2; kill "$pid"; exit 1; }
# The deal is animated: wait until the table stops changing (the clock in the
# tool bar row may still tick, so only the table's part of the screen counts).
previous=""
for _ in $(seq 1 30); do
  sleep 0.5
  import -window root "$output"
  table=$(convert "$output" -crop 1280x500+0+150 +repage -format '%#' info:)
  [ "$table" = "$previous" ] && break
  previous=$table
done
kill -TERM "$pid"
wait "$pid"
INNER
echo "$output"
