#!/usr/bin/env bash
# Our program beside the desktop's own patience games, Klondike in each, in
# one run on this machine: how soon the settled table shows after the start
# (startup_time.sh, RUNS runs each) and what a new deal costs in processor
# time, with the use while waiting for the player (new_deal_cpu.sh, DEALS
# deals each). A peer that is not installed is left out; for measuring only,
# "apt-get install aisleriot kpat" brings both (the program needs neither).
# Run it on a quiet machine; it asserts nothing.
# usage: beside_peers.sh RUNS DEALS PROGRAM
set -euo pipefail
here=$(dirname "$(realpath "$0")")
runs=$1
deals=$2
program=$(realpath "$3")
# No accessibility bus: its start-up notices are not the programs' output.
export NO_AT_BRIDGE=1

# name | new-deal key | command
peers=(
  "sol|ctrl+n|/usr/games/sol --variation=klondike"
  "kpat|ctrl+n|/usr/games/kpat --gametype klondike"
)

echo "== ours ($program)"
"$here/startup_time.sh" "$runs" "$program" 2>/dev/null
"$here/new_deal_cpu.sh" "$deals" F2 "$program" 2>/dev/null
for peer in "${peers[@]}"; do
  IFS='|' read -r name key command <<<"$peer"
  read -r -a words <<<"$command"
  echo "== $name"
  if [ ! -x "${words[0]}" ]; then
    echo "not installed"
    continue
  fi
  DEAL_ANIMATIONS=- "$here/startup_time.sh" "$runs" "${words[@]}" 2>/dev/null
  DEAL_ANIMATIONS=- "$here/new_deal_cpu.sh" "$deals" "$key" "${words[@]}" 2>/dev/null
done
