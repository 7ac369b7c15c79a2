#!/usr/bin/python3
"""The countdown on the screen against the wall clock. One player, limit 5,
no answer: the countdown box must show 5 (or 4), 4, 3, 2, 1, each within
50 ms after its second turns, then "=/\\=" at the deadline second, and the
next question's countdown two seconds later. Once without input, once with
the mouse moving over the background every 0.2 s.

The box is watched passively (quizdesk.PixelWatch): the program never hears
of it. AT-SPI only finds the controls before the game and reads the texts
after it; a query over AT-SPI wakes the program's event loop and would hide
a late display. Prints one line per check and "N passed, M failed"."""
import argparse
import math
import os
import sys
import time
import traceback

from gui_checks import Checks
from quizdesk import FREE_SPOT, Mover, PixelWatch, Program, centre, run, wait_until

LIMIT = 5
LAG = 0.050  # seconds after the turn within which each value must show


def lag(t):
    return t - math.floor(t)


def watch_one_game(p, watcher, artifacts, name, with_input):
    """Chooses the limit, starts the game and returns (start time, changes)."""
    if not p.choose("Zeitlimit in Sekunden", str(LIMIT)):
        raise RuntimeError("could not choose the time limit")
    start = centre(p.control("Start"))
    free = p.twips_on_screen(*FREE_SPOT)
    watch = PixelWatch(watcher, p, p.control("Verbleibende Zeit"), LIMIT + 5.5)
    # The list's closing and the option's cue settle; the watch takes its
    # first picture meanwhile.
    time.sleep(1.0)
    started = time.time()
    run("xdotool", "mousemove", str(start[0]), str(start[1]), "click", "1")
    mover = Mover([free, (free[0] + 12, free[1] + 8)]) if with_input else None
    changes = watch.changes()
    if mover:
        mover.stop()
    with open(os.path.join(artifacts, name + ".txt"), "w") as f:
        f.write("start %.6f\n%s" % (started, watch.output))
    return started, changes


def judge(c, label, started, changes):
    """Checks one watched game; returns the hashes of the values shown."""
    if not c.check("%s: the box was watched" % label, len(changes) >= 2, changes):
        return []
    idle = changes[0][1]  # "=/\=" before the game
    values, timeout, after = [], None, []
    for i, (t, h) in enumerate(changes[1:]):
        if h == idle:
            timeout, after = (t, h), changes[i + 2:]
            break
        values.append((t, h))
    shown = ", ".join("%.3f" % t for t, _ in values)
    if not c.check("%s: the countdown ends in '=/\\=' again" % label, timeout is not None and values, shown):
        return []
    first = values[0][0]
    c.check("%s: %d or %d distinct values, the first right after Start" % (label, LIMIT, LIMIT - 1),
            len(values) in (LIMIT, LIMIT - 1) and len({h for _, h in values}) == len(values) and first - started < 0.5,
            "%d values at %s (Start at %.3f)" % (len(values), shown, started))
    base = math.floor(first)
    late = [(i, t) for i, (t, _) in enumerate(values[1:], 1) if math.floor(t) != base + i or lag(t) > LAG]
    c.check("%s: each later value within %d ms after its second turns" % (label, LAG * 1000), not late,
            "late: %s" % ", ".join("value %d at %.3f (%d ms after the turn)" % (i + 1, t, lag(t) * 1000) for i, t in late))
    deadline = base + len(values)
    c.check("%s: '=/\\=' (the time-out) at the deadline second, so '1' was shown for a second" % label,
            math.floor(timeout[0]) == deadline and lag(timeout[0]) <= LAG,
            "time-out at %.3f, deadline second %d" % (timeout[0], deadline))
    nxt = after[0] if after else None
    c.check("%s: the next question's countdown two seconds after the time-out" % label,
            nxt is not None and math.floor(nxt[0]) == deadline + 2 and lag(nxt[0]) <= LAG
            and (len(values) != LIMIT or nxt[1] == values[0][1]),
            "next change %s" % (("%.3f" % nxt[0]) if nxt else None))
    return [h for _, h in values]


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--binary", required=True)
    ap.add_argument("--watcher", required=True)
    ap.add_argument("--artifacts", required=True)
    a = ap.parse_args()
    a.binary, a.watcher = os.path.abspath(a.binary), os.path.abspath(a.watcher)
    os.makedirs(a.artifacts, exist_ok=True)
    c = Checks()
    seen = {}
    for label, name, with_input in (("no input", "idle", False), ("mouse moving every 0.2 s", "input", True)):
        p = None
        try:
            p = Program(a.binary, os.path.dirname(a.binary), a.artifacts, "countdown-%s.log" % name)
            started, changes = watch_one_game(p, a.watcher, a.artifacts, "countdown-" + name, with_input)
            seen[name] = judge(c, label, started, changes)
            # Read after the fact: the question timed out and was counted.
            c.check("%s: the time-out counted the question" % label,
                    wait_until(lambda: p.text("Beantwortete Fragen") == "1", 5), p.text("Beantwortete Fragen"))
        except Exception as e:
            traceback.print_exc()
            c.check("%s: run completed" % label, False, repr(e))
        finally:
            if p:
                p.stop()
    if seen.get("idle") and len(seen.get("idle")) == len(seen.get("input") or []):
        c.check("the same values in both runs", seen["idle"] == seen["input"])
    print("%d passed, %d failed" % (c.passed, c.failed))
    return 1 if c.failed else 0


if __name__ == "__main__":
    sys.exit(main())
