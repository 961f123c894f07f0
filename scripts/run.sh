#!/usr/bin/env bash
# Builds (the first time) and starts the program. --demo starts it on two virtual units instead of
# the real USB devices.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/install-udev-rule.sh || true

cmake --preset release >/dev/null
target=breezekit
[ "${1:-}" = "--demo" ] && target=breezekit-demo
cmake --build --preset release --target "$target"
exec "build/release/src/$target"
