#!/usr/bin/python3
"""The checks in a real window: start values, a one-player game, the rating
at the end of a ten-question game, a two-player buzz, the sound on the null
sink and the end of the program. Prints one line per check and a final
"N passed, M failed"; exits non-zero when a check failed."""
import os
import argparse
import sys
import time
import traceback

from quizdesk import CAPTION, RATING_TITLES, Program, Recorder, enabled, focused, showing, wait_until

RATING_RESULTS = {"Pfui!", "Schwach!", "Naja, ganz nett!", "Nicht schlecht!", "Starke Leistung!", "Spitze!!!"}


class Checks:
    def __init__(self):
        self.passed = 0
        self.failed = 0
        self.began = time.monotonic()

    def check(self, name, ok, detail=""):
        if ok:
            self.passed += 1
            print("PASS  %s  (%.1f s)" % (name, time.monotonic() - self.began))
        else:
            self.failed += 1
            print("FAIL  %s  %s" % (name, detail))
        sys.stdout.flush()
        return ok


def start_values(c, p):
    p.screenshot("01-start.png")
    c.check("caption", p.window.name.startswith(CAPTION) and p.window.name.endswith(" 17.06.2000"), p.window.name)
    e = p.window.queryComponent().getExtents(0)
    c.check("client area 11940 x 8940 twips at 96 DPI, centred",
            (e.width, e.height) == (796, 596) and abs(e.x + e.width / 2 - 640) <= 2 and abs(e.y + e.height / 2 - 512) <= 2,
            "extents %s" % ((e.x, e.y, e.width, e.height),))
    values = {n: p.text(n) for n in ("Anzahl Fragen", "Zeitlimit in Sekunden", "Anzahl Spieler")}
    c.check("start values of the option boxes 15, 15, 1",
            values == {"Anzahl Fragen": "15", "Zeitlimit in Sekunden": "15", "Anzahl Spieler": "1"}, values)
    c.check("'Neu' disabled, 'Start' enabled at start",
            not enabled(p.control("Neues Spiel")) and enabled(p.control("Start")))
    names = [a.name for a in p.visible_controls()]
    dupes = sorted({n for n in names if names.count(n) > 1})
    c.check("every visible control has a unique name", all(names) and not dupes,
            "duplicates %s, unnamed %d" % (dupes, names.count("")))


def window_key_box(c, p):
    # No control has the focus yet: the key goes to the window itself.
    p.focus_window()
    p.key("x")
    box = p.box({"df"}, 5)
    ok = box is not None
    labels = [b.name for b in p.buttons(box[2])] if ok else []
    c.check("window key box 'df' with Abort, Retry, Ignore in German",
            ok and sorted(labels) == ["Abbrechen", "Ignorieren", "Wiederholen"], labels)
    if ok:
        p.screenshot("02-window-key-box.png")
        ignore = [b for b in p.buttons(box[2]) if b.name == "Ignorieren"]
        p.click(ignore[0] if ignore else p.buttons(box[2])[0])
        wait_until(lambda: not p.boxes(), 5)


def tab_focus(c, p):
    # Tab goes to the only tab stop that can take the focus; the model's
    # focus is the one screen readers are told of.
    p.focus_window()
    p.key("Tab")
    ok = wait_until(lambda: focused(p.control("Spielanleitung")), 5)
    p.screenshot("03-tab-focus.png")
    c.check("Tab gives 'Spielanleitung' the focus, visible to screen readers", bool(ok))


