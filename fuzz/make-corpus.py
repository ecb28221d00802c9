#!/usr/bin/env python3
"""Writes the fuzzers' starting inputs under fuzz/corpus/: host sessions for every plug-in target and small sound files for the file-reading target."""
import math
import os
import shutil
import struct
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
PLUGINS = ["ascarell", "ascarell_mono", "ascarell3", "ascarell3_mono", "tolverin", "tolverin_mono", "tolverin3_mono"]

# Action kinds, in the decoder's order.
DISPATCH, SET_PARAMETER, GET_PARAMETER, SET_PROGRAM, RENAME, SAMPLE_RATE, BLOCK_SIZE, RESUME, SUSPEND, REPLACE, ACCUMULATE = range(11)
# Tags of the decoder's named numbers and integers.
RATE_44100, RATE_48000, RATE_96000 = 200, 201, 202
ZERO, MINUS_ONE, MINUS_44100, NAN, INF, MINUS_INF, DENORMAL, HUGE = 207, 209, 210, 211, 212, 213, 214, 218
INT_MIN, INT_MAX, FRAMES_1024, FRAMES_8192 = 200, 201, 210, 208
# Sample bytes: 120 is silence, 0 and 240 full scale; above 240 the hostile ones.
SAMPLE_NAN, SAMPLE_INF, SAMPLE_MINUS_INF, SAMPLE_DENORMAL, SAMPLE_HUGE = 240, 241, 242, 243, 245


def integer(value):
    return bytes([value + 20]) if -20 <= value < 180 else bytes([255]) + struct.pack("<i", value)


def unit(value):
    return bytes([round(value * 199)])


def dispatch(opcode, index=0, value=0, number=0.0, text=b""):
    return bytes([DISPATCH, opcode]) + integer(index) + integer(value) + unit(number) + bytes([len(text)]) + text


def process(samples, kind=REPLACE):
    frames = len(samples) // 2
    return bytes([kind, frames]) + bytes(samples)


def sine(frames, amplitude=1.0, period=16):
    wave = [120 + round(amplitude * 119 * math.sin(2 * math.pi * i / period)) for i in range(frames)]
    return wave + wave


def prepare(rate_tag=RATE_44100):
    return dispatch(0) + bytes([SAMPLE_RATE, rate_tag, BLOCK_SIZE, FRAMES_1024, RESUME])


def sessions():
    loud = process(sine(64)) + process(sine(64), ACCUMULATE)
    yield "default", prepare() + loud * 4 + b"".join(bytes([GET_PARAMETER]) + integer(i) for i in range(36)) + bytes([SUSPEND])
    rates = b"".join(bytes([SAMPLE_RATE, tag]) + process(sine(32)) for tag in
                     (RATE_48000, RATE_96000, ZERO, MINUS_44100, NAN, INF, HUGE, DENORMAL))
    sizes = b"".join(bytes([BLOCK_SIZE]) + integer(size) + process(sine(17)) for size in (0, -1, 1, 64, 2**31 - 1))
    yield "rate_change", prepare() + loud + rates + sizes + bytes([SUSPEND, RESUME]) + loud
    sweep = b"".join(bytes([SET_PROGRAM]) + integer(p) + process(sine(48, 0.5)) + dispatch(5) for p in range(-2, 40))
    names = b"".join(dispatch(29, index=i) for i in range(-1, 34))
    yield "program_sweep", prepare() + sweep + bytes([RENAME, 30]) + b"A program name past its bound" + names
    hostile = [SAMPLE_NAN, SAMPLE_INF, SAMPLE_MINUS_INF, SAMPLE_DENORMAL, SAMPLE_HUGE] * 12
    parameters = b"".join(bytes([SET_PARAMETER]) + integer(i) + bytes([v]) for i in (-1, 0, 1, 2, 5, 40)
                          for v in (NAN, INF, MINUS_INF, MINUS_ONE, HUGE))
    yield "hostile_samples", prepare() + process(hostile) + process(hostile, ACCUMULATE) + loud + parameters + loud
    editor = dispatch(13) + dispatch(14) + dispatch(19) + dispatch(59, index=ord("a"), value=0x31) + dispatch(61, value=1)
    automation = b"".join(bytes([SET_PARAMETER]) + integer(i) + unit(0.75) + dispatch(19) for i in range(36))
    yield "editor", prepare() + editor + automation + loud + dispatch(15) + dispatch(19)
    yield "every_opcode", b"".join(dispatch(op, text=b"bypass") for op in range(96) if op != 1) + loud


def wav(channels, rate, frames, format_code=1, bits=16):
    """A canonical RIFF WAVE file of a sine, PCM integer or float."""
    data = bytearray()
    for i in range(frames):
        for c in range(channels):
            x = 0.5 * math.sin(2 * math.pi * (c + 1) * i / 32)
            if format_code == 3:
                data += struct.pack("<f", x)
            elif bits == 8:
                data += bytes([128 + round(x * 127)])
            else:
                data += struct.pack("<h", round(x * 32767))
    block = channels * bits // 8
    header = struct.pack("<4sI4s4sIHHIIHH4sI", b"RIFF", 36 + len(data), b"WAVE", b"fmt ", 16, format_code,
                         channels, rate, rate * block, block, bits, b"data", len(data))
    return header + bytes(data)


def float_wav_with(values):
    data = b"".join(struct.pack("<f", v) for v in values)
    return struct.pack("<4sI4s4sIHHIIHH4sI", b"RIFF", 36 + len(data), b"WAVE", b"fmt ", 16, 3, 1, 44100,
                       44100 * 4, 4, 32, b"data", len(data)) + data


def sound_files(folder):
    files = {
        "mono16.wav": wav(1, 44100, 300),
        "stereo_float.wav": wav(2, 48000, 300, format_code=3, bits=32),
        "three_channels8.wav": wav(3, 22050, 200, bits=8),
        "hostile_float.wav": float_wav_with([math.nan, math.inf, -math.inf, 1e-40, 1e30, -1e30, 0.5] * 40),
        "odd_rate.wav": wav(1, 1, 100),
    }
    for name, content in files.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(content)
    # AIFF and FLAC through sox, from the stereo file.
    sox = shutil.which("sox")
    if sox is None:
        sys.exit("sox is needed for the AIFF and FLAC inputs")
    source = os.path.join(folder, "mono16.wav")
    subprocess.run([sox, source, "-b", "24", "-c", "2", os.path.join(folder, "stereo24.aiff")], check=True)
    subprocess.run([sox, source, os.path.join(folder, "mono16.flac")], check=True)


def main():
    for plugin in PLUGINS:
        folder = os.path.join(HERE, "corpus", plugin)
        os.makedirs(folder, exist_ok=True)
        for name, content in sessions():
            with open(os.path.join(folder, name), "wb") as f:
                f.write(content)
    folder = os.path.join(HERE, "corpus", "sound_file")
    os.makedirs(folder, exist_ok=True)
    sound_files(folder)


if __name__ == "__main__":
    main()
