#!/usr/bin/env bash
# Start-up time of a card game on a virtual display, measured from outside:
# from the process's start until the screen shows the table it settles on,
# the dealt cards in their places (settled_table_probe). Each run has a fresh
# home inside one D-Bus session, as on a desktop. Our program opens Klondike,
# as the desktop's own card games do, and is measured twice: the first
# complete table with "Deal_Animation" off, and the end of the deal animation
# with it on. DEAL_ANIMATIONS=- measures another patience program once, as
# installed. Prints the medians of RUNS runs; asserts nothing.
# usage: [DEAL_ANIMATIONS="N Y"|-] startup_time.sh RUNS PROGRAM [ARGUMENTS...]
set -euo pipefail
here=$(dirname "$(realpath "$0")")
runs=$1
shift
[ -x "$1" ] && set -- "$(realpath "$1")" "${@:2}"

probe=$(mktemp -d)/settled_table_probe
trap 'rm -rf "$(dirname "$probe")"' EXIT
cc -O2 -Wall -Wextra -Werror -o "$probe" "$here/settled_table_probe.c" -lX11 -lXext

xvfb-run -a -s "-screen 0 1280x800x24" dbus-run-session -- bash -s "$probe" "$runs" "${DEAL_ANIMATIONS:-N Y}" "$@" <<'INNER'
set -uo pipefail
probe=$1
runs=$2
animations=$3
shift 3
for animation in $animations; do
  times=()
  for _ in $(seq 1 "$runs"); do
    home=$(mktemp -d)
    mkdir -p "$home/.local/share/Tablerun"
    printf '[Preference]\r\nGame=0\r\nDeal_Animation=%s\r\n' "$animation" >"$home/.local/share/Tablerun/Cfg.dat"
    times+=($(HOME=$home XDG_CONFIG_HOME=$home/.config "$probe" "$@" 2>/dev/null))
    rm -rf "$home"
    sleep 0.3
  done
  printf '%s\n' "${times[@]}" | sort -n |
    awk -v a="$animation" '{ v[NR] = $1 } END {
      printf "settled table shown (%s): median %d ms of", a == "-" ? "as installed" : "Deal_Animation=" a, v[int((NR + 1) / 2)]
    }'
  echo " ${times[*]}"
done
INNER
