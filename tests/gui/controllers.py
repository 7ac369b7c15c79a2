#!/usr/bin/python3
"""Game controllers in the real window. SDL's virtual controllers of the test
seam (QUIZ_TEST_CONTROLLERS, inside the program) play a two-player and a
three-player game of ten questions without a time limit by their buttons
alone, buzzes and answers, to the final ranking; the keyboard works beside
them; a controller plugged in again keeps its number; a taken buzz rumbles
its player's pad. Then the program without its controller module, without
the SDL library and with SDL_Init failing: it starts, says so in one line and
plays by keyboard. Prints one line per check and "N passed, M failed"."""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

from gui_checks import Checks
from quizdesk import Program, showing, wait_until

RACE = "1:Q 2:B 3:P"
ANSWER_BUTTONS = {1: "a", 2: "b", 3: "x", 4: "y"}
BUZZERS = ["leftshoulder", "rightshoulder", "lefttrigger", "righttrigger"]
TITLES = {2: {"Sieger: Spieler1", "Sieger: Spieler2", "Unentschieden"}, 3: {"Endstand"}}


def log_lines(p):
    p.log.flush()
    with open(p.log.name, errors="replace") as f:
        return f.read().splitlines()


def controller_lines(p):
    return [l for l in log_lines(p) if "controller" in l]


class Pads:
    """The test seam's FIFO: one command per line."""

    def __init__(self, path):
        self.path = path
        self.fd = None

    def send(self, line):
        if self.fd is None:
            self.fd = os.open(self.path, os.O_WRONLY)  # the program holds it open
        os.write(self.fd, (line + "\n").encode())

    def close(self):
        if self.fd is not None:
            os.close(self.fd)


def start_with_pads(a, tmp, log):
    fifo = os.path.join(tmp, "pads-" + log)
    os.mkfifo(fifo)
    p = Program(a.binary, a.stage, a.artifacts, log + ".log",
                env={"QUIZ_TEST_CONTROLLERS": "3", "QUIZ_TEST_CONTROLLERS_FIFO": fifo})
    connected = wait_until(lambda: len([l for l in controller_lines(p) if " connected: player" in l]) == 3, 10)
    return p, Pads(fifo), bool(connected)


def play_by_pads(c, p, pads, players, label):
    """Plays a started game by the pads' buttons alone until the final box.
    Returns (box, buzzes taken by pad number)."""
    taken = []
    tried = {}  # question counter -> players who answered
    box = None
    for _ in range(60):
        state = wait_until(lambda: (p.boxes() and "box") or
                           (p.text("Am Zug") == RACE and not showing(p.control("Antwort 1 wählen")) and "race"), 10)
        if state != "race":
            box = p.box(TITLES[players], 5)
            break
        done = p.text("Beantwortete Fragen")
        who = tried.setdefault(done, [])
        # The first player of each question turns; nobody buzzes twice in one question.
        order = [(int(done or 0) + i) % players + 1 for i in range(players)]
        player = next(n for n in order if n not in who)
        who.append(player)
        pads.send("press %d %s" % (player, BUZZERS[len(taken) % len(BUZZERS)]))
        if not wait_until(lambda: p.text("Am Zug") == "Spieler %d!" % player, 5):
            c.check("%s: pad %d's buzz gives the turn to player %d" % (label, player, player), False,
                    "turn box %r" % p.text("Am Zug"))
            return None, taken
        taken.append(player)
        answer = (len(taken) % 4) + 1
        pads.send("press %d %s" % (player, ANSWER_BUTTONS[answer]))
        # The last answer of the game may end it at once.
        if not wait_until(lambda: p.text("Ergebnis") in ("Bingo!", "Falsch!") or p.boxes(), 5):
            c.check("%s: pad %d's answer %d is judged" % (label, player, answer), False, p.text("Ergebnis"))
            return None, taken
    return box, taken


def game(c, a, tmp, players):
    label = "%d players" % players
    p, pads = None, None
    try:
        p, pads, connected = start_with_pads(a, tmp, "controllers-%d" % players)
        c.check("%s: three virtual pads connect as players 1, 2, 3, one line each" % label,
                connected and [l.split("connected: ")[1] for l in controller_lines(p)] ==
                ["player 1, buzzer q", "player 2, buzzer b", "player 3, buzzer p"], controller_lines(p))
        c.check("%s: the window shows nothing of them" % label, p.text("Ergebnis") == "", p.text("Ergebnis"))
        chose = (p.choose("Anzahl Spieler", str(players)) and p.choose("Anzahl Fragen", "10") and
                 p.choose("Zeitlimit in Sekunden", "Kein"))
        c.check("%s: options chosen with the mouse" % label, bool(chose))
        # The focus is on an option box: Start's Enter is pad 1's Start button.
        pads.send("press 1 start")
        started = wait_until(lambda: p.text("Am Zug") == RACE and p.text("Frage"), 5)
        c.check("%s: pad 1's Start button starts the game" % label, bool(started), p.text("Am Zug"))
        box, taken = play_by_pads(c, p, pads, players, label)
        if box:
            p.screenshot("controllers-%d-players-end.png" % players)
        c.check("%s: played by the pads alone to the final box %s" % (label, sorted(TITLES[players])),
                box is not None and p.text("Beantwortete Fragen") == "10",
                "box %s, counter %r, boxes %s" % (box and box[1], p.text("Beantwortete Fragen"),
                                                   [t for _, t, _ in p.boxes()]))
        c.check("%s: every pad buzzed" % label, set(taken) == set(range(1, players + 1)), taken)
        rumbles = [int(m.group(1)) for m in (re.search(r"test pads: pad (\d) rumbles", l) for l in log_lines(p)) if m]
        c.check("%s: each taken buzz rumbled its own pad, no other" % label, rumbles == taken,
                "rumbles %s, buzzes %s" % (rumbles, taken))
    except Exception as e:
        traceback.print_exc()
        c.check("%s: run completed" % label, False, repr(e))
    finally:
        if pads:
            pads.close()
        if p:
            p.stop()


