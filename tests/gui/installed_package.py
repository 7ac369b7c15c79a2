#!/usr/bin/python3
"""The Debian package as a player meets it, in a real window: the .deb is
unpacked into a temporary root (dpkg-deb -x, nothing is installed on the
machine), the game is started through the Exec line of the package's menu
entry, with the root standing in for /, and one question is played: Start,
key 1, "Bingo!" or "Falsch!" and the counter at 1, read through AT-SPI. The
program must run from the package's folders, load the package's sound
module, sound on the null sink, carry the entry's name as its window class
and end through "Ende".
Prints one line per check and "N passed, M failed".

usage: installed_package.py --package-dir DIR --artifacts DIR
(inside tools/desktop/run-in-session.sh; DIR holds the one .deb)"""
import argparse
import configparser
import glob
import os
import shlex
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

from gui_checks import Checks
from quizdesk import Program, Recorder, enabled, run, wait_until

VERDICTS = ("Bingo!", "Falsch!")


def exec_command(root):
    """The command of the menu entry's Exec line, adjusted to the root: a
    bare name is looked up where the package's games and programs go, an
    absolute path is taken below the root; field codes (%f, %U, ...) are
    dropped, the game takes no files."""
    entry = configparser.ConfigParser(interpolation=None, strict=False)
    entry.optionxform = str
    entry.read(os.path.join(root, "usr/share/applications/velmora-quiz.desktop"), encoding="utf-8")
    words = [w for w in shlex.split(entry["Desktop Entry"]["Exec"]) if not w.startswith("%")]
    program = words[0]
    if os.path.isabs(program):
        path = os.path.join(root, program.lstrip("/"))
    else:
        path = shutil.which(program, path=os.pathsep.join(os.path.join(root, d) for d in ("usr/games", "usr/bin")))
    if path is None or not os.access(path, os.X_OK):
        raise RuntimeError("the Exec line %r names nothing in the package" % entry["Desktop Entry"]["Exec"])
    if words[1:]:
        raise RuntimeError("the Exec line passes %s, the game takes no arguments" % words[1:])
    return path


def play(c, p, root, sink, artifacts):
    data = os.path.join(root, "usr/share/games/velmora-quiz")
    program_dir = os.path.join(root, "usr/libexec/velmora-quiz")
    c.check("the launcher runs the package's program in its data folder",
            os.readlink("/proc/%d/exe" % p.proc.pid) == os.path.join(program_dir, "velmora-quiz") and p.cwd() == data,
            "exe %s, folder %s" % (os.readlink("/proc/%d/exe" % p.proc.pid), p.cwd()))

    # Docks and task bars find the menu entry (and its icon) for a window by
    # its class, which must be the entry's name.
    wm_class = run("xprop", "-id", str(p.xid), "WM_CLASS").stdout.strip() if p.xid else ""
    c.check("the window's class is the menu entry's name, velmora-quiz",
            wm_class.endswith('= "velmora-quiz", "velmora-quiz"'), wm_class)

    rec = Recorder(sink, os.path.join(artifacts, "sink-after-start.raw"))
    time.sleep(0.3)
    p.click(p.control("Start"))
    question = wait_until(lambda: p.text("Frage") and enabled(p.control("Antwort 1 wählen")) and p.text("Frage"), 8)
    c.check("Start shows a question", bool(question), "boxes %s" % [t for _, t, _ in p.boxes()])
    p.focus_window()
    p.key("1")
    said = wait_until(lambda: p.text("Ergebnis") in VERDICTS and p.text("Ergebnis"), 5)
    counted = wait_until(lambda: p.text("Beantwortete Fragen") == "1", 5)
    p.screenshot("answered.png")
    c.check("key 1 answers it: '%s', one question counted" % said, bool(said) and bool(counted),
            "result %r, counter %r" % (p.text("Ergebnis"), p.text("Beantwortete Fragen")))
    time.sleep(1.0)
    rms, peak, seconds = rec.stop()
    with open("/proc/%d/maps" % p.proc.pid) as f:
        module = os.path.join(program_dir, "velmora-quiz-sound.so") in f.read()
    c.check("the package's sound module is loaded and the cues reach the sink", module and peak > 2000,
            "module loaded: %s; sink peak %d over %.1f s" % (module, peak, seconds))

    p.click(p.control("Ende"))
    box = p.box({"Bis bald..."}, 5)
    if box:
        p.click(p.buttons(box[2])[0])
    code = p.exit_code(10)
    c.check("'Ende' says goodbye and the program ends", box is not None and code == 0,
            "box %s, exit code %s" % (box is not None, code))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--package-dir", required=True)
    ap.add_argument("--artifacts", required=True)
    a = ap.parse_args()
    os.makedirs(a.artifacts, exist_ok=True)
    sink = os.environ.get("SESSION_SINK", "quiztest")
    c = Checks()
    debs = glob.glob(os.path.join(a.package_dir, "*.deb"))
    root = tempfile.mkdtemp(prefix="velmora-root.")
    p = None
    try:
        if len(debs) != 1:
            raise RuntimeError("expected one .deb in %s, found %s" % (a.package_dir, debs))
        unpack = subprocess.run(["dpkg-deb", "-x", debs[0], root], capture_output=True, text=True)
        if not c.check("dpkg-deb -x unpacks %s" % os.path.basename(debs[0]), unpack.returncode == 0, unpack.stderr):
            raise RuntimeError("nothing to start")
        command = exec_command(root)
        print("      Exec: %s" % command)
        # Started from the home folder, as a menu starts it.
        p = Program(command, os.path.expanduser("~"), a.artifacts, "installed-package.log")
        c.check("the menu entry's command brings up the window", True)
        play(c, p, root, sink, a.artifacts)
    except Exception as e:
        traceback.print_exc()
        c.check("the run completed", False, repr(e))
    finally:
        if p:
            p.stop()
        shutil.rmtree(root, ignore_errors=True)
    print("%d passed, %d failed" % (c.passed, c.failed))
    return 1 if c.failed else 0


if __name__ == "__main__":
    sys.exit(main())
