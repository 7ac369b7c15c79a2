#!/usr/bin/python3
"""Peak memory (VmHWM) of the quiz over a full 50-question game against the
minimal Qt Widgets window, both in the running session, both with the
accessibility bridge on (the game is driven and checked through AT-SPI).

The quiz: one player, 50 questions, no time limit; key 1 answers, a click on
a free spot of the window skips the answer pause, 50 times; the rating box
must come (read through AT-SPI). The minimal window: started, shown, its
accessible tree read once, two seconds of rest; the same for the minimal
window with QtMultimedia, which plays one cue, when it is given.

For the share of the accessibility bridge the game is played once more with
the bridge off, driven by the clock and coordinates alone; its rating box is
found by its X window title. For the share of the sound stack it is played
once more by a copy of the program in a folder of its own, without the
sound module and the cues beside it: a silent game.

Prints NAME=VALUE pairs: the peaks (quiz_kb, minimal_kb, blind_kb, silent_kb), the
questions answered, the titles of the rating boxes (_ for blanks, "none"
when the blind game brought no rating box), and what the memory of both
programs is made of at the end (shared libraries mapped, anonymous and
file-backed kB); or a reason on stderr and exit code 1.
  game-memory.py --binary PATH/TO/velmora-quiz --minimal PATH/TO/quiz-minimal-window"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "desktop"))
from quizdesk import FREE_SPOT, RATING_TITLES, Program, run, wait_until, walk  # noqa: E402

import pyatspi  # noqa: E402


def make_up(pid):
    """What the memory is made of now: (shared libraries mapped, anonymous
    kB, file-backed kB)."""
    libs = set()
    with open("/proc/%d/maps" % pid) as f:
        for line in f:
            parts = line.split()
            if len(parts) >= 6 and ".so" in os.path.basename(parts[5]):
                libs.add(parts[5])
    values = {}
    with open("/proc/%d/smaps_rollup" % pid) as f:
        for line in f:
            parts = line.split()
            if len(parts) >= 2 and parts[1].isdigit():
                values[parts[0].rstrip(":")] = int(parts[1])
    anonymous = values.get("Anonymous", 0)
    return len(libs), anonymous, values.get("Rss", 0) - anonymous


def peak_kb(pid):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def quiz_game(binary, folder, log_name="memory-quiz.log"):
    p = Program(binary, os.path.dirname(binary), folder, log_name)
    try:
        if not (p.choose("Anzahl Fragen", "50") and p.choose("Zeitlimit in Sekunden", "Kein")):
            raise RuntimeError("could not choose 50 questions without a time limit")
        p.click(p.control("Start"))
        answered = p.answer_questions(50)
        box = p.box(RATING_TITLES, 10)
        if answered != 50 or box is None:
            raise RuntimeError("the game did not end with the rating box (answered %d)" % answered)
        kb = peak_kb(p.proc.pid)
        parts = make_up(p.proc.pid)
        p.click(p.buttons(box[2])[0])
        return kb, answered, box[1], parts
    finally:
        p.stop()


def silent_game(binary, folder):
    """The same game by a copy of the program alone in a folder: without its
    sound module and cues it plays silently. Returns the peak in kB."""
    alone = os.path.join(folder, "silent")
    os.mkdir(alone)
    copy = os.path.join(alone, os.path.basename(binary))
    shutil.copy2(binary, copy)
    try:
        return quiz_game(copy, folder, "memory-silent.log")[0]
    finally:
        shutil.rmtree(alone)


def blind_game(binary):
    """The same game with the accessibility bridge off, driven by the clock
    and the window's coordinates alone; the rating box is found by its X
    window title. Returns (peak in kB, rating title or None)."""
    env = dict(os.environ)
    env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
    proc = subprocess.Popen([binary], cwd=os.path.dirname(binary), env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    try:
        shown = run("xdotool", "search", "--all", "--sync", "--onlyvisible", "--pid", str(proc.pid), "--name", "^Velmora Quiz")
        win = shown.stdout.split()[0]
        geometry = dict(line.split("=") for line in run("xdotool", "getwindowgeometry", "--shell", win).stdout.split())
        x0, y0 = int(geometry["X"]), int(geometry["Y"])

        def at(twips_x, twips_y):  # 15 twips a pixel at 96 DPI
            return str(x0 + twips_x // 15), str(y0 + twips_y // 15)

        run("xdotool", "windowfocus", "--sync", win)
        time.sleep(1)
        # "Anzahl Fragen" from 15 four down to 50, the time limit three down to "Kein".
        for (tx, ty), downs in (((900, 3330), 4), ((900, 4650), 3)):
            run("xdotool", "mousemove", *at(tx, ty), "click", "1")
            time.sleep(0.8)
            run("xdotool", "key", "--delay", "100", *(["Down"] * downs), "Return")
            time.sleep(0.5)
        run("xdotool", "key", "Return")  # the focus is on an option box: Enter starts
        for _ in range(50):
            time.sleep(0.4)
            run("xdotool", "key", "1")
            time.sleep(0.3)
            run("xdotool", "mousemove", *at(*FREE_SPOT), "click", "1")

        def rating_box():
            for title in RATING_TITLES:
                if run("xdotool", "search", "--all", "--onlyvisible", "--pid", str(proc.pid), "--name",
                       "^%s$" % title).stdout.split():
                    return title
            return None

        title = wait_until(rating_box, 10)
        return peak_kb(proc.pid), title
    finally:
        proc.terminate()
        proc.wait(5)


def minimal_window(binary, *args):
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    proc = subprocess.Popen([binary, *args], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        shown = run("xdotool", "search", "--all", "--sync", "--onlyvisible", "--pid", str(proc.pid), "--name", "^Minimal$")
        if not shown.stdout.strip():
            raise RuntimeError("the minimal window did not show")

        def app():
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                a = desktop.getChildAtIndex(i)
                if a is not None and a.get_process_id() == proc.pid:
                    return a
            return None

        found = wait_until(app, 10)
        if found is None:
            raise RuntimeError("the minimal window did not appear on the AT-SPI bus")
        sum(1 for _ in walk(found))
        time.sleep(2)
        return peak_kb(proc.pid), make_up(proc.pid)
    finally:
        proc.terminate()
        proc.wait(5)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--binary", required=True)
    ap.add_argument("--minimal", required=True)
    ap.add_argument("--minimal-sound", help="the minimal window with QtMultimedia, measured as well")
    ap.add_argument("--cue", help="the cue it plays")
    a = ap.parse_args()
    folder = tempfile.mkdtemp(prefix="velmora-memory.")
    try:
        quiz_kb, answered, title, quiz_parts = quiz_game(os.path.realpath(a.binary), folder)
        minimal_kb, minimal_parts = minimal_window(os.path.realpath(a.minimal))
        blind_kb, blind_title = blind_game(os.path.realpath(a.binary))
        silent_kb = silent_game(os.path.realpath(a.binary), folder)
        sound = minimal_window(os.path.realpath(a.minimal_sound), a.cue) if a.minimal_sound else None
    except Exception as e:
        print("memory run failed: %s" % e, file=sys.stderr)
        return 1
    finally:
        shutil.rmtree(folder)
    print("quiz_kb=%d minimal_kb=%d answered=%d rating=%s blind_kb=%d blind_rating=%s silent_kb=%d" %
          (quiz_kb, minimal_kb, answered, title.replace(" ", "_"), blind_kb, (blind_title or "none").replace(" ", "_"),
           silent_kb))
    print("quiz_libs=%d quiz_anon_kb=%d quiz_file_kb=%d minimal_libs=%d minimal_anon_kb=%d minimal_file_kb=%d" %
          (*quiz_parts, *minimal_parts))
    if sound:
        print("sound_kb=%d sound_libs=%d sound_anon_kb=%d sound_file_kb=%d" % (sound[0], *sound[1]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
