#!/usr/bin/env bash
# Makes the pictures of tests/data/pictures, which the own-picture rows play with (their names
# and what they hold: tests/data/README.md). Run by hand when one must change; the files are
# kept in git. Needs ImageMagick and python3.
set -euo pipefail
cd "$(dirname "$0")/../tests/data/pictures"
# Four quarters, red, green, blue and yellow from the top left: they tell which way up and which
# part of a picture the board shows.
quarters() { # SIDE
    local h=$(($1 / 2))
    convert \( -size ${h}x${h} xc:red xc:lime +append \) \( -size ${h}x${h} xc:blue xc:yellow +append \) -append \
        +repage "$2"
}
quarters 200 quarters.png
quarters 10 tiny.png
# The quarters between white bands: the middle of each is the quarters.
convert -size 200x200 xc:white quarters.png xc:white +append +repage wide.png
convert -size 200x200 xc:white quarters.png xc:white -append +repage tall.png
# The wide one stored turned a quarter to the left, with an EXIF orientation that turns it back.
convert wide.png -rotate -90 -quality 95 sideways.jpg
# Transparent white over red, large enough not to be enlarged: shown, the top half is black.
convert -size 400x200 xc:'rgba(255,255,255,0)' -size 400x200 xc:red -append +repage -define png:color-type=6 alpha.png
# No pictures.
printf 'This is a text, whatever its name says.\n' > text.png
: > empty.png
quarters 400 whole.png
convert whole.png -quality 95 whole.jpg
python3 - <<'PY'
import struct, zlib
for name in ("whole.jpg", "whole.png"):
    data = open(name, "rb").read()
    open("truncated." + name.split(".")[1], "wb").write(data[: len(data) * 2 // 3])
# EXIF orientation 6: the stored picture is to be turned a quarter to the right.
exif = b"Exif\0\0MM\0\x2a" + struct.pack(">IHHHIHHI", 8, 1, 0x112, 3, 1, 6, 0, 0)
data = open("sideways.jpg", "rb").read()
open("sideways.jpg", "wb").write(data[:2] + b"\xff\xe1" + struct.pack(">H", len(exif) + 2) + exif + data[2:])
# A header that claims 30000 x 30000 pixels, 3.6 GB decoded, in a file of 33 bytes.
ihdr = b"IHDR" + struct.pack(">IIBBBBB", 30000, 30000, 8, 6, 0, 0, 0)
open("huge.png", "wb").write(b"\x89PNG\r\n\x1a\n" + struct.pack(">I", 13) + ihdr + struct.pack(">I", zlib.crc32(ihdr)))
PY
rm whole.png whole.jpg
