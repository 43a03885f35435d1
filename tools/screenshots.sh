#!/usr/bin/env bash
# Takes screenshots of every view of the game under Xvfb, into the folder given (default
# build/screens): boards 3, 5 and 8, the three pictures, a game, the name prompt, the
# champions list, the about box and the menus in each language, the help window, the error dialog.
# Needs xvfb, xauth and pdftoppm; run after a build.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/screens}")
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config/Mirvel"
printf '[Optionen]\nStartVal=1\n' > "$work/config/Mirvel/Mirvel.conf"
printf '[Optionen]\nSprache= 0\n' > "$work/Mirvel.ini"
cp build/bin/Mirvel.chm "$work/"
XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1024x768x24" build/bin/mirvel_showcase "$work" "$out"
pdftoppm -png -r 60 -singlefile "$out/protocol.pdf" "$out/protocol-page"