def one_player_game(c, p, sink, artifacts):
    # Form_Load's cue has died away; from here the sink must be silent until
    # Start plays the first question's cue.
    time.sleep(2.5)
    quiet = Recorder(sink, artifacts + "/sink-before-start.raw")
    time.sleep(0.5)
    before = quiet.stop()
    rec = Recorder(sink, artifacts + "/sink-after-start.raw")
    time.sleep(0.2)
    p.click(p.control("Start"))
    time.sleep(2.0)
    after = rec.stop()
    c.check("sound reached the null sink after Start",
            before[1] < 64 and after[0] > 200 and after[1] > 2000,
            "before: rms %.1f peak %d; after: rms %.1f peak %d over %.1f s" % (before[0], before[1], *after))

    question = wait_until(lambda: p.text("Frage"), 5)
    c.check("Start shows a question, 'Neu' enabled, 'Start' disabled",
            bool(question) and enabled(p.control("Neues Spiel")) and not enabled(p.control("Start")), question)
    counted = []
    for n in (1, 2):
        wait_until(lambda: enabled(p.control("Antwort 1 wählen")), 8)
        p.focus_window()
        p.key(str(n))
        verdict = wait_until(lambda: p.text("Ergebnis") in ("Bingo!", "Falsch!") and p.text("Ergebnis"), 5)
        count = wait_until(lambda: p.text("Beantwortete Fragen") == str(n) and n, 5)
        counted.append((verdict, count))
        if n == 1:
            p.screenshot("04-one-player-answer.png")
        # The answer pause ends with the next question by itself.
        wait_until(lambda: p.text("Ergebnis") == "?", 6)
    c.check("one-player game: 'Bingo!' or 'Falsch!' and the counter goes 1, 2",
            all(v in ("Bingo!", "Falsch!") for v, _ in counted) and [n for _, n in counted] == [1, 2], counted)


def ten_question_game(c, p):
    chose = p.choose("Anzahl Fragen", "10") and p.choose("Zeitlimit in Sekunden", "Kein")
    c.check("options chosen with the mouse: 10 questions, no time limit", bool(chose),
            (p.text("Anzahl Fragen"), p.text("Zeitlimit in Sekunden")))
    p.click(p.control("Start"))
    # Every answer key in turn; a click on a free spot calls the next question at once.
    answered = p.answer_questions(10, key_for=lambda n: str((n % 4) + 1))
    box = p.box(RATING_TITLES, 10)
    if box:
        p.screenshot("05-rating-box.png")
    c.check("10-question game ends with the rating box", answered == 10 and box is not None,
            "answered %d, boxes %s" % (answered, [(r, t) for r, t, _ in p.boxes()]))
    if box:
        p.click(p.buttons(box[2])[0])
        result = wait_until(lambda: not p.boxes() and p.text("Ergebnis") in RATING_RESULTS and p.text("Ergebnis"), 5)
        c.check("after the rating box the result line shows the rating", bool(result), p.text("Ergebnis"))


def two_player_buzz(c, p):
    c.check("two players chosen", bool(p.choose("Anzahl Spieler", "2")), p.text("Anzahl Spieler"))
    p.click(p.control("Start"))
    race = wait_until(lambda: p.text("Am Zug") == "1:Q 2:B 3:P", 5)
    p.focus_window()
    p.key("q")
    turn = wait_until(lambda: p.text("Am Zug") == "Spieler 1!", 5)
    picture = wait_until(lambda: showing(p.control("Spieler 1 ist am Zug")), 3)
    p.screenshot("06-two-player-buzz.png")
    c.check("two-player buzz: 'q' gives the turn to player 1",
            bool(race) and bool(turn) and bool(picture) and showing(p.control("Punkte Spieler 2")),
            "turn box %r" % p.text("Am Zug"))


def ende(c, p):
    p.click(p.control("Ende"))
    box = p.box({"Bis bald..."}, 5)
    if box:
        p.screenshot("07-farewell.png")
        p.click(p.buttons(box[2])[0])
    code = p.exit_code(10)
    c.check("'Ende' shows the farewell box, then the program ends", box is not None and code == 0,
            "box %s, exit code %s" % (box is not None, code))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--binary", required=True)
    ap.add_argument("--stage", required=True)
    ap.add_argument("--artifacts", required=True)
    ap.add_argument("--sink", default=os.environ.get("SESSION_SINK", "quiztest"))
    a = ap.parse_args()
    c = Checks()
    runs = [
        ("start-and-one-player.log", lambda p: (start_values(c, p), window_key_box(c, p), tab_focus(c, p),
                                               one_player_game(c, p, a.sink, a.artifacts))),
        ("ten-questions.log", lambda p: ten_question_game(c, p)),
        ("two-players-and-ende.log", lambda p: (two_player_buzz(c, p), ende(c, p))),
    ]
    for log, body in runs:
        p = None
        try:
            p = Program(a.binary, a.stage, a.artifacts, log)
            body(p)
        except Exception as e:  # one broken run fails, the others still run
            traceback.print_exc()
            c.check("run %s completed" % log, False, repr(e))
        finally:
            if p:
                p.stop()
    print("%d passed, %d failed" % (c.passed, c.failed))
    return 1 if c.failed else 0


if __name__ == "__main__":
    sys.exit(main())
