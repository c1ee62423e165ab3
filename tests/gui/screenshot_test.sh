#!/usr/bin/env bash
# The real program on a virtual display, with a home of its own: its window
# must appear with the default table (green fading to black downwards) and
# the first game dealt on it, and closing it must save the preferences.
set -euo pipefail
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing: install the xvfb package" >&2; exit 1; }
program=$1
output=$2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
HOME=$home "$(dirname "$0")/../../scripts/screenshot.sh" "$program" "$output"
# Beside the piles, low on the left, the table shows its faded green.
cloth=$(convert "$output" -crop 1x1+100+600 -format '%[hex:p{0,0}]' info:)
[[ "$cloth" =~ ^00[2-7][0-9A-F]00$ ]] || { echo "the table at 100,600 is #$cloth, not the faded green" >&2; exit 1; }
# In the middle a game is dealt: white card faces cover part of it.
white=$(convert "$output" -crop 600x300+340+250 +repage -fuzz 3% -fill black +opaque white -format '%[fx:mean]' info:)
awk -v w="$white" 'BEGIN { exit !(w > 0.05) }' || { echo "no dealt cards in the middle of the table ($white white)" >&2; exit 1; }
grep -q "UserDefault=Player 1" "$home/.local/share/Tablerun/Cfg.dat"
grep -q "MainWindowState_Maximized=" "$home/.local/share/Tablerun/Cfg.dat"
