#!/usr/bin/env bash
# Renders the real window under a virtual X server with the real fonts and theme and saves PNGs into
# screenshots/: every page in English, the Wi-Fi page in every language.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

build="${BUILD_DIR:-build/release}"
[ -f "$build/CMakeCache.txt" ] || cmake --preset release >/dev/null
cmake --build "$build" --target window_screenshots
rm -rf screenshots
env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1024x768x24" "$build/tests/window_screenshots" screenshots
