#!/usr/bin/env bash
# Builds (the first time) and starts the program. --demo starts it on two virtual units instead of
# the real USB devices. Installs and builds only what running needs; scripts/test.sh does the rest.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh run
bash scripts/install-udev-rule.sh || true

cmake --preset run >/dev/null
target=breezekit
[ "${1:-}" = "--demo" ] && target=breezekit-demo
cmake --build --preset run --target "$target"
exec "build/run/src/$target"
