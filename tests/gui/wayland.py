#!/usr/bin/python3
"""The game on Wayland, natively: under a headless weston compositor (no X
server for the program, no XWayland), the program starts with Qt's Wayland
platform and a game can be played. Input goes through AT-SPI's actions, as
a screen reader's would (xdotool needs X). Prints one line per check and
"N passed, M failed"."""
import argparse
import os
import subprocess
import sys
import time
import traceback

from gui_checks import Checks
from quizdesk import Program, wait_until


def press(p, name):
    p.control(name).queryAction().doAction(0)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--binary", required=True)
    ap.add_argument("--artifacts", required=True)
    a = ap.parse_args()
    binary = os.path.abspath(a.binary)
    os.makedirs(a.artifacts, exist_ok=True)
    c = Checks()
    socket = "velmora-test-%d" % os.getpid()
    weston_log = open(os.path.join(a.artifacts, "weston.log"), "w")
    weston = subprocess.Popen(["weston", "--backend=headless-backend.so", "--socket=" + socket, "--idle-time=0",
                               "--no-config"], stdout=weston_log, stderr=subprocess.STDOUT)
    p = None
    try:
        runtime = os.environ["XDG_RUNTIME_DIR"]
        if not c.check("headless weston runs", wait_until(lambda: os.path.exists(os.path.join(runtime, socket)), 10)):
            return 1
        p = Program(binary, os.path.dirname(binary), a.artifacts, "wayland.log",
                    env={"DISPLAY": None, "WAYLAND_DISPLAY": socket, "QT_QPA_PLATFORM": None})
        with open("/proc/%d/maps" % p.proc.pid) as f:
            maps = f.read()
        c.check("the program runs on Qt's Wayland platform, not on X", "libqwayland" in maps and "libqxcb" not in maps)
        time.sleep(1.0)
        counted = []
        press(p, "Start")
        for n in (1, 2, 3):
            wait_until(lambda: p.text("Frage") and p.text("Ergebnis") == "?", 8)
            press(p, "Antwort 1 wählen")
            counted.append(bool(wait_until(lambda: p.text("Beantwortete Fragen") == str(n), 5)))
            if n < 3:
                # The answer pause brings the next question by itself.
                wait_until(lambda: p.text("Ergebnis") == "?", 6)
        c.check("three questions answered, each counted", all(counted), counted)
        c.check("the program is alive and answers", p.alive() and p.answers() is not None)
    except Exception as e:
        traceback.print_exc()
        c.check("run completed", False, repr(e))
    finally:
        if p:
            p.stop()
        weston.terminate()
        weston.wait(5)
        weston_log.close()
    print("%d passed, %d failed" % (c.passed, c.failed))
    return 1 if c.failed else 0


if __name__ == "__main__":
    sys.exit(main())
