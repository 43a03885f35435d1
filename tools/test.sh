#!/usr/bin/env bash
# Builds Mirvel and runs every test headless, checks the format and the help's sources.
# MIRVEL_SANITIZE=1 runs the tests once more in a build with AddressSanitizer and UBSan.
# In CI (CI=true), or asked for: clang-tidy (MIRVEL_TIDY=1; 3 to 4 minutes of two cores) and
# the fuzz targets (MIRVEL_FUZZ_SECONDS=N seconds each; CI: 60); in CI as root, the package test.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build
(cd build && ctest --output-on-failure -j2)

if [ "${MIRVEL_SANITIZE:-0}" = 1 ]; then
    cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMIRVEL_SANITIZE=ON > /dev/null
    cmake --build build-sanitize
    # Qt's own caches live until exit; leaks are not what this run looks for.
    (cd build-sanitize && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --output-on-failure -j2)
fi

tools/check-format.sh
tools/check-help.sh
if [ "${CI:-}" = true ] || [ "${MIRVEL_TIDY:-0}" = 1 ]; then
    tools/tidy.sh build
fi
if [ "${CI:-}" = true ] || [ -n "${MIRVEL_FUZZ_SECONDS:-}" ]; then
    tools/fuzz.sh
fi
# CI also builds the Debian package and installs, starts and removes it (that needs root).
if [ "${CI:-}" = true ] && [ "$(id -u)" -eq 0 ]; then
    tools/package-test.sh
fi

