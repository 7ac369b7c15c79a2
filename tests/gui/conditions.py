#!/usr/bin/python3
"""Starting and playing under hard conditions, in a real window: without the
sounds, without "Spielanleitung.txt", without any viewer, without a sound
server, and from another folder through the installed launcher. In each the
program must come up and play one question (Enter, then key 1: "Bingo!" or
"Falsch!"); where the instructions are gone, a click on "Spielanleitung"
must leave it alive, without a box, answering, and still playing.
Prints "N passed, M failed"."""
import argparse
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

from gui_checks import Checks
from quizdesk import Program, Recorder, enabled, run, wait_until

VERDICTS = ("Bingo!", "Falsch!")
# The viewer the instructions command tries first; this one only notes
# that it was asked, and fails like the real one for a missing file.
FAKE_VIEWER = """#!/bin/sh
echo "$PWD|$*" >> "%s"
[ -f "$1" ] || exit 2
exit 0
"""


def verdict(p):
    return wait_until(lambda: p.text("Ergebnis") in VERDICTS and p.text("Ergebnis"), 5)


def play_one(p):
    """Enter starts a game (no button has the focus), key 1 answers. Returns
    what went wrong, or an empty list."""
    p.focus_window()
    p.key("Return")
    if not wait_until(lambda: p.text("Frage") and enabled(p.control("Antwort 1 wählen")), 8):
        return ["Enter brought no question (boxes %s)" % [t for _, t, _ in p.boxes()]]
    p.focus_window()
    p.key("1")
    said = verdict(p)
    if not said:
        return ["key 1 brought no verdict, the result box shows %r" % p.text("Ergebnis")]
    return []


def instructions_click(p, asked_log=None):
    """Waits for the next question, clicks "Spielanleitung", then answers the
    question with a click. Returns what went wrong and what the viewer saw."""
    wrong = []
    if not wait_until(lambda: p.text("Ergebnis") == "?" and enabled(p.control("Antwort 2 wählen")), 8):
        return ["the next question did not come"], ""
    p.click(p.control("Spielanleitung"))
    time.sleep(1.5)  # the viewers are tried one after the other
    if not p.alive():
        return ["the program ended after the click (exit code %s)" % p.proc.returncode], ""
    boxes = [t for _, t, _ in p.boxes()]
    if boxes:
        wrong.append("boxes up after the click: %s" % boxes)
    if p.answers(1.0) is None:
        wrong.append("no AT-SPI answer within 1 s after the click")
    p.click(p.control("Antwort 2 wählen"))
    if not verdict(p):
        wrong.append("after the click the game did not go on (a click on answer 2 brought no verdict)")
    asked = ""
    if asked_log and os.path.exists(asked_log):
        with open(asked_log) as f:
            asked = f.read().strip()
    return wrong, asked


def children(pid):
    return run("pgrep", "-P", str(pid)).stdout.split()


def case(c, name, start, body):
    p = None
    try:
        p = start()
        wrong = body(p)
        if p.alive() and p.answers(1.0) is None:
            wrong.append("no AT-SPI answer within 1 s at the end")
        if not p.alive():
            wrong.append("the program is gone (exit code %s)" % p.proc.returncode)
        c.check(name, not wrong, "; ".join(wrong))
    except Exception as e:
        traceback.print_exc()
        c.check(name, False, repr(e))
    finally:
        if p:
            p.stop()


