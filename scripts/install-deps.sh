#!/usr/bin/env bash
# Installs what building, running and testing need on Debian/Ubuntu. Idempotent.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libhidapi-dev libudev-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-dev
  xvfb xauth fonts-noto-cjk fonts-dejavu-core fonts-wine
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
