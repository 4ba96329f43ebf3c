#!/usr/bin/env python3
"""Writes "snap.wav", the capture sound: a short camera-shutter click.

Two clicks a few milliseconds apart (the shutter opening and closing), each
a burst of filtered noise with a fast exponential decay, over a faint low
thump. 22050 Hz, 16-bit mono, about 0.15 s. Deterministic: the same bytes
on every build.
"""
import math
import struct
import sys
import wave

RATE = 22050
LENGTH = int(RATE * 0.15)


def noise():
    # xorshift32, so the file does not depend on Python's random module.
    s = 0x2545F491
    while True:
        s ^= (s << 13) & 0xFFFFFFFF
        s ^= s >> 17
        s ^= (s << 5) & 0xFFFFFFFF
        yield (s / 0xFFFFFFFF) * 2.0 - 1.0


def samples():
    src = noise()
    clicks = [(0.000, 1.0, 900.0), (0.045, 0.7, 1100.0)]  # start s, level, decay per s
    low = 0.0
    out = []
    for i in range(LENGTH):
        t = i / RATE
        n = next(src)
        low += 0.35 * (n - low)  # soften the noise a little
        v = 0.0
        for start, level, decay in clicks:
            if t >= start:
                v += level * low * math.exp(-(t - start) * decay)
        v += 0.25 * math.sin(2 * math.pi * 140 * t) * math.exp(-t * 40)
        out.append(max(-1.0, min(1.0, v * 0.8)))
    return out


def main():
    path = sys.argv[1]
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(round(s * 32767))) for s in samples()))


if __name__ == "__main__":
    main()
