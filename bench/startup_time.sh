#!/usr/bin/env bash
# Start-up time of the real program on a virtual display, measured from outside:
# from the process's start until its window is mapped, and until dealt cards
# show in the middle of the table (deal animation off, so the figure is the
# start-up's own). Prints the median of RUNS runs; asserts nothing.
# usage: startup_time.sh PROGRAM [RUNS]
set -euo pipefail
program=$(realpath "$1")
runs=${2:-5}

xvfb-run -a -s "-screen 0 1280x800x24" bash -s "$program" "$runs" <<'INNER'
set -euo pipefail
program=$1
runs=$2
now() { date +%s%N; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
shown=() dealt=()
for _ in $(seq 1 "$runs"); do
  home=$(mktemp -d)
  mkdir -p "$home/.local/share/Tablerun"
  printf '[Preference]\r\nDeal_Animation=N\r\n' >"$home/.local/share/Tablerun/Cfg.dat"
  start=$(now)
  HOME=$home "$program" 2>/dev/null &
  pid=$!
  until xwininfo -root -tree 2>/dev/null | grep -q '"Tablerun 2002[^"]*": ("tablerun"'; do sleep 0.01; done
  shown+=($(( ($(now) - start) / 1000000 )))
  for _ in $(seq 1 500); do
    white=$(import -window root -crop 600x300+340+250 png:- 2>/dev/null |
      convert png:- -fuzz 3% -fill black +opaque white -format '%[fx:mean]' info:)
    awk -v w="$white" 'BEGIN { exit !(w > 0.05) }' && break
  done
  dealt+=($(( ($(now) - start) / 1000000 )))
  kill -TERM "$pid"
  wait "$pid" || true
  rm -rf "$home"
done
echo "window shown:        median $(printf '%s\n' "${shown[@]}" | median) ms of ${shown[*]}"
echo "dealt table painted: median $(printf '%s\n' "${dealt[@]}" | median) ms of ${dealt[*]}"
INNER
