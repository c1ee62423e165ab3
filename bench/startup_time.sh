#!/usr/bin/env bash
# Start-up time of a card game on a virtual display, measured from outside:
# from the process's start until dealt cards (near-white pixels over 3% of the
# screen) show, polled every few milliseconds by first_paint_probe. Each run
# has a fresh home inside one D-Bus session, as on a desktop, and our own deal
# animation off, so the figure is the start-up's own. The same measure serves
# any other patience program given in place of ours. Prints the median of RUNS
# runs; asserts nothing.
# usage: startup_time.sh RUNS PROGRAM [ARGUMENTS...]
set -euo pipefail
here=$(dirname "$(realpath "$0")")
runs=$1
shift
[ -x "$1" ] && set -- "$(realpath "$1")" "${@:2}"

probe=$(mktemp -d)/first_paint_probe
trap 'rm -rf "$(dirname "$probe")"' EXIT
cc -O2 -Wall -Wextra -Werror -o "$probe" "$here/first_paint_probe.c" -lX11 -lXext

xvfb-run -a -s "-screen 0 1280x800x24" dbus-run-session -- bash -s "$probe" "$runs" "$@" <<'INNER'
set -uo pipefail
probe=$1
runs=$2
shift 2
times=()
for _ in $(seq 1 "$runs"); do
  home=$(mktemp -d)
  mkdir -p "$home/.local/share/Tablerun"
  printf '[Preference]\r\nDeal_Animation=N\r\n' >"$home/.local/share/Tablerun/Cfg.dat"
  times+=($(HOME=$home XDG_CONFIG_HOME=$home/.config "$probe" "$@" 2>/dev/null))
  rm -rf "$home"
  sleep 0.3
done
printf '%s\n' "${times[@]}" | sort -n | awk '{ v[NR] = $1 } END { printf "dealt cards shown: median %d ms of", v[int((NR + 1) / 2)] }'
echo " ${times[*]}"
INNER
