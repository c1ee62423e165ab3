#!/usr/bin/env bash
# The real program on a virtual display, with a home of its own: its window
# must appear with the default table (green fading to black downwards), and
# closing it must save the preferences.
set -euo pipefail
program=$1
output=$2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
HOME=$home "$(dirname "$0")/../../scripts/screenshot.sh" "$program" "$output"
centre=$(convert "$output" -gravity center -crop 1x1+0+0 -format '%[hex:p{0,0}]' info:)
[[ "$centre" =~ ^00[3-7][0-9A-F]00$ ]] || { echo "table centre is #$centre, not the faded green" >&2; exit 1; }
grep -q "UserDefault=Player 1" "$home/.local/share/Tablerun/Cfg.dat"
grep -q "MainWindowState_Maximized=" "$home/.local/share/Tablerun/Cfg.dat"
