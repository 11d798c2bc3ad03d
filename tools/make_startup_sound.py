#!/usr/bin/env python3
"""Writes the start-up sound: a short rising chime, 8-bit PCM, mono, 11,025 samples/s,
9,790 samples (about 0.89 s).

    python3 tools/make_startup_sound.py src/ui/sounds/startup.wav
"""
import math
import sys
import wave

RATE = 11025
SAMPLES = 9790
# (start in seconds, frequency in Hz, loudness): three notes of a major chord, each ringing on.
NOTES = [(0.00, 523.25, 0.50), (0.12, 659.25, 0.45), (0.24, 783.99, 0.55)]


def sample(i):
    t = i / RATE
    value = 0.0
    for start, freq, loud in NOTES:
        if t < start:
            continue
        age = t - start
        attack = min(1.0, age / 0.01)
        ring = math.exp(-age * 4.0)
        # A touch of the octave above gives the note a bell-like colour.
        value += loud * attack * ring * (math.sin(2 * math.pi * freq * age) + 0.3 * math.sin(4 * math.pi * freq * age))
    fade = min(1.0, (SAMPLES - 1 - i) / (0.05 * RATE))  # no click at the end
    return value * fade * 0.6


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_startup_sound.py OUTPUT.wav")
    frames = bytes(max(0, min(255, round(128 + 127 * sample(i)))) for i in range(SAMPLES))
    with wave.open(sys.argv[1], "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(1)  # 8-bit samples are unsigned, silence is 128
        out.setframerate(RATE)
        out.writeframes(frames)


if __name__ == "__main__":
    main()