def keyboard_beside_pads_and_reconnect(c, a, tmp):
    label = "keyboard beside the pads"
    p, pads = None, None
    try:
        p, pads, connected = start_with_pads(a, tmp, "controllers-keyboard")
        pads.send("unplug 2")
        pads.send("plug 2")
        again = wait_until(lambda: controller_lines(p)[3:] == [
            "velmora-quiz: controller of player 2 disconnected",
            "velmora-quiz: controller \"Velmora Testpad 2\" connected: player 2, buzzer b"], 5)
        c.check("pad 2 unplugged and plugged in again is player 2 again", connected and bool(again),
                controller_lines(p))
        p.choose("Anzahl Spieler", "2")
        p.choose("Zeitlimit in Sekunden", "Kein")
        p.focus_window()
        p.key("Return")
        wait_until(lambda: p.text("Am Zug") == RACE, 5)
        p.key("b")
        turn = wait_until(lambda: p.text("Am Zug") == "Spieler 2!", 5)
        pads.send("press 2 y")
        judged = wait_until(lambda: p.text("Beantwortete Fragen") == "1" or p.text("Ergebnis") == "Falsch!", 5)
        c.check("%s: the key b buzzes, pad 2's Y answers" % label, bool(turn) and bool(judged),
                (p.text("Am Zug"), p.text("Ergebnis")))
        # While a message box is up, a pad's press reaches the window as
        # little as a key of the keyboard does: after the box, nothing happened.
        wait_until(lambda: p.text("Am Zug") == RACE, 6)
        p.click(p.control("Info"))
        box = p.box({"Info"}, 5) or (p.boxes() or [None])[0]
        pads.send("press 1 leftshoulder")
        time.sleep(0.5)
        if box:
            p.click(p.buttons(box[2])[0])
        wait_until(lambda: not p.boxes(), 5)
        time.sleep(0.5)
        c.check("%s: a pad's press while a message box is up is dropped" % label,
                box is not None and p.text("Am Zug") == RACE, (box and box[1], p.text("Am Zug")))
    except Exception as e:
        traceback.print_exc()
        c.check("%s: run completed" % label, False, repr(e))
    finally:
        if pads:
            pads.close()
        if p:
            p.stop()


def stage_copy(a, tmp, name, module):
    """A copy of the stage folder; module is None (removed) or a function
    that changes the module's bytes."""
    where = os.path.join(tmp, name)
    shutil.copytree(a.stage, where, symlinks=True)
    path = os.path.join(where, "velmora-quiz-controllers.so")
    if module is None:
        os.remove(path)
    else:
        with open(path, "rb") as f:
            data = f.read()
        with open(path, "wb") as f:
            f.write(module(data))
    return where


def without_sdl(c, a, tmp):
    def no_library(data):
        # The module asks for an SDL that is not installed: as if there were none.
        assert data.count(b"libSDL2-2.0.so.0\0") >= 1
        return data.replace(b"libSDL2-2.0.so.0\0", b"libSDL2-9.9.so.0\0")

    needed = subprocess.run(["readelf", "-d", a.binary], capture_output=True, text=True).stdout
    c.check("the program itself does not link SDL (only its controller module does)",
            "NEEDED" in needed and "libSDL2" not in needed, needed)
    runs = [
        ("no controller module", stage_copy(a, tmp, "no-module", None), {}),
        ("no SDL library", stage_copy(a, tmp, "no-sdl", no_library), {}),
        ("SDL_Init fails", a.stage, {"LD_PRELOAD": a.init_fails}),
    ]
    for label, stage, env in runs:
        p = None
        try:
            env = dict(env, QUIZ_TEST_CONTROLLERS="3")  # the seam cannot help either
            p = Program(os.path.join(stage, "velmora-quiz"), stage, a.artifacts,
                        "no-controllers-%s.log" % label.replace(" ", "-"), env=env)
            said = wait_until(lambda: controller_lines(p), 5)
            time.sleep(1.0)
            lines = controller_lines(p)
            c.check("%s: one line says there are no controllers" % label,
                    said and len(lines) == 1 and lines[0].startswith("velmora-quiz: no controllers: "), lines)
            p.click(p.control("Start"))
            answered = p.answer_questions(2)
            c.check("%s: the game starts and plays by keyboard" % label, answered == 2 and p.alive(), answered)
        except Exception as e:
            traceback.print_exc()
            c.check("%s: run completed" % label, False, repr(e))
        finally:
            if p:
                p.stop()


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--binary", required=True)
    ap.add_argument("--init-fails", required=True)
    ap.add_argument("--artifacts", required=True)
    a = ap.parse_args()
    a.binary = os.path.abspath(a.binary)
    a.stage = os.path.dirname(a.binary)
    a.init_fails = os.path.abspath(a.init_fails)
    os.makedirs(a.artifacts, exist_ok=True)
    c = Checks()
    with tempfile.TemporaryDirectory() as tmp:
        game(c, a, tmp, 2)
        game(c, a, tmp, 3)
        keyboard_beside_pads_and_reconnect(c, a, tmp)
        without_sdl(c, a, tmp)
    print("%d passed, %d failed" % (c.passed, c.failed))
    return 1 if c.failed else 0


if __name__ == "__main__":
    sys.exit(main())
