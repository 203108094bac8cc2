#!/usr/bin/env bash
# Renders the hicolor PNGs and the Windows icon from tarvek-config.svg. The PNGs are committed, so
# building never needs a renderer; run this (needs rsvg-convert, Debian package
# librsvg2-bin) after changing the drawing and commit the results.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}"
  rsvg-convert -w "$size" -h "$size" tarvek-config.svg -o "hicolor/${size}x${size}/tarvek-config.png"
done
# The Windows icon (program, installer, Start menu) holds the same sizes; it
# needs ImageMagick's convert (Debian package imagemagick).
convert hicolor/{16x16,32x32,48x48,64x64,256x256}/tarvek-config.png ../windows/tarvek-config.ico
