#!/usr/bin/python3
"""Game controllers measured in the real window, with the virtual controllers
of the program's test seam (QUIZ_TEST_CONTROLLERS).

lag: one player, 50 questions, no time limit. The answer key "1" is typed
PRESSES times from the keyboard (an XTest key event, sent on a connection
kept open, so no program start is timed) and PRESSES times as button A of
pad 1 (a line to the seam's FIFO), in turns. Each time the result box is
watched through its pixels (quiz-pixel-watch, passively): the lag is from
just before the key or the line was sent to the first change of the box
("?" becomes "Bingo!" or "Falsch!"). Between two presses a click on the
background calls the next question and AT-SPI waits for it; nothing reads
AT-SPI while a press is timed.

cpu: one player, limit 30, three virtual pads connected, no input for
SECONDS while the countdown waits: the program's CPU time from /proc.
cpu_sdl_wait: the same for COMPARE_SECONDS with the module waiting in
SDL_WaitEventTimeout (QUIZ_CONTROLLERS_SDL_WAIT=1), for comparison.

Prints:
  lag presses=N keyboard_median_ms=.. keyboard_p95_ms=.. pad_median_ms=.. pad_p95_ms=..
  cpu pads=N seconds=.. cpu_pct=.. limit=.. countdown=..
  cpu_sdl_wait pads=N seconds=.. cpu_pct=.. limit=.. countdown=.."""
import argparse
import ctypes
import ctypes.util
import math
import os
import select
import subprocess
import sys
import tempfile
import time

import pyatspi

from quizdesk import FREE_SPOT, Program, enabled, wait_until


def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def percentile(values, p):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, max(0, math.ceil(p * len(ordered)) - 1))]


class Keyboard:
    """Key presses through XTest on one open connection to the X server."""

    def __init__(self):
        self.x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
        self.xtst = ctypes.CDLL(ctypes.util.find_library("Xtst"))
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XStringToKeysym.restype = ctypes.c_ulong
        self.x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
        self.x11.XKeysymToKeycode.restype = ctypes.c_ubyte
        self.x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.x11.XFlush.argtypes = [ctypes.c_void_p]
        self.x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.display = self.x11.XOpenDisplay(None)
        if not self.display:
            raise RuntimeError("no X display")

    def press(self, name):
        """Presses and releases the key; returns the wall-clock time just before."""
        code = self.x11.XKeysymToKeycode(self.display, self.x11.XStringToKeysym(name.encode()))
        self.xtst.XTestFakeKeyEvent(self.display, code, 1, 0)
        self.xtst.XTestFakeKeyEvent(self.display, code, 0, 0)
        t = time.time()
        self.x11.XFlush(self.display)
        return t

    def close(self):
        self.x11.XCloseDisplay(self.display)


class LiveWatch:
    """quiz-pixel-watch on a control, its lines read as they come."""

    def __init__(self, watcher, program, acc, seconds, inset=2):
        w = program.window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        e = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        self.proc = subprocess.Popen([watcher, str(int(program.xid)), str(e.x - w.x + inset), str(e.y - w.y + inset),
                                      str(e.width - 2 * inset), str(e.height - 2 * inset), str(seconds)],
                                     stdout=subprocess.PIPE)
        self.buffer = b""
        self.lines = []
        self.next_change(0, 5)  # the first line: the box as it was

    def next_change(self, after, timeout):
        """The time of the first change at or after the wall-clock time after."""
        end = time.monotonic() + timeout
        while True:
            for t, h in self.lines:
                if t >= after:
                    return t
            rest = end - time.monotonic()
            if rest <= 0:
                return None
            ready, _, _ = select.select([self.proc.stdout], [], [], rest)
            if not ready:
                return None
            chunk = os.read(self.proc.stdout.fileno(), 4096)
            if not chunk:
                return None
            self.buffer += chunk
            while b"\n" in self.buffer:
                line, self.buffer = self.buffer.split(b"\n", 1)
                t, h = line.split()
                self.lines.append((float(t), h))

    def stop(self):
        self.proc.terminate()
        self.proc.wait(5)


def start(binary, artifacts, name, fifo, env=None):
    p = Program(binary, os.path.dirname(binary), artifacts, "pad-lag-%s.log" % name,
                env=dict(env or {}, QUIZ_TEST_CONTROLLERS="3", QUIZ_TEST_CONTROLLERS_FIFO=fifo))

    def pads():
        p.log.flush()
        with open(p.log.name, errors="replace") as f:
            return len([l for l in f if " connected: player" in l])

    if wait_until(lambda: pads() == 3, 10) is None:
        raise RuntimeError("the three virtual pads did not connect")
    return p, pads()


