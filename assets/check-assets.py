#!/usr/bin/python3
"""Checks the generated game assets: the sound cues and instructions in the
stage folder and the pictures built into the program.

usage: check-assets.py <stage folder> <pictures folder> <sound file>...
The sound files are the game's cues, as the build reads them from game/Cue.h.
Standard library only; prints one line per check and "N passed, M failed".
"""

import array
import math
import os
import re
import struct
import sys
import xml.etree.ElementTree as ET

PICTURES = {
    "background.jpg": (800, 600),
    "start.png": (32, 32),
    "start2.png": (32, 32),
    "neu.png": (32, 32),
    "next.png": (32, 32),
    "bg.png": (32, 32),
    "ende.png": (32, 32),
    "icon.png": (32, 32),
    "icon-16.png": (16, 16),
    "icon-22.png": (22, 22),
    "icon-24.png": (24, 24),
    "icon-32.png": (32, 32),
    "icon-48.png": (48, 48),
    "icon-64.png": (64, 64),
    "icon-128.png": (128, 128),
    "icon-256.png": (256, 256),
    "spieler1.jpg": (100, 75),
    "spieler2.jpg": (100, 75),
    "spieler3.jpg": (100, 75),
}

MIN_SECONDS = 0.3
MAX_SECONDS = 3.0
MIN_RMS = 300.0          # about -40 dB of full scale: clearly audible
MAX_FULL_SCALE = 3       # a few samples at the rail are tolerated, a run is clipping
MAX_EDGE = 600           # first/last sample: a fade, not a click

passed = 0
failed = 0


def report(ok, what):
    global passed, failed
    if ok:
        passed += 1
        print("ok      " + what)
    else:
        failed += 1
        print("FAILED  " + what)


def read_wav(path):
    """Returns (format tag, channels, rate, bits, samples) or raises ValueError."""
    with open(path, "rb") as f:
        data = f.read()
    if len(data) < 12 or data[0:4] != b"RIFF" or data[8:12] != b"WAVE":
        raise ValueError("not a RIFF/WAVE file")
    pos = 12
    fmt = None
    pcm = None
    while pos + 8 <= len(data):
        cid = data[pos:pos + 4]
        size = struct.unpack_from("<I", data, pos + 4)[0]
        body = data[pos + 8:pos + 8 + size]
        if len(body) < size:
            raise ValueError("chunk %r is cut short" % cid)
        if cid == b"fmt ":
            if size < 16:
                raise ValueError("fmt chunk too small")
            fmt = struct.unpack_from("<HHIIHH", body, 0)
        elif cid == b"data":
            pcm = body
        pos += 8 + size + (size & 1)
    if fmt is None or pcm is None:
        raise ValueError("fmt or data chunk missing")
    tag, channels, rate, _, _, bits = fmt
    samples = array.array("h")
    if bits == 16:
        samples.frombytes(pcm[:len(pcm) - len(pcm) % 2])
        if sys.byteorder == "big":
            samples.byteswap()
    return tag, channels, rate, bits, samples


def check_sound(stage, name):
    path = os.path.join(stage, name)
    if not os.path.isfile(path):
        report(False, "%s exists" % name)
        return
    try:
        tag, channels, rate, bits, samples = read_wav(path)
    except (OSError, ValueError, struct.error) as e:
        report(False, "%s is a valid WAVE file (%s)" % (name, e))
        return
    report(tag == 1 and bits == 16 and channels == 1 and rate == 44100,
           "%s is 16-bit PCM mono 44.1 kHz (tag %d, %d bit, %d ch, %d Hz)"
           % (name, tag, bits, channels, rate))
    if rate <= 0 or channels != 1 or not samples:
        report(False, "%s has samples" % name)
        return
    seconds = len(samples) / rate
    report(MIN_SECONDS <= seconds <= MAX_SECONDS,
           "%s lasts %.2f s (%.1f-%.1f s)" % (name, seconds, MIN_SECONDS, MAX_SECONDS))
    rms = math.sqrt(sum(s * s for s in samples) / len(samples))
    report(rms > MIN_RMS, "%s is audible (RMS %.0f > %.0f)" % (name, rms, MIN_RMS))
    rail = sum(1 for s in samples if s >= 32767 or s <= -32767)
    report(rail <= MAX_FULL_SCALE,
           "%s does not clip (%d samples at full scale, peak %d)"
           % (name, rail, max(abs(min(samples)), max(samples))))
    report(abs(samples[0]) <= MAX_EDGE and abs(samples[-1]) <= MAX_EDGE,
           "%s starts and ends softly (first %d, last %d)" % (name, samples[0], samples[-1]))


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise ValueError("not a PNG file")
    return struct.unpack_from(">II", data, 16)


