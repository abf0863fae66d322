#!/usr/bin/env python3
"""Writes the program's five short sounds into ui/sounds/ as 22050 Hz mono 16-bit WAV files.

Each sound is a few notes of sine partials under a soft attack and an exponential decay, so
nothing clicks and nothing clips. The output is deterministic: running the script again gives
the same files byte for byte.

    python3 scripts/make-sounds.py [output folder]
"""

import math
import os
import struct
import sys
import wave

RATE = 22050
PEAK = 0.45  # of full scale; the loudest sample is scaled to exactly this
ATTACK = 0.004  # seconds of fade-in, long enough to avoid a click at the start
RELEASE = 0.012  # seconds of fade-out at the very end


def note(start, length, freq, end_freq=None, decay=8.0, partials=((1, 1.0),)):
    """One note: starts at `start` s, lasts `length` s, glides from `freq` to `end_freq` Hz.

    `decay` is the exponential decay rate per second; `partials` are (multiple, weight) pairs.
    """
    end_freq = end_freq or freq
    return (start, length, freq, end_freq, decay, partials)


# The sounds: when each plays is fixed by the program, how it sounds is ours.
SOUNDS = {
    # A pattern opened: two rising notes, bright and short.
    "SND_OPEN": [
        note(0.00, 0.12, 659.3, decay=14, partials=((1, 1.0), (2, 0.25))),
        note(0.07, 0.20, 987.8, decay=12, partials=((1, 1.0), (2, 0.2))),
    ],
    # Cells dropped onto the board: a soft low pluck that falls a little.
    "SND_DROP": [
        note(0.00, 0.12, 330.0, 220.0, decay=30, partials=((1, 1.0), (2, 0.35), (3, 0.1))),
    ],
    # Cells removed: a quick falling sweep.
    "SND_DELETE": [
        note(0.00, 0.15, 880.0, 294.0, decay=18, partials=((1, 1.0), (3, 0.15))),
    ],
    # A run ended: a small two-note bell, the second a fifth above the first.
    "SND_BLIP01": [
        note(0.00, 0.14, 880.0, decay=16, partials=((1, 1.0), (2.76, 0.12))),
        note(0.09, 0.21, 1318.5, decay=14, partials=((1, 1.0), (2.76, 0.1))),
    ],
    # A copy taken: one short high blip.
    "SND_BLIP02": [
        note(0.00, 0.06, 1568.0, decay=40, partials=((1, 1.0), (2, 0.15))),
    ],
}


def render(notes):
    length = max(start + dur for start, dur, *_ in notes)
    total = int(round(length * RATE))
    samples = [0.0] * total
    for start, dur, f0, f1, decay, partials in notes:
        first = int(round(start * RATE))
        count = min(int(round(dur * RATE)), total - first)
        phase = 0.0
        for i in range(count):
            t = i / RATE
            # The pitch glides exponentially; the phase is summed so the glide stays smooth.
            freq = f0 * (f1 / f0) ** (i / max(count - 1, 1))
            phase += 2 * math.pi * freq / RATE
            env = math.exp(-decay * t)
            env *= min(1.0, t / ATTACK)
            env *= min(1.0, (count - 1 - i) / (RELEASE * RATE))
            value = sum(w * math.sin(m * phase) for m, w in partials)
            samples[first + i] += env * value
    top = max(abs(s) for s in samples) or 1.0
    return [s * PEAK / top for s in samples]


def write(path, samples):
    frames = b"".join(struct.pack("<h", int(round(s * 32767))) for s in samples)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "ui", "sounds")
    os.makedirs(folder, exist_ok=True)
    for name, notes in SOUNDS.items():
        samples = render(notes)
        write(os.path.join(folder, name + ".wav"), samples)
        print(f"{name}.wav  {len(samples) / RATE:.3f} s")


if __name__ == "__main__":
    main()
