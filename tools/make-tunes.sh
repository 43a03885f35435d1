#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Makes Mirvel's background tunes: converts every ABC source in
# resources/tunes/ (NAME.abc) into the Standard MIDI File beside it (NAME.mid).
# Each source is a multi-voice tune, so abc2midi writes a format 1 file with
# one track per voice (melody, chords, bass, drums on channel 10) after a
# tempo track. Any warning or error from abc2midi (a wrong bar length, voices
# of different lengths, ...) makes the script fail, and the .mid is not kept.
#
# Needs: abc2midi, from the Debian package abcmidi (apt-get install abcmidi).
# Usage: tools/make-tunes.sh        (run from anywhere in the work tree)
set -euo pipefail

tunes_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/resources/tunes"

if ! command -v abc2midi >/dev/null 2>&1; then
    echo "make-tunes.sh: abc2midi not found (install the Debian package abcmidi)" >&2
    exit 1
fi

shopt -s nullglob
sources=("$tunes_dir"/*.abc)
if [ "${#sources[@]}" -eq 0 ]; then
    echo "make-tunes.sh: no .abc files in $tunes_dir" >&2
    exit 1
fi

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

for abc in "${sources[@]}"; do
    name="$(basename "$abc" .abc)"
    out="$tmp/$name.mid"
    # -NCOM leaves abc2midi's own comment texts out of the MIDI file.
    log="$(abc2midi "$abc" -o "$out" -NCOM 2>&1)" || {
        printf '%s\n' "$log" >&2
        echo "make-tunes.sh: abc2midi failed on $abc" >&2
        exit 1
    }
    if grep -qiE 'warning|error' <<<"$log"; then
        printf '%s\n' "$log" >&2
        echo "make-tunes.sh: abc2midi complained about $abc" >&2
        exit 1
    fi
    # A Standard MIDI File of format 1 starts with MThd, length 6, format 1.
    if [ "$(head -c 10 "$out" | od -An -tx1 | tr -d ' \n')" != "4d546864000000060001" ]; then
        echo "make-tunes.sh: $out is not a format 1 MIDI file" >&2
        exit 1
    fi
    mv "$out" "$tunes_dir/$name.mid"
    echo "$name.abc -> $name.mid ($(wc -c <"$tunes_dir/$name.mid") bytes)"
done
