#!/usr/bin/env bash
# Builds and runs every test: the formatting check, the release build, then the whole suite under
# AddressSanitizer and UndefinedBehaviorSanitizer (with the fuzz targets), then the threaded tests under
# ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh test

echo "=== format ==="
bash scripts/check-format.sh

# Without a symbolizer the sanitizers' frames have no names and the suppressions cannot match: a known
# race inside Qt would then fail a test now and then instead of this pass failing at once.
symbolizer=$(command -v llvm-symbolizer-14 || command -v llvm-symbolizer || true)
if [ -z "$symbolizer" ]; then
  echo "test.sh: llvm-symbolizer not found; the sanitizer passes need it (package llvm-14)" >&2
  exit 1
fi
export ASAN_SYMBOLIZER_PATH="$symbolizer" TSAN_SYMBOLIZER_PATH="$symbolizer"

for preset in release asan tsan; do
  echo "=== $preset ==="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