def lag(binary, watcher, artifacts, presses, tmp):
    fifo = os.path.join(tmp, "pads-lag")
    os.mkfifo(fifo)
    p, _ = start(binary, artifacts, "lag", fifo)
    keyboard = Keyboard()
    pad = os.open(fifo, os.O_WRONLY)
    watch = None
    try:
        if not (p.choose("Anzahl Fragen", "50") and p.choose("Zeitlimit in Sekunden", "Kein")):
            raise RuntimeError("could not choose the options")
        p.click(p.control("Start"))
        result = p.control("Ergebnis")
        watch = LiveWatch(watcher, p, result, 4 * presses + 30)
        taken = {"keyboard": [], "pad": []}
        for i in range(2 * presses):
            how = "keyboard" if i % 2 == 0 else "pad"
            if not wait_until(lambda: enabled(p.control("Antwort 1 wählen")) and p.text("Ergebnis") == "?", 8):
                raise RuntimeError("no question waits for an answer")
            p.focus_window()
            time.sleep(0.3)  # all quiet, the yield asleep
            if how == "keyboard":
                t0 = keyboard.press("1")
            else:
                t0 = time.time()
                os.write(pad, b"press 1 a\n")
            t1 = watch.next_change(t0, 3)
            if t1 is None:
                raise RuntimeError("the result box did not change after the %s's press %d" % (how, i))
            taken[how].append(1000 * (t1 - t0))
            if not wait_until(lambda: p.text("Ergebnis") in ("Bingo!", "Falsch!"), 5):
                raise RuntimeError("the answer was not judged")
            p.click_twips(*FREE_SPOT)
        with open(os.path.join(artifacts, "pad-lag.txt"), "w") as f:
            for how, values in taken.items():
                f.write("%s %s\n" % (how, " ".join("%.2f" % v for v in values)))
        k, d = taken["keyboard"], taken["pad"]
        print("lag presses=%d keyboard_median_ms=%.2f keyboard_p95_ms=%.2f pad_median_ms=%.2f pad_p95_ms=%.2f" % (
            presses, percentile(k, 0.5), percentile(k, 0.95), percentile(d, 0.5), percentile(d, 0.95)))
    finally:
        if watch:
            watch.stop()
        os.close(pad)
        keyboard.close()
        p.stop()


def cpu(binary, artifacts, seconds, tmp, name="cpu", env=None):
    fifo = os.path.join(tmp, "pads-" + name)
    os.mkfifo(fifo)
    p, pads = start(binary, artifacts, name, fifo, env)
    pad = os.open(fifo, os.O_WRONLY)
    try:
        if not p.choose("Zeitlimit in Sekunden", "30"):
            raise RuntimeError("could not choose the time limit")
        # Started by pad 1's Start button: Enter, with the focus on an option box.
        os.write(pad, b"press 1 start\n")
        if not wait_until(lambda: p.text("Verbleibende Zeit").isdigit(), 5):
            raise RuntimeError("the countdown did not start")
        time.sleep(1.0)
        cpu0, wall0 = cpu_seconds(p.proc.pid), time.monotonic()
        time.sleep(seconds)
        cpu1, wall1 = cpu_seconds(p.proc.pid), time.monotonic()
        print("%s pads=%d seconds=%.1f cpu_pct=%.2f limit=%s countdown=%s" % (
            name, pads, wall1 - wall0, 100 * (cpu1 - cpu0) / (wall1 - wall0), p.text("Zeitlimit in Sekunden"),
            p.text("Verbleibende Zeit")))
    finally:
        os.close(pad)
        p.stop()


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--binary", required=True)
    ap.add_argument("--watcher", required=True)
    ap.add_argument("--artifacts", required=True)
    ap.add_argument("--presses", type=int, default=20)
    ap.add_argument("--seconds", type=float, default=20)
    ap.add_argument("--compare-seconds", type=float, default=10,
                    help="the same wait with SDL_WaitEventTimeout in the module, for comparison; 0: not")
    a = ap.parse_args()
    os.makedirs(a.artifacts, exist_ok=True)
    binary, watcher = os.path.abspath(a.binary), os.path.abspath(a.watcher)
    with tempfile.TemporaryDirectory() as tmp:
        lag(binary, watcher, a.artifacts, a.presses, tmp)
        cpu(binary, a.artifacts, a.seconds, tmp)
        if a.compare_seconds > 0:
            cpu(binary, a.artifacts, a.compare_seconds, tmp, "cpu_sdl_wait", {"QUIZ_CONTROLLERS_SDL_WAIT": "1"})
    return 0


if __name__ == "__main__":
    sys.exit(main())
