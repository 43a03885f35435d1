#!/usr/bin/env bash
# Runs a test heard: a private PulseAudio server with one null sink, whose monitor is recorded to
# a file (8000 Hz, 16-bit mono) that the test reads, named by MIRVEL_HEAR. Both stop with the test.
set -uo pipefail
dir="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null; wait; rm -rf "$dir"' EXIT
HOME="$dir" XDG_RUNTIME_DIR="$dir" pulseaudio --daemonize=no -n --exit-idle-time=-1 --use-pid-file=no \
    --load="module-null-sink sink_name=nul" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$dir/native" 2>/dev/null &
for _ in $(seq 100); do [ -S "$dir/native" ] && break; sleep 0.05; done
[ -S "$dir/native" ] || { echo "heard.sh: no PulseAudio server would start" >&2; exit 1; }
export PULSE_SERVER="unix:$dir/native"
parecord --device=nul.monitor --raw --format=s16le --channels=1 --rate=8000 --latency-msec=10 >"$dir/heard.raw" &
MIRVEL_HEAR="$dir/heard.raw" "$@"
