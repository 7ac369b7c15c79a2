#!/usr/bin/python3
"""The real window at any size. On a 1280 x 1024 screen at the scale factors
1, 1.5 and 2, and full screen (F11) on a 1920 x 1080 screen: the window lies
wholly on the screen, every control shows where its twips put it, and clicks
at the scaled positions of Start, an answer button and "Ende" act as at 1:1;
a click in the margins does nothing; the message boxes grow with the window.
The instructions open in a window of their own while a countdown goes on;
without a display the program says so in one line and ends with status 1.

Positions are computed from the window's geometry in screen pixels (xdotool)
and the layout's twips, not read through AT-SPI: with a scale factor Qt
reports AT-SPI extents in its logical pixels. AT-SPI presses the buttons of
message boxes and reads texts.
  any_screen.py --binary PATH --artifacts DIR --screen 1280x1024|1920x1080"""
import argparse
import os
import subprocess
import sys
import time
import traceback

import pyatspi

from gui_checks import Checks
from quizdesk import Program, run, wait_until, walk

CLIENT = (11940, 8940)
# Twips rectangles of the controls the checks use (left, top, width, height).
START = (240, 6360, 735, 735)
ANSWER_1 = (3720, 960, 495, 495)
ENDE = (9720, 7800, 2055, 735)
INFO = (11280, 0, 615, 570)
INSTRUCTIONS = (5400, 0, 2895, 570)
QUESTION = (240, 1320, 2415, 1095)
LIGHT_BLUE = (192, 192, 255)


def geometry(xid):
    """The window's place and size in screen pixels."""
    out = run("xdotool", "getwindowgeometry", "--shell", str(xid)).stdout
    v = dict(line.split("=", 1) for line in out.split() if "=" in line)
    return int(v["X"]), int(v["Y"]), int(v["WIDTH"]), int(v["HEIGHT"])


