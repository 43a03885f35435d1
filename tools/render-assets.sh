#!/bin/bash
# Regenerates every bitmap under resources/ from its source: the SVG drawings
# next to each PNG, and three photos taken from Debian packages (see
# resources/CREDITS.md). The build only uses the committed files; run this by
# hand after editing a drawing and commit the results. The shutter and the
# start button's icon have no bitmaps: the program draws them from their SVGs
# at the size the window gives them.
#
# Needs: librsvg2-bin, imagemagick, plasma-workspace-wallpapers, python3-skimage.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
RES="$ROOT/resources"

# /usr/local/bin may hold something else called convert; insist on ImageMagick's.
CONVERT=/usr/bin/convert
RSVG=rsvg-convert

SAFE_LANDING=/usr/share/wallpapers/SafeLanding/contents/images/5120x2880.jpg
EVENING_GLOW=/usr/share/wallpapers/EveningGlow/contents/images/2560x1600.jpg
COFFEE=/usr/lib/python3/dist-packages/skimage/data/coffee.png

for tool in "$CONVERT" "$RSVG"; do
    command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 1; }
done
for src in "$SAFE_LANDING" "$EVENING_GLOW" "$COFFEE"; do
    [[ -r $src ]] || { echo "missing source photo: $src" >&2; exit 1; }
done

# -strip and no date chunks keep re-runs byte-identical.
PNG_OPTS=(-strip -define png:exclude-chunks=date,time)

# svg <svg> <png> <width> <height> [2x]
# With "2x", also <name>@2x.png at twice the size, which HiDPI screens show.
svg() {
    "$RSVG" --width="$3" --height="$4" "$1" \
        | "$CONVERT" png:- "${PNG_OPTS[@]}" "PNG32:$2"
    echo "  $2"
    if [[ ${5:-} == 2x ]]; then svg "$1" "${2%.png}@2x.png" $(($3 * 2)) $(($4 * 2)); fi
}

# photo <source> <crop geometry> <size> <jpg>
# The crops keep detail in every part of the picture: a tile of plain sky
# cannot be placed by the player. Each is kept at up to 1600 pixels (no more
# than the crop has), so a board that large is cut from real pixels; the
# program decodes only as many as the screen can show. JPEG keeps the program
# small.
photo() {
    "$CONVERT" "$1" -crop "$2" +repage -resize "$3!" -strip -quality 90 -sampling-factor 4:2:0 "JPEG:$4"
    echo "  $4"
}

echo "puzzle pictures"
# rocket, mountains, trees and the flowers in the foreground
photo "$SAFE_LANDING" 2600x2600+160+200 1600x1600 "$RES/bitmaps/101.jpg"
# sunset clouds, lake and the row of boats
photo "$EVENING_GLOW" 1400x1400+0+200 1400x1400 "$RES/bitmaps/102.jpg"
# cup, spoon and saucer; the picture is one pixel taller than wide, and its
# source has no more pixels than this
photo "$COFFEE" 399x400+90+0 400x401 "$RES/bitmaps/103.jpg"

echo "empty cell"
"$CONVERT" -size 50x50 xc:black "${PNG_OPTS[@]}" "PNG24:$RES/bitmaps/empty.png"
echo "  $RES/bitmaps/empty.png"

echo "decoration"
svg "$RES/decoration/fabric.svg"  "$RES/decoration/fabric.png"  50 204 2x

echo "icons"
svg "$RES/icons/stop.svg"   "$RES/icons/stop.png"      32  32 2x
svg "$RES/icons/mirvel.svg" "$RES/icons/mirvel-256.png" 256 256
svg "$RES/icons/mirvel.svg" "$RES/icons/mirvel-128.png" 128 128
svg "$RES/icons/mirvel.svg" "$RES/icons/mirvel-64.png"  64  64
svg "$RES/icons/mirvel.svg" "$RES/icons/mirvel-32.png"  32  32

echo "flags"
for flag in de gb se it; do
    svg "$RES/flags/$flag.svg" "$RES/flags/$flag.png" 32 20 2x
done

echo "about box"
svg "$RES/about/diskette.svg"  "$RES/about/diskette.png"  356 330 2x
svg "$RES/about/catalogue.svg" "$RES/about/catalogue.png" 32  32 2x
