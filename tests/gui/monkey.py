#!/usr/bin/python3
"""Random input to the real program for a given time: keys, clicks all over
the window (on disabled controls too), picks in the option boxes, now and
then "Ende" or a close of the window. Every box that comes up is closed again
(Enter, Escape or one of its buttons), the background dialog with Escape.
Every 10 s the program must be alive and answer an AT-SPI query within one
second. When it ended through "Ende" (after its farewell box) or a close, it
is started again.

A failure is a crash (an end by a signal, an end with another exit code, an
end without the farewell box nor a close), a hang (no AT-SPI answer within a
second) or a runtime-error box. After a failure the program is started again
and the run goes on. Prints "N passed, M failed": the passed checks are the
ten-second checks and the orderly ends."""
import argparse
import os
import random
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

from quizdesk import Program, centre, close_window, fresh, showing, walk

FAREWELL = "Bis bald..."
DIALOG = "Bild auswählen!"
# The answer keys weigh most, so that games get somewhere.
KEYS = (["1", "2", "3", "4"] * 4 + ["q", "b", "p"] * 2 + ["Return", "Tab", "Escape", "space"] +
        list("acdefghijklmnorstuvwxyz"))
COMBOS = ["Anzahl Fragen", "Anzahl Spieler", "Zeitlimit in Sekunden"]
CHECK_EVERY = 10.0


