#!/usr/bin/env bash
# The processor time a new deal costs a card game, measured from outside on a
# virtual display: the program starts in a fresh home inside a D-Bus session,
# settles, waits untouched for a while (its idle use), then is given KEY (its
# new-deal key) DEALS times with a pause after each for the deal to finish.
# Prints the milliseconds of processor time per deal, also less what the
# idle use would have cost in that time, and the idle use per second.
# SHOT=FILE keeps a picture of the screen after the last deal, to check that
# the key dealt. Ours opens Klondike, as the desktop's own card games do, and
# is measured with "Deal_Animation" off and on; DEAL_ANIMATIONS=- measures
# another patience program once, as installed. Asserts nothing.
# usage: [DEAL_ANIMATIONS="N Y"|-] new_deal_cpu.sh DEALS KEY PROGRAM [ARGUMENTS...]
set -euo pipefail
deals=$1
key=$2
shift 2
[ -x "$1" ] && set -- "$(realpath "$1")" "${@:2}"

xvfb-run -a -s "-screen 0 1280x800x24" dbus-run-session -- bash -s "$deals" "$key" "${SHOT:-}" "${DEAL_ANIMATIONS:-N Y}" "$@" <<'INNER'
set -uo pipefail
deals=$1
key=$2
shot=$3
animations=$4
shift 4
idle_seconds=10
pause_seconds=5

# User and system time of the whole process, in milliseconds.
cpu_ms() {
  sed 's/.*) //' "/proc/$pid/stat" | awk -v tick="$(getconf CLK_TCK)" '{ print ($12 + $13) * 1000 / tick }'
}

for animation in $animations; do
  home=$(mktemp -d)
  mkdir -p "$home/.local/share/Tablerun"
  printf '[Preference]\r\nGame=0\r\nDeal_Animation=%s\r\n' "$animation" >"$home/.local/share/Tablerun/Cfg.dat"
  HOME=$home XDG_CONFIG_HOME=$home/.config "$@" >/dev/null 2>&1 &
  pid=$!
  window=
  for _ in $(seq 1 300); do
    window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.1
  done
  if [ -z "$window" ]; then
    echo "no window appeared"
    kill "$pid"
    exit 1
  fi
  # The same table size for every program; the pointer rests on the cloth.
  xdotool windowsize "$window" 1130 650 windowmove "$window" 0 0 mousemove 560 600 windowfocus "$window"
  sleep 6
  start=$(cpu_ms)
  sleep "$idle_seconds"
  rested=$(cpu_ms)
  for _ in $(seq 1 "$deals"); do
    xdotool key --clearmodifiers "$key"
    sleep "$pause_seconds"
  done
  dealt=$(cpu_ms)
  [ -n "$shot" ] && import -window root "$shot"
  kill "$pid"
  wait "$pid" 2>/dev/null
  rm -rf "$home"
  awk -v a="$animation" -v s="$start" -v r="$rested" -v d="$dealt" -v n="$deals" -v idle="$idle_seconds" \
    -v pause="$pause_seconds" 'BEGIN {
    rate = (r - s) / idle
    printf "new deal (%s): %.0f ms CPU per deal (%.0f ms less the idle use); idle: %.1f ms CPU per second\n",
      a == "-" ? "as installed" : "Deal_Animation=" a, (d - r) / n, (d - r - rate * n * pause) / n, rate
  }'
done
INNER
