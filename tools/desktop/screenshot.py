#!/usr/bin/python3
"""Takes the README's and the metainfo's screenshot: the real program's
window, cropped to its client area, with the first question of a game for
one player on the screen.

usage (inside the private session):
  tools/desktop/run-in-session.sh tools/desktop/screenshot.py --binary build/stage/velmora-quiz --out docs/screenshot.png
Prints "1 passed, 0 failed" when the picture is written."""
import argparse
import os
import subprocess
import sys
import tempfile
import time

import pyatspi

from quizdesk import Program, enabled, wait_until


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--binary", required=True)
    ap.add_argument("--out", required=True)
    a = ap.parse_args()
    binary = os.path.realpath(a.binary)
    with tempfile.TemporaryDirectory() as work:
        p = Program(binary, os.path.dirname(binary), work, "screenshot.log")
        try:
            p.click(p.control("Start"))
            if not wait_until(lambda: p.text("Frage") and enabled(p.control("Antwort 1 wählen")), 8):
                print("no question came\n0 passed, 1 failed")
                return 1
            p.click_at(0, 0)  # the pointer off the window
            time.sleep(1.2)   # the countdown has moved on once
            e = p.window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            shot = p.screenshot("screen.png")
            subprocess.run(["convert", shot, "-crop", "%dx%d+%d+%d" % (e.width, e.height, e.x, e.y), "+repage",
                            "-strip", os.path.abspath(a.out)], check=True)
        finally:
            p.stop()
    print("wrote %s\n1 passed, 0 failed" % a.out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
