#!/usr/bin/env bash
# Every benchmark: Mirvel against its peers under Xvfb (bench/peers.sh). Fails only when
# something could not be measured.
set -uo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh || exit 1
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null && cmake --build build -j2 > /dev/null || exit 1
status=0
bench/peers.sh || status=1
exit $status
