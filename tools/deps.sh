#!/usr/bin/env bash
# Installs the Debian packages tolv needs to build, test and run, when any is missing.
set -euo pipefail
pkgs=(cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libgmock-dev libbenchmark-dev
      libgl-dev libgl1-mesa-dev libglu1-mesa-dev libegl-dev libegl-mesa0 libgl1-mesa-dri
      libx11-dev libxtst-dev libfreetype-dev fonts-dejavu-core xvfb x11-utils x11-xkb-utils xclip
      zlib1g-dev)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