def jpeg_size(data):
    if data[:2] != b"\xff\xd8":
        raise ValueError("not a JPEG file")
    pos = 2
    while pos + 4 <= len(data):
        if data[pos] != 0xFF:
            raise ValueError("broken marker at byte %d" % pos)
        marker = data[pos + 1]
        if marker == 0xFF:            # fill byte
            pos += 1
            continue
        if marker == 0x01 or 0xD0 <= marker <= 0xD7:
            pos += 2                  # markers without a length
            continue
        if marker in (0xD9, 0xDA):
            break                     # end of image or start of scan before any frame header
        length = struct.unpack_from(">H", data, pos + 2)[0]
        if marker in (0xC0, 0xC1, 0xC2):
            height, width = struct.unpack_from(">HH", data, pos + 5)
            return width, height
        pos += 2 + length
    raise ValueError("no SOF0/SOF1/SOF2 frame header")


def check_picture(folder, name, size):
    path = os.path.join(folder, name)
    if not os.path.isfile(path):
        report(False, "%s exists" % name)
        return
    with open(path, "rb") as f:
        data = f.read()
    try:
        got = png_size(data) if name.endswith(".png") else jpeg_size(data)
    except (ValueError, struct.error) as e:
        report(False, "%s can be read (%s)" % (name, e))
        return
    report(tuple(got) == size, "%s is %dx%d (found %dx%d)" % (name, size[0], size[1], got[0], got[1]))


def check_svg_icon(folder):
    """The scalable icon: an SVG document on the 32 x 32 design grid whose
    paths all have a fill or a stroke (assets/check-icon-svg.sh compares how
    it looks with the painted icon)."""
    path = os.path.join(folder, "icon.svg")
    try:
        root = ET.parse(path).getroot()
    except (OSError, ET.ParseError) as e:
        report(False, "icon.svg is an XML document (%s)" % e)
        return
    ns = "{http://www.w3.org/2000/svg}"
    paths = root.findall(ns + "path")
    report(root.tag == ns + "svg" and root.get("viewBox") == "0 0 32 32",
           "icon.svg is SVG with viewBox 0 0 32 32 (%s, %s)" % (root.tag, root.get("viewBox")))
    report(len(paths) >= 5 and all(p.get("d") and (p.get("fill") != "none" or p.get("stroke") != "none")
                                   for p in paths),
           "icon.svg draws its %d paths" % len(paths))


def standalone(letter, text):
    """The letter as a key of its own ('q', "q", Taste q), not inside a word."""
    return re.search(r"(?<![A-Za-zÄÖÜäöüß])" + letter + r"(?![A-Za-zÄÖÜäöüß])", text) is not None


def check_instructions(stage):
    path = os.path.join(stage, "Spielanleitung.txt")
    if not os.path.isfile(path):
        report(False, "Spielanleitung.txt exists")
        return
    with open(path, "rb") as f:
        raw = f.read()
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as e:
        report(False, "Spielanleitung.txt is UTF-8 (%s)" % e)
        return
    report(True, "Spielanleitung.txt is UTF-8")
    lines = text.splitlines()
    # Ten short sections, the game controllers the last of them.
    report(60 <= len(lines) <= 150, "Spielanleitung.txt has 60-150 lines (%d)" % len(lines))
    report(any(c in text for c in "äöüÄÖÜß"), "Spielanleitung.txt has German umlauts")
    for key in ("q", "b", "p"):
        report(standalone(key, text), "Spielanleitung.txt names the key %s" % key)
    for word in ("Zeitlimit", "Spielanleitung", "Hintergrund wählen", "Ende", "Neu", "Start", "Gamecontroller"):
        report(word in text, "Spielanleitung.txt mentions \"%s\"" % word)


def main(argv):
    if len(argv) < 4:
        print("usage: check-assets.py <stage folder> <pictures folder> <sound file>...")
        return 2
    stage, pictures, sounds = argv[1], argv[2], argv[3:]
    for name in sounds:
        check_sound(stage, name)
    for name, size in PICTURES.items():
        check_picture(pictures, name, size)
    icon = os.path.join(pictures, "icon.png")
    start2 = os.path.join(pictures, "start2.png")
    if os.path.isfile(icon) and os.path.isfile(start2):
        with open(icon, "rb") as a, open(start2, "rb") as b:
            report(a.read() == b.read(), "icon.png is the same image as start2.png")
    else:
        report(False, "icon.png and start2.png exist")
    check_svg_icon(pictures)
    check_instructions(stage)
    print("%d passed, %d failed" % (passed, failed))
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
