#!/usr/bin/env bash
# Renders the program icon's PNG sizes from its SVG into the hicolor tree
# beside this script. Needs rsvg-convert (Debian: librsvg2-bin).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
name=io.github.weftara.Weftara
svg="$here/hicolor/scalable/apps/$name.svg"

command -v rsvg-convert >/dev/null || {
    echo "rsvg-convert is missing: apt-get install librsvg2-bin" >&2
    exit 1
}

for size in 16 22 24 32 48 64 128 256; do
    dir="$here/hicolor/${size}x${size}/apps"
    mkdir -p "$dir"
    rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio \
        --output "$dir/$name.png" "$svg"
    echo "$dir/$name.png"
done
