#!/usr/bin/python3
"""Starting and playing under hard conditions, in a real window: without the
sounds, without "Spielanleitung.txt", with no program on the PATH, without a
sound server, and from another folder through the installed launcher. In
each the program must come up and play one question (Enter, then key 1:
"Bingo!" or "Falsch!"). Where the instructions are gone, a click on
"Spielanleitung" must leave it alive, without a box or window, answering,
and still playing; where they are there, it opens the program's own viewer,
starts no other program, and the game goes on once the viewer is closed.
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
from quizdesk import Program, Recorder, close_window, enabled, run, wait_until

VERDICTS = ("Bingo!", "Falsch!")


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


def viewer_windows(p):
    return run("xdotool", "search", "--all", "--pid", str(p.proc.pid), "--onlyvisible", "--name",
               "^Spielanleitung$").stdout.split()


def instructions_click(p, expect_viewer):
    """Waits for the next question, clicks "Spielanleitung", closes the viewer
    where one is expected, then answers the question with a click. Returns
    what went wrong."""
    wrong = []
    if not wait_until(lambda: p.text("Ergebnis") == "?" and enabled(p.control("Antwort 2 wählen")), 8):
        return ["the next question did not come"]
    p.click(p.control("Spielanleitung"))
    shown = wait_until(lambda: viewer_windows(p), 3 if expect_viewer else 1.5)
    if not p.alive():
        return ["the program ended after the click (exit code %s)" % p.proc.returncode]
    if bool(shown) != expect_viewer:
        wrong.append("the viewer %s" % ("did not open" if expect_viewer else "opened for a missing file"))
    boxes = [t for _, t, _ in p.boxes() if t != "Spielanleitung"]
    if boxes:
        wrong.append("boxes up after the click: %s" % boxes)
    if p.answers(1.0) is None:
        wrong.append("no AT-SPI answer within 1 s after the click")
    started = children(p.proc.pid)
    if started:
        wrong.append("the program started processes %s" % started)
    for xid in shown or []:
        close_window(xid)
    if shown and not wait_until(lambda: not viewer_windows(p), 3):
        wrong.append("the viewer did not close")
    p.click(p.control("Antwort 2 wählen"))
    if not verdict(p):
        wrong.append("after the click the game did not go on (a click on answer 2 brought no verdict)")
    return wrong


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

        # Without the instructions: the click does nothing.
        bare = stage_copy(stage, os.path.join(work, "ohne-anleitung"), lambda n: n == "Spielanleitung.txt")

        def without_instructions(p):
            return play_one(p) or instructions_click(p, expect_viewer=False)

        case(c, "without Spielanleitung.txt: plays, a click on 'Spielanleitung' does nothing",
             lambda: Program(os.path.join(bare, "velmora-quiz"), bare, a.artifacts, "without-instructions.log"),
             without_instructions)

        # No program on the PATH at all: the instructions open all the same.
        empty_bin = os.path.join(work, "empty-bin")
        os.makedirs(empty_bin)

        def with_own_viewer(p):
            return play_one(p) or instructions_click(p, expect_viewer=True)

        case(c, "no program on the PATH: 'Spielanleitung' opens the program's own viewer; closed, the game goes on",
             lambda: Program(binary, stage, a.artifacts, "own-viewer.log", env={"PATH": empty_bin}),
             with_own_viewer)

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