def stage_copy(stage, folder, leave_out):
    os.makedirs(folder)
    for name in os.listdir(stage):
        if not leave_out(name):
            shutil.copy2(os.path.join(stage, name), folder)
    return folder


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--binary", required=True)
    ap.add_argument("--build", required=True, help="the build folder, for cmake --install")
    ap.add_argument("--cmake", default="cmake")
    ap.add_argument("--artifacts", required=True)
    a = ap.parse_args()
    binary = os.path.realpath(a.binary)
    stage = os.path.dirname(binary)
    sink = os.environ.get("SESSION_SINK", "quiztest")
    os.makedirs(a.artifacts, exist_ok=True)
    c = Checks()
    work = tempfile.mkdtemp(prefix="velmora-conditions.")
    try:
        # Without the sounds: the sink must stay silent, which shows they are gone.
        quiet = stage_copy(stage, os.path.join(work, "ohne-klang"), lambda n: n.endswith(".wav"))

        def silent_game(p):
            rec = Recorder(sink, os.path.join(a.artifacts, "without-sounds.raw"))
            time.sleep(0.3)
            wrong = play_one(p)
            time.sleep(1.5)  # the cues of the start and of the verdict
            rms, peak, seconds = rec.stop()
            print("      the sink, recorded for %.1f s of samples: peak %d" % (seconds, peak))
            if peak >= 64:
                wrong.append("the sink heard something (peak %d over %.1f s)" % (peak, seconds))
            return wrong

        case(c, "without the sounds: starts and plays one question, silently",
             lambda: Program(os.path.join(quiet, "velmora-quiz"), quiet, a.artifacts, "without-sounds.log"),
             silent_game)

        # Without the instructions, with a viewer that notes what it is asked.
        bare = stage_copy(stage, os.path.join(work, "ohne-anleitung"), lambda n: n == "Spielanleitung.txt")
        viewer_bin = os.path.join(work, "viewer-bin")
        os.makedirs(viewer_bin)
        asked_log = os.path.join(work, "viewer-asked.log")
        with open(os.path.join(viewer_bin, "xdg-open"), "w") as f:
            f.write(FAKE_VIEWER % asked_log)
        os.chmod(os.path.join(viewer_bin, "xdg-open"), 0o755)

        def without_instructions(p):
            wrong = play_one(p)
            if not wrong:
                more, asked = instructions_click(p, asked_log)
                wrong += more
                print("      the viewer was asked: %s" % (asked or "nothing"))
            return wrong

        case(c, "without Spielanleitung.txt: plays, a click on 'Spielanleitung' does no harm",
             lambda: Program(os.path.join(bare, "velmora-quiz"), bare, a.artifacts, "without-instructions.log",
                             env={"PATH": viewer_bin}),
             without_instructions)

        # No viewer at all: PATH holds only an empty folder.
        empty_bin = os.path.join(work, "empty-bin")
        os.makedirs(empty_bin)

        def without_viewer(p):
            wrong = play_one(p)
            if not wrong:
                more, _ = instructions_click(p)
                wrong += more
                started = children(p.proc.pid)
                if started:
                    wrong.append("the program started processes %s" % started)
            return wrong

        case(c, "without any viewer: plays, a click on 'Spielanleitung' does nothing",
             lambda: Program(binary, stage, a.artifacts, "without-viewer.log", env={"PATH": empty_bin}),
             without_viewer)

        # Through the installed launcher, started from /.
        prefix = os.path.join(work, "prefix")
        inst = subprocess.run([a.cmake, "--install", a.build, "--prefix", prefix], capture_output=True, text=True)
        data = os.path.join(prefix, "share", "games", "velmora-quiz")
        launcher = os.path.join(prefix, "games", "velmora-quiz")
        if inst.returncode != 0 or not os.access(launcher, os.X_OK):
            c.check("cmake --install into %s" % prefix, False, inst.stdout[-500:] + inst.stderr[-500:])
        else:
            def launched(p):
                wrong = []
                if p.cwd() != data:
                    wrong.append("current directory %s, not %s" % (p.cwd(), data))
                exe = os.readlink("/proc/%d/exe" % p.proc.pid)
                if exe != os.path.join(prefix, "libexec", "velmora-quiz", "velmora-quiz"):
                    wrong.append("the process runs %s" % exe)
                rec = Recorder(sink, os.path.join(a.artifacts, "launcher.raw"))
                time.sleep(0.3)
                wrong += play_one(p)
                time.sleep(1.5)
                rms, peak, seconds = rec.stop()
                if peak < 2000:
                    wrong.append("no sound reached the sink (peak %d over %.1f s)" % (peak, seconds))
                return wrong

            case(c, "through the installed launcher from /: finds its folder and its sounds, plays",
                 lambda: Program(launcher, "/", a.artifacts, "launcher.log"), launched)

        # Last, no sound server: the session's PulseAudio is stopped.
        group = os.environ.get("SESSION_PULSE_GROUP", "")
        if group:
            os.killpg(int(group), signal.SIGTERM)
            wait_until(lambda: run("pactl", "info").returncode != 0, 5)
        if run("pactl", "info").returncode == 0:
            c.check("no sound server: PulseAudio stopped", False, "pactl still reaches a server")
        else:
            def without_server(p):
                wrong = play_one(p)
                started = children(p.proc.pid)
                if started:
                    wrong.append("the program started processes %s (a sound server?)" % started)
                return wrong

            case(c, "without a sound server: starts and plays one question",
                 lambda: Program(binary, stage, a.artifacts, "without-server.log",
                                 env={"PULSE_SERVER": "unix:" + os.path.join(work, "nowhere", "pulse-native")}),
                 without_server)
    except Exception as e:
        traceback.print_exc()
        c.check("the run completed", False, repr(e))
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("%d passed, %d failed" % (c.passed, c.failed))
    return 1 if c.failed else 0


if __name__ == "__main__":
    sys.exit(main())
