#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy) on the program's own sources, two at a time, with the compile
# commands of a build folder (default build, as tools/test.sh makes it); fails on any warning.
#   tools/tidy.sh [BUILD_FOLDER] [FILE...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
[ -f "$build/compile_commands.json" ] || { echo "tidy: no $build/compile_commands.json: build first" >&2; exit 2; }
files=("$@")
[ ${#files[@]} -gt 0 ] || mapfile -t files < <(git ls-files '*.cpp' | grep -E '^(about|champions|errors|help|lang|links|puzzle|render|shell|sound)/')

log=$(mktemp)
trap 'rm -f "$log"' EXIT
start=$SECONDS
# --quiet drops the "N warnings generated" lines; what is left are findings (or errors).
rc=0
printf '%s\n' "${files[@]}" | xargs -P2 -n4 clang-tidy-14 -p "$build" --quiet > "$log" 2>&1 || rc=$?
if [ $rc -ne 0 ] || grep -qE ': (warning|error):' "$log"; then
    cat "$log"
    echo "tidy: $(grep -cE ': (warning|error):' "$log") findings in ${#files[@]} files" >&2
    exit 1
fi
echo "tidy: ${#files[@]} files clean in $((SECONDS - start)) s"
