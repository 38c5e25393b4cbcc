#!/usr/bin/env bash
# Renders the desktop icon in the sizes of the hicolor theme. Run it after changing
# resources/linux/tavrix.svg and commit the pictures (needs librsvg2-bin; the build does not).
set -euo pipefail
cd "$(dirname "$0")/../resources/linux"
for size in 16 24 32 48 64 128 256; do
    mkdir -p "icons/${size}x${size}"
    rsvg-convert -w "$size" -h "$size" tavrix.svg -o "icons/${size}x${size}/tavrix.png"
done
