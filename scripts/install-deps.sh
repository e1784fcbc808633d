#!/usr/bin/env bash
# Installs the Debian packages Quorvil builds, runs and tests with, when any
# is missing. Safe to run again: with everything present it does nothing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libsdl2-dev libsdl2-mixer-dev libsdl2-ttf-dev libfontconfig-dev
  libgl-dev libglu1-mesa-dev libosmesa6-dev libpng-dev
  xvfb xfonts-base xdotool imagemagick fonts-liberation fonts-dejavu-core
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
