#!/usr/bin/env bash
# Renders the real window under a virtual X server with the real fonts and theme and saves PNGs into
# screenshots/light and screenshots/dark: every page in English, the Wi-Fi page in every language, on a
# light and on a dark system palette (GTK's dark Adwaita where qt6-gtk-platformtheme is installed, else a
# dark palette set before the theme). BUILD_DIR picks the build folder (default: the release preset's).
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
shoot() { env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1024x768x24" "$@"; }
shoot "$build/tests/window_screenshots" screenshots/light
if ls /usr/lib/*/qt6/plugins/platformthemes/libqgtk3.so >/dev/null 2>&1; then
  QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark shoot "$build/tests/window_screenshots" screenshots/dark dark
else
  shoot "$build/tests/window_screenshots" screenshots/dark dark
fi
