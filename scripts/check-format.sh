#!/usr/bin/env bash
# Fails when a tracked C++ file is not formatted as .clang-format says, with the pinned clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."

format=clang-format-14
if ! command -v "$format" >/dev/null; then
  echo "check-format.sh: $format not found (scripts/install-deps.sh test installs it)" >&2
  exit 1
fi
git ls-files -z '*.cpp' '*.h' | xargs -0 "$format" --dry-run --Werror
echo "formatting: $(git ls-files '*.cpp' '*.h' | wc -l) files checked"
