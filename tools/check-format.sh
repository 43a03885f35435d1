#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what clang-format (.clang-format) makes of it.
# clang-format -i FILE fixes one.
set -euo pipefail
cd "$(dirname "$0")/.."
if git rev-parse --is-inside-work-tree > /dev/null 2>&1; then
    mapfile -t files < <(git ls-files '*.cpp' '*.h')
else # a copy without git: the sources, not the build folders
    mapfile -t files < <(find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | sort)
fi
clang-format --dry-run -Werror "${files[@]}"
echo "format: ${#files[@]} C++ files as clang-format writes them"
