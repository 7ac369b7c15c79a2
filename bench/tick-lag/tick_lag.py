#!/usr/bin/python3
"""What the sleeping yield saves and what it could cost, from the same runs:
one player, limit 30, no answer, the countdown box watched through its
pixels for SECONDS (quizdesk.PixelWatch). Every change of the box after the
first (Start) belongs to a turn of the wall-clock second: the lag is how
long after the turn it showed. The program's CPU time over the same span
comes from /proc. Once without input, once with the mouse moving over the
background every 0.2 s. Prints one line per run:
  NAME changes=N median_ms=.. p95_ms=.. max_ms=.. cpu_pct=.."""
import argparse
import math
import os
import sys
import time

from quizdesk import FREE_SPOT, Mover, PixelWatch, Program, centre, run


def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def percentile(values, p):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, max(0, math.ceil(p * len(ordered)) - 1))]


def measure(binary, watcher, artifacts, name, seconds, with_input):
    p = Program(binary, os.path.dirname(binary), artifacts, "tick-lag-%s.log" % name)
    try:
        if not p.choose("Zeitlimit in Sekunden", "30"):
            raise RuntimeError("could not choose the time limit")
        start = centre(p.control("Start"))
        free = p.twips_on_screen(*FREE_SPOT)
        watch = PixelWatch(watcher, p, p.control("Verbleibende Zeit"), seconds + 1.5)
        time.sleep(1.0)
        run("xdotool", "mousemove", str(start[0]), str(start[1]), "click", "1")
        mover = Mover([free, (free[0] + 12, free[1] + 8)]) if with_input else None
        time.sleep(0.5)
        cpu0, wall0 = cpu_seconds(p.proc.pid), time.monotonic()
        changes = watch.changes()
        cpu1, wall1 = cpu_seconds(p.proc.pid), time.monotonic()
        if mover:
            mover.stop()
        with open(os.path.join(artifacts, "tick-lag-%s.txt" % name), "w") as f:
            f.write(watch.output)
        lags = [1000 * (t - math.floor(t)) for t, _ in changes[2:]]
        if not lags:
            raise RuntimeError("the countdown box did not change")
        print("%s changes=%d median_ms=%.1f p95_ms=%.1f max_ms=%.1f cpu_pct=%.2f" % (
            name, len(lags), percentile(lags, 0.5), percentile(lags, 0.95), max(lags),
            100 * (cpu1 - cpu0) / (wall1 - wall0)))
    finally:
        p.stop()


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--binary", required=True)
    ap.add_argument("--watcher", required=True)
    ap.add_argument("--artifacts", required=True)
    ap.add_argument("--seconds", type=float, default=60)
    a = ap.parse_args()
    os.makedirs(a.artifacts, exist_ok=True)
    binary, watcher = os.path.abspath(a.binary), os.path.abspath(a.watcher)
    measure(binary, watcher, a.artifacts, "idle", a.seconds, False)
    measure(binary, watcher, a.artifacts, "input", a.seconds, True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
