#!/usr/bin/env bash
# Every benchmark: Mirvel against its peers under Xvfb (bench/peers.sh), a live resize step
# by step (bench/resize_bench.cpp), over the socket and in shared memory, each beside a plain
# window of one colour, and a 24-megapixel photo as the own picture (bench/ownpicture_bench.cpp).
# Fails only when something could not be measured.
set -uo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh || exit 1
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null && cmake --build build -j2 > /dev/null || exit 1
status=0
bench/peers.sh || status=1
# A display of its own, large enough for 2560 x 1440 and a menu bar (peers.sh installed Xvfb).
numberfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 2600x1520x24 -nolisten tcp 3> "$numberfile" > /dev/null 2>&1 & xvfb=$!
photo=
trap 'kill $xvfb 2> /dev/null; rm -f "$numberfile" "$photo"' EXIT
for _ in $(seq 100); do [ -s "$numberfile" ] && break; sleep 0.1; done
for mode in "" "--floor" "--shm" "--floor --shm"; do
    # shellcheck disable=SC2086 # the mode is words
    DISPLAY=:$(head -n 1 "$numberfile") QT_QPA_PLATFORM=xcb build/bin/resize_bench $mode 2> /dev/null | tail -1 |
        sed "s/^/resize${mode:+ $mode}: /" || status=1
done
# A 24-megapixel photo, 6000 x 4000, made from the first picture.
photo=$(mktemp --suffix=.jpg)
convert resources/bitmaps/101.jpg -resize '6000x4000!' -quality 92 "$photo"
DISPLAY=:$(head -n 1 "$numberfile") QT_QPA_PLATFORM=xcb build/bin/ownpicture_bench "$photo" 2> /dev/null |
    sed "s/^/own picture: /" || status=1
exit $status
