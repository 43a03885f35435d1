#!/usr/bin/env bash
# Line coverage of the program's own code by the test suite: a --coverage build in
# build-coverage/, the whole suite run headless, then gcovr's summary (tests, benchmarks,
# tools and generated files left out). Needs gcovr (Debian package gcovr).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
command -v gcovr > /dev/null || {
    as_root=(); [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends gcovr
}
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build-coverage -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="--coverage -DMIRVEL_COVERAGE" -DCMAKE_EXE_LINKER_FLAGS="--coverage" > /dev/null
cmake --build build-coverage
find build-coverage -name '*.gcda' -delete
(cd build-coverage && ctest -j2 --output-on-failure > /dev/null)
gcovr --root . --object-directory build-coverage \
    --exclude 'tests/' --exclude 'bench/' --exclude 'tools/' --exclude 'build.*/' \
    --exclude-unreachable-branches --print-summary --txt build-coverage/coverage.txt