class Layout:
    """Twips to screen pixels for a window of the given geometry: the client
    area at the largest scale that fits, centred."""

    def __init__(self, geo):
        self.x, self.y, self.w, self.h = geo
        self.dpi = min(self.w * 1440.0 / CLIENT[0], self.h * 1440.0 / CLIENT[1])
        self.cw, self.ch = round(CLIENT[0] * self.dpi / 1440), round(CLIENT[1] * self.dpi / 1440)
        self.ox, self.oy = (self.w - self.cw) // 2, (self.h - self.ch) // 2

    def point(self, tx, ty):
        return (self.x + self.ox + round(tx * self.dpi / 1440), self.y + self.oy + round(ty * self.dpi / 1440))

    def centre(self, r):
        return self.point(r[0] + r[2] // 2, r[1] + r[3] // 2)

    def inner_corner(self, r):
        """A point a little inside the top-left corner of a control."""
        return self.point(r[0] + 60, r[1] + 60)


def click(at):
    run("xdotool", "mousemove", str(at[0]), str(at[1]), "click", "1")


def pixel(path, at):
    out = subprocess.run(["convert", path, "-crop", "1x1+%d+%d" % at, "-depth", "8", "rgb:-"], capture_output=True).stdout
    return tuple(out[:3]) if len(out) >= 3 else None


def near(a, b, tolerance=24):
    return a is not None and all(abs(x - y) <= tolerance for x, y in zip(a, b))


def press_box_button(p, titles):
    """Closes a message box with its first button, pressed through AT-SPI."""
    box = p.box(titles, 5)
    if not box:
        return False
    buttons = p.buttons(box[2])
    if buttons:
        buttons[0].queryAction().doAction(0)
    # The farewell ends the program as it closes: then there is no box to ask for.
    return bool(wait_until(lambda: not p.alive() or not p.boxes(), 5))


def box_size(p, title):
    xid = wait_until(lambda: run("xdotool", "search", "--all", "--pid", str(p.proc.pid), "--onlyvisible", "--name",
                                 "^%s$" % title).stdout.split(), 5)
    return geometry(xid[-1])[2:] if xid else None


def play_one_question(c, p, label, lay):
    """Start, answer "1", "Ende": each a click at its scaled place."""
    click(lay.centre(START))
    question = wait_until(lambda: p.text("Frage"), 8)
    c.check("%s: a click at Start's scaled place starts a game" % label, bool(question))
    wait_until(lambda: p.text("Ergebnis") == "?", 5)
    click(lay.centre(ANSWER_1))
    counted = wait_until(lambda: p.text("Beantwortete Fragen") == "1", 5)
    c.check("%s: a click at answer button 1 answers the question" % label,
            bool(counted) and p.text("Ergebnis") in ("Bingo!", "Falsch!"), p.text("Ergebnis"))
    click(lay.centre(ENDE))
    farewell = press_box_button(p, {"Bis bald..."})
    code = p.exit_code(10)
    c.check("%s: a click at 'Ende' shows the farewell, then the program ends" % label, farewell and code == 0,
            "farewell %s, exit code %s" % (farewell, code))


def shows_every_control(c, p, label, lay, screen, shot):
    gx, gy, gw, gh = lay.x, lay.y, lay.w, lay.h
    c.check("%s: the window lies wholly on the %dx%d screen" % (label, *screen),
            gx >= 0 and gy >= 0 and gx + gw <= screen[0] and gy + gh <= screen[1], (gx, gy, gw, gh))
    # Every control lies inside the client area on the screen, and three of
    # them show their colour exactly where the twips put them.
    outside = []
    for acc in p.visible_controls():
        e = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        if e.width <= 0 or e.height <= 0:
            outside.append(acc.name)
    looks = {"Start": near(pixel(shot, lay.inner_corner(START)), LIGHT_BLUE),
             "Ende": near(pixel(shot, lay.inner_corner(ENDE)), LIGHT_BLUE),
             "Frage": near(pixel(shot, lay.inner_corner(QUESTION)), (255, 255, 255))}
    c.check("%s: the screenshot shows Start, Ende and the question box where their twips lie" % label,
            all(looks.values()) and not outside, "looks %s, without extents %s" % (looks, outside))


def at_scale(c, a, factor, screen):
    label = "scale %s" % factor
    p = Program(a.binary, os.path.dirname(a.binary), a.artifacts, "any-screen-%s.log" % factor,
                env={"QT_SCALE_FACTOR": factor})
    try:
        time.sleep(1.0)
        lay = Layout(geometry(p.xid))
        shows_every_control(c, p, label, lay, screen, p.screenshot("scale-%s.png" % factor))
        play_one_question(c, p, label, lay)
    finally:
        p.stop()


def full_screen(c, a, screen):
    label = "full screen"
    p = Program(a.binary, os.path.dirname(a.binary), a.artifacts, "any-screen-full.log")
    try:
        time.sleep(1.0)
        # The info box at the design's size, for the comparison below.
        click(Layout(geometry(p.xid)).centre(INFO))
        small = box_size(p, "Info")
        press_box_button(p, {"Info"})
        p.focus_window()
        p.key("F11")
        wait_until(lambda: geometry(p.xid) == (0, 0, *screen), 5)
        time.sleep(0.5)
        lay = Layout(geometry(p.xid))
        c.check("%s: F11 gives the window the whole screen" % label, (lay.x, lay.y, lay.w, lay.h) == (0, 0, *screen),
                (lay.x, lay.y, lay.w, lay.h))
        shot = p.screenshot("full-screen.png")
        shows_every_control(c, p, label, lay, screen, shot)
        c.check("%s: the margins are black" % label,
                lay.ox > 0 and near(pixel(shot, (lay.ox // 2, lay.h // 2)), (0, 0, 0), 2), lay.ox)
        # Where Start would be if the margin were not taken into account.
        start = lay.centre(START)
        click((start[0] - lay.ox, start[1]))
        time.sleep(1.0)
        c.check("%s: a click in the margin does nothing" % label,
                not p.boxes() and p.text("Frage") == "" and p.text("Beantwortete Fragen") == "")
        click(lay.centre(INFO))
        large = box_size(p, "Info")
        press_box_button(p, {"Info"})
        # Qt wraps a box's text at a width of its own choosing: the box grows in height.
        grown = small and large and large[1] / small[1]
        c.check("%s: the info box's text grows with the window" % label,
                bool(grown) and grown >= 0.8 * lay.dpi / 96, "box %s at the design's size, %s now" % (small, large))
        play_one_question(c, p, label, lay)
    finally:
        p.stop()


def instructions(c, a):
    label = "instructions"
    p = Program(a.binary, os.path.dirname(a.binary), a.artifacts, "any-screen-instructions.log")
    try:
        time.sleep(1.0)
        lay = Layout(geometry(p.xid))
        p.choose("Zeitlimit in Sekunden", "5")
        click(lay.centre(START))
        wait_until(lambda: p.text("Frage"), 8)
        click(lay.centre(INSTRUCTIONS))

        def viewer():
            for i in range(p.app.childCount):
                w = p.app.getChildAtIndex(i)
                if w is not None and w.name == "Spielanleitung":
                    return w
            return None

        window = wait_until(viewer, 5)
        with open(os.path.join(os.path.dirname(a.binary), "Spielanleitung.txt"), encoding="utf-8") as f:
            first = f.readline().rstrip("\n")
        texts = []
        for acc in walk(window) if window else []:
            try:
                texts.append(acc.queryText().getText(0, -1))
            except NotImplementedError:  # no text in it
                pass
        c.check("%s: a window 'Spielanleitung' shows the file, from its first line" % label,
                any(t.startswith(first) for t in texts if t), first)
        p.screenshot("instructions.png")
        # The countdown goes on beneath it: the question times out.
        timed_out = wait_until(lambda: p.text("Beantwortete Fragen") == "1", 9)
        c.check("%s: the game's countdown goes on while it is open" % label, bool(timed_out) and viewer() is not None)
        p.stop()
    except Exception:
        p.stop()
        raise


def no_display(c, a):
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    r = subprocess.run([a.binary], cwd=os.path.dirname(a.binary), env=env, capture_output=True, text=True, timeout=30)
    lines = [l for l in r.stderr.splitlines() if l.strip()]
    c.check("without a display: one line and status 1", r.returncode == 1 and len(lines) == 1 and
            "keine grafische Anzeige" in lines[0], "status %d, %r" % (r.returncode, lines))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--binary", required=True)
    ap.add_argument("--artifacts", required=True)
    ap.add_argument("--screen", default="1280x1024")
    a = ap.parse_args()
    a.binary = os.path.abspath(a.binary)
    os.makedirs(a.artifacts, exist_ok=True)
    screen = tuple(int(v) for v in a.screen.split("x"))
    c = Checks()
    runs = [("full screen", lambda: full_screen(c, a, screen))] if screen == (1920, 1080) else [
        ("scale 1", lambda: at_scale(c, a, "1", screen)), ("scale 1.5", lambda: at_scale(c, a, "1.5", screen)),
        ("scale 2", lambda: at_scale(c, a, "2", screen)), ("instructions", lambda: instructions(c, a)),
        ("no display", lambda: no_display(c, a))]
    for name, body in runs:
        try:
            body()
        except Exception as e:
            traceback.print_exc()
            c.check("%s: run completed" % name, False, repr(e))
    print("%d passed, %d failed" % (c.passed, c.failed))
    return 1 if c.failed else 0


if __name__ == "__main__":
    sys.exit(main())
