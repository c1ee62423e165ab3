#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# asking apt only when something is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-charts-dev qt6-multimedia-dev
  libqt6opengl6-dev libxkbcommon-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils imagemagick libx11-dev libxext-dev xdotool dbus
  kdegames-card-data-kf5 gnome-cards-data fonts-dejavu-core fonts-noto-color-emoji adwaita-icon-theme
  clang-14 libclang-rt-14-dev clang-format-14
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
