#!/usr/bin/env bash
# Renders the PNG icons from the scalable one; run after editing the SVG and commit the PNGs, so that
# neither the build nor the program needs an SVG renderer.
set -euo pipefail
cd "$(dirname "$0")/../packaging/linux/icons/hicolor"

command -v rsvg-convert >/dev/null || { echo "render-icons: apt-get install librsvg2-bin" >&2; exit 1; }
for size in 48 128 256; do
  mkdir -p "${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" scalable/apps/com.zepha.BreezeKit.svg \
    -o "${size}x${size}/apps/com.zepha.BreezeKit.png"
done
