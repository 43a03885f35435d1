#!/usr/bin/env python3
# Synthesises the game's three sound effects into resources/sounds/: 101.wav (puzzle
# solved fanfare), 102.wav (tile click) and 103.wav (game start chime).
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Standard library only and deterministic: running it again gives identical bytes, so
# the committed files can always be checked against it. Output is 8-bit unsigned mono
# PCM at the rates and lengths the game expects.

import math
import pathlib
import random
import struct

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUT_DIR = ROOT / "resources" / "sounds"

TAU = 2.0 * math.pi


def note(name):
    """Equal-tempered frequency of a note such as 'C5' or 'G#4' (A4 = 440 Hz)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semitone = steps[name[0]]
    rest = name[1:]
    if rest.startswith("#"):
        semitone += 1
        rest = rest[1:]
    return 440.0 * 2.0 ** ((semitone + 12 * (int(rest) - 4)) / 12.0)


def raised_cosine(x):
    """0 at x <= 0, 1 at x >= 1, smooth in between."""
    if x <= 0.0:
        return 0.0
    if x >= 1.0:
        return 1.0
    return 0.5 - 0.5 * math.cos(math.pi * x)


def edge_fades(count, rate, fade_in, fade_out, hold_silent):
    """Gain curve that opens over fade_in seconds and closes over fade_out seconds,
    reaching exactly 0 for the last hold_silent samples so the file ends on silence."""
    n_in = max(1, round(fade_in * rate))
    n_out = max(1, round(fade_out * rate))
    end = count - hold_silent
    gains = []
    for i in range(count):
        g = raised_cosine(i / n_in)
        g *= raised_cosine((end - 1 - i) / n_out)
        gains.append(g)
    return gains


def finish(signal, rate, peak, fade_in, fade_out, seed, hold_silent=4):
    """Fades both ends, removes DC, scales to the wanted peak and quantises to
    unsigned 8-bit with triangular dither (which fades out with the signal so the
    silent ends are exactly 128)."""
    gains = edge_fades(len(signal), rate, fade_in, fade_out, hold_silent)
    shaped = [s * g for s, g in zip(signal, gains)]
    # Take the offset out in the shape of the fades, so the ends stay at silence.
    offset = sum(shaped) / sum(gains)
    shaped = [s - offset * g for s, g in zip(shaped, gains)]
    scale = peak * 127.0 / max(abs(s) for s in shaped)
    rng = random.Random(seed)
    out = bytearray()
    for s, g in zip(shaped, gains):
        dither = (rng.random() - rng.random()) * g
        value = 128 + math.floor(s * scale + dither + 0.5)
        out.append(min(255, max(0, value)))
    return bytes(out)


def wav_bytes(samples, rate):
    """Canonical RIFF/WAVE, PCM 8-bit mono; odd data gets one pad byte as RIFF wants."""
    pad = b"\x80" if len(samples) % 2 else b""
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate, 1, 8)
    body = (b"WAVE"
            + b"fmt " + struct.pack("<I", len(fmt)) + fmt
            + b"data" + struct.pack("<I", len(samples)) + samples + pad)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def brass_voice(buf, rate, freq, start, attack, length, release, level, vib_phase):
    """Adds a soft brass-like tone: harmonics rolling off with order, the upper ones
    opening a little later and closing sooner, so the attack blooms and the tail mellows.
    length=None means the note is held and decays to the end of the buffer."""
    nyquist_guard = 0.45 * rate
    first = int(start * rate)
    harmonics = []
    n = 1
    while n * freq < nyquist_guard and n <= 8:
        harmonics.append((n, 1.0 / n ** 1.6))
        n += 1
    phase = 0.0
    for i in range(first, len(buf)):
        t = (i - first) / rate
        if length is None:
            # Held chord: a quick settle from the attack level, then a slow decay.
            env = raised_cosine(t / attack) * (0.55 + 0.45 * math.exp(-t / 0.18)) * math.exp(-t / 0.85)
        else:
            env = raised_cosine(t / attack)
            if t > length:
                env *= math.exp(-(t - length) / release)
            if env < 1e-4 and t > length:
                break
        # Gentle vibrato that comes in only on long notes, as a player would.
        depth = 0.0025 * raised_cosine((t - 0.25) / 0.3)
        inst = freq * (1.0 + depth * math.sin(TAU * 5.2 * t + vib_phase))
        phase += TAU * inst / rate
        value = 0.0
        for n, amp in harmonics:
            bloom = 1.0 - math.exp(-t / (0.004 * n))
            mellow = math.exp(-t * 0.9 * (n - 1))
            value += amp * bloom * (0.35 + 0.65 * mellow) * math.sin(n * phase)
        buf[i] += level * env * value


def make_fanfare():
    rate, count = 11025, 19848
    buf = [0.0] * count
    # Da-da-da, then the full C major chord held under the top C.
    for k, name in enumerate(("C5", "E5", "G5")):
        brass_voice(buf, rate, note(name), 0.10 * k, 0.012, 0.085, 0.05, 1.0, 0.0)
    chord_start = 0.30
    chord = (("C4", 0.50), ("G4", 0.45), ("C5", 0.50), ("E5", 0.45), ("G5", 0.45), ("C6", 0.75))
    for k, (name, level) in enumerate(chord):
        # A cent or two apart keeps the chord from sounding like one organ stop.
        detune = 1.0 + 0.0009 * (k - 2.5) / 2.5
        brass_voice(buf, rate, note(name) * detune, chord_start, 0.018, None, 0.0, level, 1.3 * k)
    return wav_bytes(finish(buf, rate, 0.78, 0.004, 0.32, seed=101), rate), rate


def make_click():
    rate, count = 7500, 420
    buf = [0.0] * count
    # Inharmonic wood-block modes: a low-mid body with short-lived upper modes.
    modes = ((640.0, 1.00, 0.0095), (1510.0, 0.45, 0.0055), (2380.0, 0.22, 0.0030), (3050.0, 0.10, 0.0018))
    for i in range(count):
        t = i / rate
        buf[i] = sum(a * math.exp(-t / d) * math.sin(TAU * f * t) for f, a, d in modes)
    # The contact itself: a couple of milliseconds of low-passed noise.
    rng = random.Random(102)
    smooth = 0.0
    for i in range(count):
        t = i / rate
        smooth += 0.45 * (rng.uniform(-1.0, 1.0) - smooth)
        buf[i] += 0.35 * math.exp(-t / 0.0009) * smooth
    return wav_bytes(finish(buf, rate, 0.40, 0.0008, 0.012, seed=1102), rate), rate


def bell(buf, rate, freq, start, level, decay):
    """Adds a small chime: a strong fundamental with slightly stretched overtones that
    die away faster than it does, which is what makes a struck bar sound like a bell."""
    partials = ((1.0, 1.00, 1.0), (2.01, 0.32, 0.55), (3.03, 0.12, 0.35), (4.12, 0.07, 0.22), (6.26, 0.03, 0.12))
    first = int(start * rate)
    for i in range(first, len(buf)):
        t = (i - first) / rate
        strike = raised_cosine(t / 0.0015)
        value = 0.0
        for ratio, amp, life in partials:
            if ratio * freq < 0.45 * rate:
                value += amp * math.exp(-t / (decay * life)) * math.sin(TAU * ratio * freq * t)
        buf[i] += level * strike * value


def make_chime():
    rate, count = 48818, 10081
    buf = [0.0] * count
    for k, (name, level) in enumerate((("C6", 0.80), ("E6", 0.90), ("G6", 1.00))):
        bell(buf, rate, note(name), 0.05 * k, level, 0.075)
    return wav_bytes(finish(buf, rate, 0.70, 0.002, 0.035, seed=103), rate), rate


def describe(name, data):
    rate = struct.unpack_from("<I", data, 24)[0]
    size = struct.unpack_from("<I", data, 40)[0]
    samples = data[44:44 + size]
    print(f"{name}: {rate} Hz, {size} bytes, {size / rate:.4f} s, "
          f"peak {min(samples)}..{max(samples)}, mean {sum(samples) / size:.3f}, "
          f"ends {samples[0]}/{samples[-1]}")


def main():
    OUT_DIR.mkdir(parents=True, exist_ok=True)
    for name, make in (("101.wav", make_fanfare), ("102.wav", make_click), ("103.wav", make_chime)):
        data, _ = make()
        (OUT_DIR / name).write_bytes(data)
        describe(name, data)


if __name__ == "__main__":
    main()
