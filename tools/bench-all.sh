#!/usr/bin/env bash
# Every benchmark: what the hot procedures cost (build/bin/mirvel_bench), then Mirvel against its
# peers under Xvfb (bench/peers.sh). Fails only when something could not be measured.
set -uo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh || exit 1
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null && cmake --build build -j2 --target mirvel_bench > /dev/null || exit 1
status=0
QT_QPA_PLATFORM=offscreen build/bin/mirvel_bench 2>/dev/null | grep -v "^ALSA" || status=1
echo
bench/peers.sh || status=1
exit $status
