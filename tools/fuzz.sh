#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz (clang, in build-fuzz) and runs each for
# MIRVEL_FUZZ_SECONDS (default 60), two at a time, from the seeds in tests/fuzz/corpus/<name>
# and the program's own sounds.
# Fails when one finds a crash, a leak or a hang (over 5 s for one input); the input that did it
# is kept in build-fuzz/artifacts/<target>/ and printed in base64 (up to 16 KiB).
#   tools/fuzz.sh [TARGET...]        e.g. tools/fuzz.sh fuzz_wave
#   build-fuzz/bin/fuzz_wave FILE  replays a kept input
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${MIRVEL_FUZZ_SECONDS:-60}
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_profile fuzz_wave fuzz_soundfont)

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMIRVEL_FUZZ=ON \
    -DCMAKE_CXX_COMPILER=clang++ > /dev/null
cmake --build build-fuzz --target "${targets[@]}"

export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The program's own files are seeds as they stand, not copies that could go stale.
own_seeds() {
    case $1 in
    fuzz_wave) echo resources/sounds/102.wav resources/sounds/103.wav ;;
    fuzz_soundfont) echo resources/tunes/*.mid ;;
    esac
}
run() { # target: fuzzes into a corpus of its own in build-fuzz, seeded from the tracked one
    local t=$1 seeds=tests/fuzz/corpus/${1#fuzz_} rc=0 n=0
    mkdir -p "build-fuzz/corpus/$t" "build-fuzz/artifacts/$t" "build-fuzz/seeds/$t"
    for f in $(own_seeds "$t"); do cp "$f" "build-fuzz/seeds/$t/$((n++))-$(basename "$f")"; done
    [ -d "$seeds" ] || seeds="build-fuzz/seeds/$t"
    touch "build-fuzz/$t.started"
    "build-fuzz/bin/$t" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="build-fuzz/artifacts/$t/" "build-fuzz/corpus/$t" "$seeds" "build-fuzz/seeds/$t" > "build-fuzz/$t.log" 2>&1 || rc=$?
    echo $rc > "build-fuzz/$t.rc"
}
for t in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge 2 ]; do wait -n || true; done
    run "$t" &
done
wait

failed=0
for t in "${targets[@]}"; do
    if [ "$(cat "build-fuzz/$t.rc")" = 0 ]; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "build-fuzz/$t.log")
        echo "$t: ${runs:-?} inputs in ${seconds} s, no crash, leak or hang"
        continue
    fi
    failed=1
    echo "$t: FAILED, see build-fuzz/$t.log" >&2
    grep -E "ERROR: |SUMMARY: |check failed|runtime error" "build-fuzz/$t.log" | head -5 >&2 || true
    find "build-fuzz/artifacts/$t" -type f -newer "build-fuzz/$t.started" | while read -r f; do
        echo "  kept $f ($(stat -c %s "$f") bytes)" >&2
        [ "$(stat -c %s "$f")" -gt 16384 ] || echo "    base64: $(base64 -w0 "$f")" >&2
    done
done
exit $failed
