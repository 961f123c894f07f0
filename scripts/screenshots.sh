#!/usr/bin/env bash
# Renders the real window under a virtual X server with the real fonts and theme and saves PNGs into
# screenshots/: every page in English, the Wi-Fi page in every language. BUILD_DIR picks the build
# folder (default: the release preset's).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh test

if [ -n "${BUILD_DIR:-}" ]; then
  build="$BUILD_DIR"
  [ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja >/dev/null
else
  build=build/release
  cmake --preset release >/dev/null
fi
cmake --build "$build" --target window_screenshots
rm -rf screenshots
env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1024x768x24" "$build/tests/window_screenshots" screenshots
