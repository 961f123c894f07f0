#!/usr/bin/env bash
# Builds and runs every test: the release build, then the whole suite under AddressSanitizer and
# UndefinedBehaviorSanitizer (with the fuzz targets), then the threaded tests under ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh test

for preset in release asan tsan; do
  echo "=== $preset ==="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
