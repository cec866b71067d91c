#!/usr/bin/env bash
# Makes the icon resource src/app/resources/zixgame.ico from the picture zixgame.svg beside it:
# 256 px stored as PNG, and 64, 48, 32 and 16 px as 32-bit images with alpha. Each size is
# rendered from the drawing itself, so the small ones stay sharp. The result is committed;
# run this only after changing the picture.
set -euo pipefail

resources=$(cd "$(dirname "$0")/../src/app/resources" && pwd)
for tool in rsvg-convert convert; do
  command -v "$tool" >/dev/null || {
    echo "make_icon.sh: $tool is missing (packages librsvg2-bin and imagemagick)" >&2
    exit 1
  }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

frames=()
for size in 256 64 48 32 16; do
  rsvg-convert --width "$size" --height "$size" "$resources/zixgame.svg" -o "$work/$size.png"
  frames+=("$work/$size.png")
done

# No time stamps in the PNG frame, so that the same picture always gives the same file.
convert "${frames[@]}" -alpha on -define png:exclude-chunks=date,time "$resources/zixgame.ico"
echo "wrote $resources/zixgame.ico"
