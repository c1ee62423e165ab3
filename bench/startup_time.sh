#!/usr/bin/env bash
# Start-up time of a card game on a virtual display, measured from outside:
# from the process's start until dealt cards (near-white pixels over 3% of the
# screen) show. Each run has a fresh home, a D-Bus session as on a desktop, and
# our own deal animation off, so the figure is the start-up's own. The same
# measure serves any other patience program given in place of ours. Prints the
# median of RUNS runs; asserts nothing.
# usage: startup_time.sh RUNS PROGRAM [ARGUMENTS...]
set -euo pipefail
runs=$1
shift
[ -x "$1" ] && set -- "$(realpath "$1")" "${@:2}"

xvfb-run -a -s "-screen 0 1280x800x24" bash -s "$runs" "$@" <<'INNER'
set -uo pipefail
runs=$1
shift
now() { date +%s%N; }
times=()
for _ in $(seq 1 "$runs"); do
  home=$(mktemp -d)
  mkdir -p "$home/.local/share/Tablerun"
  printf '[Preference]\r\nDeal_Animation=N\r\n' >"$home/.local/share/Tablerun/Cfg.dat"
  start=$(now)
  HOME=$home XDG_CONFIG_HOME=$home/.config dbus-run-session -- "$@" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 1 400); do
    white=$(import -window root png:- 2>/dev/null |
      convert png:- -fuzz 12% -fill black +opaque white -format '%[fx:mean]' info:)
    awk -v w="$white" 'BEGIN { exit !(w > 0.03) }' && break
  done
  times+=($(( ($(now) - start) / 1000000 )))
  kill -TERM "$pid" 2>/dev/null
  sleep 0.3
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  rm -rf "$home"
done
printf '%s\n' "${times[@]}" | sort -n | awk '{ v[NR] = $1 } END { printf "dealt cards shown: median %d ms of", v[int((NR + 1) / 2)] }'
echo " ${times[*]}"
INNER
