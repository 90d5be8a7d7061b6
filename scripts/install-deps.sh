#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, when any
# of them is missing. Runs apt-get update first, as root (through sudo when the
# caller is not root).
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config binutils
  clang libclang-rt-14-dev
  libfreetype-dev libfontconfig-dev libpng-dev libstb-dev
  fonts-liberation2 fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev
  libsdl2-dev libx11-dev xvfb xauth xdotool imagemagick
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
