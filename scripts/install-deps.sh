#!/usr/bin/env bash
# Installs what the project needs on Debian/Ubuntu. Idempotent.
#   install-deps.sh run      building and running the program
#   install-deps.sh package  also building the .deb (dpkg-shlibdeps reads the programs' libraries)
#   install-deps.sh test     (default) also the tests, sanitizers, fuzzers, benchmarks, screenshots
#                            and the packaging checks
set -euo pipefail

run_packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libhidapi-dev libudev-dev
  # What the program needs at run time that no library pulls in; the .deb depends on the same.
  fonts-wine fonts-wqy-microhei qt6-translations-l10n
)
package_packages=("${run_packages[@]}" dpkg-dev file)
test_packages=(
  "${package_packages[@]}"
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-dev
  # The sanitizers name their frames (and so match their suppressions) only with the symbolizer.
  llvm-14
  # The formatting check runs this one version: another one formats differently.
  clang-format-14
  xvfb xauth fonts-dejavu-core
  desktop-file-utils appstream librsvg2-bin
)

case "${1:-test}" in
  run) packages=("${run_packages[@]}") ;;
  package) packages=("${package_packages[@]}") ;;
  test) packages=("${test_packages[@]}") ;;
  *) echo "usage: $0 [run|package|test]" >&2; exit 2 ;;
esac

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