class Monkey:
    def __init__(self, binary, artifacts, seconds, seed):
        self.binary = binary
        self.stage = os.path.dirname(binary)
        self.artifacts = artifacts
        self.seconds = seconds
        self.rng = random.Random(seed)
        self.passed = 0
        self.failed = 0
        self.restarts = 0
        self.runs = 0
        self.actions = 0
        self.seen = {}  # box title -> how often it came
        self.answered = 0  # the highest count of answered questions seen
        self.verbose = False
        self.p = None
        self.controls = []
        self.named = {}
        # No viewer may pop up when the instructions button is hit.
        self.bin = tempfile.mkdtemp(prefix="velmora-monkey-bin.")
        self.farewell_seen = False
        self.close_sent = False
        self.error_seen = False
        self.began = time.monotonic()
        self.trace = open(os.path.join(artifacts, "actions.log"), "w")

    # --- bookkeeping ---------------------------------------------------------
    def say(self, verdict, text):
        print("%s  %6.1f s  run %d: %s" % (verdict, time.monotonic() - self.began, self.runs, text))
        sys.stdout.flush()

    def note(self, text):
        """One line of the action trace in the artifacts."""
        self.trace.write("%7.2f run %d: %s\n" % (time.monotonic() - self.began, self.runs, text))
        self.trace.flush()

    def fail(self, text):
        self.failed += 1
        self.say("FAIL", text)
        self.note("FAIL " + text)
        try:
            self.p.screenshot("failure-%02d.png" % self.failed)
        except Exception:
            pass

    def hung(self, why):
        """A hang: the stacks of all threads go to the artifacts, then the
        program is ended."""
        self.fail("hang: %s" % why)
        if shutil.which("gdb") and self.p.alive():
            with open(os.path.join(self.artifacts, "hang-%02d-stacks.txt" % self.failed), "w") as f:
                try:
                    subprocess.run(["gdb", "-p", str(self.p.proc.pid), "-batch", "-ex", "thread apply all bt"],
                                   stdout=f, stderr=subprocess.STDOUT, timeout=60, check=False)
                except subprocess.TimeoutExpired:
                    f.write("gdb took longer than 60 s\n")
        self.stop()

    def start(self):
        self.runs += 1
        self.note("start")
        self.farewell_seen = False
        self.close_sent = False
        self.error_seen = False
        log = "run-%03d.log" % self.runs
        try:
            self.p = Program(self.binary, self.stage, self.artifacts, log, env={"PATH": self.bin})
            # The controls stay the same objects as long as the program runs;
            # read once, they cost no walk through the tree at every step.
            self.controls = [a for a in walk(self.p.window) if a is not self.p.window and
                             a.getRoleName() != "list item"]
            self.named = {a.name: a for a in self.controls if a.name}
        except Exception as e:
            self.fail("the program did not come up: %r" % e)
            self.stop()
            return False
        return True

    def stop(self):
        if self.p:
            self.p.stop()
            self.p = None

    def ended(self):
        """Judges an end of the program; True when it was an orderly one."""
        code = self.p.proc.returncode
        if self.error_seen:
            pass  # counted with its box already
        elif code < 0:
            self.fail("the program died by signal %d" % -code)
        elif code != 0:
            self.fail("the program ended with exit code %d" % code)
        elif not (self.farewell_seen or self.close_sent):
            self.fail("the program ended without the farewell box")
        else:
            self.passed += 1
            self.restarts += 1
            self.note("ended, exit code 0")
            self.say("PASS", "ended in order after %s" % ("its farewell box" if self.farewell_seen else "a close"))
            return True
        return False

    def unresponsive(self):
        """True when the program is alive but gives no AT-SPI answer within a
        second. A program on its way out (after a close) answers no more
        either: it gets two seconds to end before it counts as hung."""
        if self.p.answers(1.0) is not None:
            return False
        if self.p.exit_code(2) is not None:
            return False
        return self.p.answers(1.0) is None

    def healthy(self):
        """The ten-second check: alive and answering within a second."""
        if not self.p.alive():
            return False
        seconds = self.p.answers(1.0)
        if seconds is None:
            if self.p.exit_code(2) is not None:
                return False  # on its way out after all
            seconds = self.p.answers(1.0)
            if seconds is None:
                self.hung("no AT-SPI answer within 1 s")
                return False
        self.note("answered AT-SPI in %.3f s" % seconds)
        self.passed += 1
        try:
            count = self.p.text("Beantwortete Fragen")
            self.answered = max(self.answered, int(count)) if count.isdigit() else self.answered
            if self.verbose:
                self.say("      ", "answered %r, result %r, turn %r" % (count, self.p.text("Ergebnis"),
                                                                     self.p.text("Am Zug")))
        except Exception:
            pass
        return True

    # --- boxes -----------------------------------------------------------------
    def boxes(self):
        try:
            return self.p.boxes()
        except Exception:
            return []

    @staticmethod
    def box_text(acc):
        texts = []
        for a in walk(acc):
            if a.getRoleName() in ("label", "text", "static") and a.name:
                texts.append(a.name)
        return " ".join(texts)

    def close_box(self, role, title, acc):
        """Closes one box; False when the program should be judged (it ended
        or a runtime error came)."""
        # The program's runtime errors come in a box of this title.
        if title == "Velmora Quiz" or "Laufzeitfehler" in title:
            self.error_seen = True
            self.fail("runtime-error box: %s" % self.box_text(acc))
            self.p.key("Return")
            return False
        self.seen[title] = self.seen.get(title, 0) + 1
        if title == FAREWELL:
            self.farewell_seen = True
        time.sleep(self.rng.choice([0, 0, 0.2, 0.8]))  # a player reads, or does not
        if title == DIALOG:
            self.note("box %r: Escape" % title)
            self.p.key("Escape")
        else:
            way = self.rng.random()
            if way < 0.4:
                self.note("box %r: Return" % title)
                self.p.key("Return")
            elif way < 0.7:
                self.note("box %r: Escape" % title)
                self.p.key("Escape")
            else:
                buttons = [b for b in walk(acc) if b.getRoleName() == "push button" and showing(b)]
                if buttons:
                    button = self.rng.choice(buttons)
                    self.note("box %r: click on %r" % (title, button.name))
                    self.p.click(button)
        return True

    def clear_boxes(self):
        """Closes the boxes that are up. Returns False when the program ended
        or must be judged."""
        for attempt in range(12):
            up = self.boxes()
            if not up:
                return True
            role, title, acc = up[0]
            if attempt >= 6:
                # Keys go astray when the box lacks the focus: its buttons.
                buttons = [b for b in walk(acc) if b.getRoleName() == "push button" and showing(b)]
                if buttons:
                    self.p.click(buttons[-1])
                else:
                    self.p.key("Escape")
            elif not self.close_box(role, title, acc):
                return False
            time.sleep(0.15)
            if not self.p.alive():
                return False
        self.fail("a box could not be closed: %s" % [(r, t) for r, t, _ in self.boxes()])
        self.stop()  # started afresh
        return False

    # --- random input ---------------------------------------------------------------
    def window_rect(self):
        e = self.p.window.queryComponent().getExtents(0)
        return e.x, e.y, e.width, e.height

    def act(self):
        self.actions += 1
        r = self.rng.random()
        p = self.p
        if r < 0.40:
            if self.rng.random() < 0.3:
                p.focus_window()
            key = self.rng.choice(KEYS)
            self.note("key %s" % key)
            p.key(key)
        elif r < 0.70:
            x, y, w, h = self.window_rect()
            ende = p.client_rect(self.named["Ende"])
            while True:
                cx, cy = self.rng.randrange(w), self.rng.randrange(h)
                # Ende less often, so that games get somewhere.
                if not (ende[0] <= cx < ende[2] and ende[1] <= cy < ende[3]) or self.rng.random() < 0.3:
                    break
            self.note("click at %d %d of the client area" % (cx, cy))
            p.click_at(x + cx, y + cy)
        elif r < 0.82:
            # On a control, enabled or not.
            controls = self.controls
            if self.rng.random() < 0.3:
                # Start and New game more often, so that games get played.
                controls = [self.named["Start"], self.named["Neues Spiel"]]
            target = self.rng.choice(controls)
            if target.name == "Ende" and self.rng.random() < 0.7:
                return  # Ende less often, so that games get played
            x, y = centre(target)
            self.note("click on %r" % target.name)
            if x > 0 and y > 0:
                p.click_at(x, y)
        elif r < 0.92:
            self.pick()
        elif r < 0.997:
            pause = self.rng.uniform(0.2, 2.5)
            self.note("pause %.1f s" % pause)
            time.sleep(pause)
        else:
            self.note("close the window")
            self.close_sent = True
            close_window(p.xid)
        time.sleep(self.rng.choice([0, 0.02, 0.05, 0.1, 0.3]))

    def pick(self):
        """A pick in an option box: its list opens on a click, an item is clicked."""
        p = self.p
        name = self.rng.choice(COMBOS)
        self.note("pick in %r" % name)
        combo = self.named[name]
        p.click(combo)
        time.sleep(0.4)
        lists = [a for a in walk(fresh(combo)) if a.getRoleName() == "list"]
        if not lists or not showing(lists[0]):
            return
        items = [a for a in walk(lists[0]) if a.getRoleName() == "list item"]
        if items:
            time.sleep(0.3)
            item = self.rng.choice(items)
            self.note("  item %r" % item.name)
            x, y = centre(item)
            p.click_at(x, y)

    # --- the run ------------------------------------------------------------------------
    def run(self):
        end = time.monotonic() + self.seconds
        next_check = time.monotonic() + CHECK_EVERY
        while time.monotonic() < end:
            if self.p is None and not self.start():
                time.sleep(1)
                continue
            # A hung program lets every AT-SPI call wait for its timeout and
            # then hands back empty answers: each step asks first.
            if self.p.alive() and self.unresponsive():
                self.hung("no AT-SPI answer within 1 s")
                continue
            try:
                if self.clear_boxes() and not self.farewell_seen and self.p.alive():
                    self.act()
            except Exception as e:
                # A widget vanished under our hands: the program may be on
                # its way out (a close), or it hangs.
                self.note("exception %r" % e)
                if self.p is not None and self.p.alive() and self.unresponsive():
                    self.hung("no AT-SPI answer within 1 s (%r)" % e)
                    continue
            if self.p is None:
                continue
            if not self.p.alive():
                self.ended()
                self.stop()
                continue
            if self.farewell_seen or self.error_seen:
                # The farewell box is closed: the program must end now.
                code = self.p.exit_code(5)
                if code is None:
                    self.fail("the farewell or error box was closed, but the program did not end")
                    self.stop()
                    continue
                self.ended()
                self.stop()
                continue
            if time.monotonic() >= next_check:
                next_check = time.monotonic() + CHECK_EVERY
                if not self.healthy() and self.p is not None and not self.p.alive():
                    self.ended()  # a hung one is gone already
                    self.stop()
        if self.p is not None and self.p.alive():
            self.healthy()
        if self.p is not None:
            if not self.p.alive():
                self.ended()
            self.stop()


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--binary", required=True)
    ap.add_argument("--artifacts", required=True)
    ap.add_argument("--seconds", type=float, default=180)
    ap.add_argument("--seed", type=int, default=None)
    ap.add_argument("--verbose", action="store_true", help="show the game at every check")
    a = ap.parse_args()
    seed = a.seed if a.seed is not None else int(time.time())
    os.makedirs(a.artifacts, exist_ok=True)
    for old in os.listdir(a.artifacts):
        if old.endswith((".log", ".png")):
            os.remove(os.path.join(a.artifacts, old))
    m = Monkey(os.path.realpath(a.binary), a.artifacts, a.seconds, seed)
    m.verbose = a.verbose
    print("seed %d, %.0f s" % (seed, a.seconds))
    try:
        m.run()
    except Exception as e:
        traceback.print_exc()
        m.failed += 1
        print("FAIL  the monkey stopped: %r" % e)
        m.stop()
    finally:
        os.rmdir(m.bin)
        m.trace.close()
    print("%d actions, %d runs of the program, %d restarts after Ende or close" % (m.actions, m.runs, m.restarts))
    print("boxes closed: %s" % ", ".join("%s %d" % (t, n) for t, n in sorted(m.seen.items())))
    print("most questions answered in one game, seen at a check: %d" % m.answered)
    print("%d passed, %d failed" % (m.passed, m.failed))
    return 1 if m.failed else 0


if __name__ == "__main__":
    sys.exit(main())
