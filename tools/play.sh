#!/usr/bin/env bash
# Builds Mirvel and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build --target mirvel
exec build/bin/mirvel
