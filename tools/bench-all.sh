#!/usr/bin/env bash
# Every benchmark: Mirvel against its peers under Xvfb (bench/peers.sh), and a live resize step
# by step (bench/resize_bench.cpp), over the socket and in shared memory, each beside a plain
# window of one colour. Fails only when something could not be measured.
set -uo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh || exit 1
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null && cmake --build build -j2 > /dev/null || exit 1
status=0
bench/peers.sh || status=1
for mode in "" "--floor" "--shm" "--floor --shm"; do
    # shellcheck disable=SC2086 # the mode is words
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 2600x1520x24" build/bin/resize_bench $mode | tail -1 |
        sed "s/^/resize${mode:+ $mode}: /" || status=1
done
exit $status
