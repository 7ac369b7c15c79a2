#!/usr/bin/python3
"""A game recorded in the real window replays headless to the same game.

The program runs with --aufzeichnen and a short game is played with the
mouse and the keys: the info box, two options picked from their lists,
Start, an answer, a question left to run out of time, answers skipped on
with a click, the rating box and a picture chosen in the background dialog.
Then the window is closed. quiz-script replays the recording; what the
window showed at the end (every text box and option, read through AT-SPI)
must be the replay's last texts, and the cues heard on the null sink must
be the replay's cues, in order. A second check starts two copies of the
program at once: the driver must find each copy's own window. Prints one
line per check and "N passed, M failed"."""
import argparse
import os
import subprocess
import sys
import time
import traceback
import wave

import numpy
from numpy.lib.stride_tricks import sliding_window_view

from gui_checks import Checks
from quizdesk import FREE_SPOT, RATING_TITLES, Program, close_window, run, wait_until, walk

# The accessible names of the window's texts, and their controls.
TEXTS = {
    "Frage": "txtfrage", "Antwort 1": "txtanta", "Antwort 2": "txtantb", "Antwort 3": "txtantc",
    "Antwort 4": "txtantd", "Ergebnis": "txterg", "Beantwortete Fragen": "txtanz", "Verbleibende Zeit": "txtzeit",
    "Am Zug": "txtdran", "Punkte Spieler 1": "txtpunkte", "Prozent Spieler 1": "txtprozent",
    "Anzahl Fragen": "cbofragen", "Anzahl Spieler": "cbospieler", "Zeitlimit in Sekunden": "cbotime",
}
START_TEXTS = {"txtzeit": "=/\\="}
DIALOG = "Bild auswählen!"
RATE = 44100
# How alike the sink and a cue's beginning must be (see heard_cues).
MATCH = 0.75
# A cue cut off by the next one sooner than this may go unheard.
AUDIBLE = 0.25


class SinkRecording:
    """The null sink's monitor, mono, recorded with parec while it runs."""

    def __init__(self, sink, path):
        self.path = path
        self.file = open(path, "wb")
        self.proc = subprocess.Popen(["parec", "-d", sink + ".monitor", "--raw", "--format=s16le",
                                      "--rate=%d" % RATE, "--channels=1", "--latency-msec=20"],
                                     stdout=self.file, stderr=subprocess.DEVNULL)
        # The program's first cue must not come before the recording stream.
        if not wait_until(lambda: run("pactl", "list", "short", "source-outputs").stdout.strip(), 10):
            raise RuntimeError("parec did not connect to the sound server")

    def stop(self):
        self.proc.terminate()
        self.proc.wait(5)
        self.file.close()
        with open(self.path, "rb") as f:
            data = f.read()
        return numpy.frombuffer(data[: len(data) // 2 * 2], dtype="<i2").astype(numpy.float64)


# Cues are told apart by their spectra: 32 bands from 150 Hz to 12 kHz in
# frames of 2048 samples every 10 ms; a cue is where 200 ms of its file match
# the sink's frames with a correlation above MATCH. The spectra do not care
# for the phase, which the sound server's resampling shifts. The first 30 ms
# are left out: a stream that starts swallows some of them.
HOP, FRAME, BANDS, SPAN, SKIP = RATE // 100, 2048, 32, 20, 3


def band_energies(samples):
    freqs = numpy.fft.rfftfreq(FRAME, 1.0 / RATE)
    edges = numpy.geomspace(150, 12000, BANDS + 1)
    bands = numpy.array([(freqs >= lo) & (freqs < hi) for lo, hi in zip(edges[:-1], edges[1:])], dtype=float)
    count = 1 + max(0, (len(samples) - FRAME) // HOP)
    samples = numpy.concatenate((samples, numpy.zeros(max(0, FRAME - len(samples)))))
    frames = sliding_window_view(samples, FRAME)[::HOP][:count] * numpy.hanning(FRAME)
    return numpy.sqrt((numpy.abs(numpy.fft.rfft(frames, axis=1)) ** 2) @ bands.T)


def centred(rows):
    rows = rows - rows.mean(axis=-1, keepdims=True)
    norms = numpy.linalg.norm(rows, axis=-1, keepdims=True)
    return rows / numpy.where(norms == 0, 1, norms)


def cue_pattern(path):
    """The pattern of a cue's beginning, and the cue's length in seconds.
    The pattern spans SPAN frames, or fewer for a cue that dies away sooner
    (a click of 70 ms would be matched on silence otherwise)."""
    with wave.open(path) as w:
        if w.getnchannels() != 1 or w.getframerate() != RATE or w.getsampwidth() != 2:
            raise RuntimeError("%s is not 16-bit mono at %d Hz" % (path, RATE))
        samples = numpy.frombuffer(w.readframes(w.getnframes()), dtype="<i2").astype(numpy.float64)
    # Half a frame of silence first, so the cue's first frame is centred as in the sink's.
    energies = band_energies(numpy.concatenate((numpy.zeros(FRAME // 2), samples)))[SKIP:SKIP + SPAN]
    loudness = energies.sum(axis=1)
    loud = numpy.nonzero(loudness >= 0.1 * loudness.max())[0]
    span = max(6, int(loud[-1]) + 1)
    return centred(energies[:span].reshape(-1)), len(samples) / RATE


def heard_cues(recording, stage, names):
    """The cues found in the recording, in order: (seconds, name)."""
    energies = band_energies(recording)
    if len(energies) < SPAN:
        return []
    windows = {}  # by span
    found = []
    length = {}
    for name in names:
        pattern, length[name] = cue_pattern(os.path.join(stage, name))
        span = len(pattern) // BANDS
        if span not in windows:
            windows[span] = centred(sliding_window_view(energies, (span, BANDS))[:, 0].reshape(-1, span * BANDS))
        score = windows[span] @ pattern
        hits = numpy.nonzero(score > MATCH)[0]
        groups = []
        for h in hits:
            if groups and h - groups[-1][-1] <= 3:
                groups[-1].append(h)
            else:
                groups.append([h])
        found += [(g[int(numpy.argmax(score[g]))] * HOP / RATE, name, float(score[g].max())) for g in groups]
    found.sort()
    # A cue whose frames repeat matches again inside itself: the same cue
    # within its own length is heard once. Two cues that begin alike may both
    # match one onset: the better one wins.
    out = []
    for t, name, s in found:
        if out and (t - out[-1][0] < 0.05 or (name == out[-1][1] and t - out[-1][0] < length[name])):
            if t - out[-1][0] < 0.05 and s > out[-1][2]:
                out[-1] = (t, name, s)
            continue
        out.append((t, name, s))
    return [(t, name) for t, name, _ in out]


def transcript_of(script, recording_file):
    r = subprocess.run([script, recording_file], capture_output=True, text=True, timeout=120)
    if r.returncode != 0:
        raise RuntimeError("quiz-script ended with %d: %s" % (r.returncode, r.stderr.strip()))
    lines = []
    for line in r.stdout.splitlines():
        stamp, _, effect = line.partition(" ")
        h, m, s = stamp.split(":")
        lines.append(((int(h) * 60 + int(m)) * 60 + float(s), effect))
    return lines


def last_texts(lines):
    texts = dict(START_TEXTS)
    for _, effect in lines:
        if effect.startswith("text "):
            _, name, *value = effect.split(" ", 2)
            texts[name] = value[0] if value else ""
    return texts


def audible_cues(lines):
    """The replay's cues that played long enough to be heard."""
    sounds = [(t, e[len("sound "):]) for t, e in lines if e.startswith("sound ")]
    return [name for i, (t, name) in enumerate(sounds) if i + 1 == len(sounds) or sounds[i + 1][0] - t >= AUDIBLE]


def subsequence(part, whole):
    it = iter(whole)
    return all(any(x == y for y in it) for x in part)


def close_box(p, titles):
    box = p.box(titles, 10)
    if box is None:
        raise RuntimeError("no box %s came" % sorted(titles))
    time.sleep(0.8)  # the box stays open a while: the recording holds it
    p.click(p.buttons(box[2])[0])
    wait_until(lambda: not p.boxes(), 5)


def play_game(p, picture):
    """A short game; the steps are spread out so that each cue is heard."""
    time.sleep(2.0)  # the start cue
    p.click(p.control("Info"))
    close_box(p, {"Info"})
    time.sleep(1.0)  # the info box's cue
    if not (p.choose("Anzahl Fragen", "10") and p.choose("Zeitlimit in Sekunden", "5")):
        raise RuntimeError("the options could not be chosen")
    time.sleep(0.6)
    p.click(p.control("Start"))
    asked = lambda n: enabled_answer(p) and p.text("Beantwortete Fragen") in ("", str(n - 1))
    # The first answer after a moment; its pause ends by itself.
    wait_until(lambda: asked(1), 8)
    time.sleep(1.3)
    p.focus_window()
    p.key("1")
    wait_until(lambda: p.text("Beantwortete Fragen") == "1", 5)
    # The second question runs out of time.
    if not wait_until(lambda: p.text("Beantwortete Fragen") == "2", 12):
        raise RuntimeError("the second question did not run out of time")
    for n in range(3, 11):
        if not wait_until(lambda: enabled_answer(p) and p.text("Ergebnis") == "?", 8):
            raise RuntimeError("question %d did not come" % n)
        time.sleep(0.9)  # the question's cue
        p.focus_window()
        p.key(str(n % 4 + 1))
        if not wait_until(lambda: p.text("Beantwortete Fragen") == str(n), 5):
            raise RuntimeError("answer %d was not counted" % n)
        if n < 10:
            time.sleep(1.2)  # the verdict's cue
            p.click_twips(*FREE_SPOT)
    close_box(p, RATING_TITLES)
    time.sleep(0.5)
    p.click(p.control("Hintergrund wählen"))
    dialog = wait_until(lambda: [b for b in p.boxes() if b[1] == DIALOG], 5)
    if not dialog:
        raise RuntimeError("the background dialog did not open")
    field = [a for a in walk(dialog[0][2]) if a.getRoleName() == "text" and a.name == "Dateiname:"]
    if not field:
        raise RuntimeError("the dialog has no file-name field")
    p.click(field[0])
    p.key("ctrl+a")
    run("xdotool", "type", "--delay", "15", picture)
    time.sleep(0.3)
    p.key("Return")
    wait_until(lambda: not p.boxes(), 5)
    time.sleep(0.8)


def enabled_answer(p):
    from quizdesk import enabled
    return enabled(p.control("Antwort 1 wählen"))


def record_and_replay(c, a):
    recording_file = os.path.join(a.artifacts, "game.quiz")
    picture = os.path.join(a.artifacts, "hintergrund.png")
    subprocess.run(["convert", "-size", "320x240", "gradient:navy-gold", picture], check=True)
    sink = SinkRecording(a.sink, os.path.join(a.artifacts, "sink.raw"))
    p = None
    try:
        p = Program(a.binary, a.stage, a.artifacts, "record.log", args=("--aufzeichnen", recording_file))
        play_game(p, picture)
        shown = {control: p.text(name) for name, control in TEXTS.items()}
        close_window(p.xid)
        code = p.exit_code(10)
        time.sleep(0.5)
    finally:
        samples = sink.stop()
        if p:
            p.stop()
    c.check("the program ends after the recorded game with status 0", code == 0, "status %s" % code)
    with open(recording_file) as f:
        recorded = f.read()
    c.check("the recording holds the picks, presses, keys, holds, the file and the close",
            all(w in recorded for w in ("\npick cbotime 5\n", "\npress ", "\nrelease ", "\nkey 1\n", "\nhold ",
                                         "\nfile " + picture + "\n", "\nclose\n")), recorded[:400])

    lines = transcript_of(a.script, recording_file)
    with open(os.path.join(a.artifacts, "replay.txt"), "w") as f:
        f.write("\n".join("%.3f %s" % l for l in lines) + "\n")
    replayed = last_texts(lines)
    differ = {k: (v, replayed.get(k, "")) for k, v in shown.items() if replayed.get(k, "") != v}
    c.check("the replay ends with the window's texts: question, answers, result, counter, time, points, percent",
            not differ and shown["txtanz"] == "10", "shown vs replayed: %s" % differ)

    names = sorted({e[len("sound "):] for _, e in lines if e.startswith("sound ")})
    heard = heard_cues(samples, a.stage, names)
    with open(os.path.join(a.artifacts, "cues-heard.txt"), "w") as f:
        f.write("".join("%.3f %s\n" % h for h in heard))
    heard_names = [n for _, n in heard]
    expected = audible_cues(lines)
    all_cues = [e[len("sound "):] for _, e in lines if e.startswith("sound ")]
    c.check("the cues heard are the replay's, in order (%d heard, %d long enough to hear)"
            % (len(heard_names), len(expected)),
            len(expected) >= 20 and subsequence(expected, heard_names) and subsequence(heard_names, all_cues),
            "heard %s, replay %s" % (heard_names, all_cues))


def two_copies(c, a):
    """Two copies with windows of the same name: each driver gets its own."""
    first = second = None
    try:
        first = Program(a.binary, a.stage, a.artifacts, "copy-1.log")
        second = Program(a.binary, a.stage, a.artifacts, "copy-2.log")
        owners = [run("xdotool", "getwindowpid", p.xid).stdout.strip() if p.xid else "" for p in (first, second)]
        c.check("with two copies running each driver finds the window of its own copy",
                owners == [str(first.proc.pid), str(second.proc.pid)],
                "window owners %s, copies %s" % (owners, [first.proc.pid, second.proc.pid]))
    finally:
        for p in (second, first):
            if p:
                p.stop()


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--binary", required=True)
    ap.add_argument("--script", required=True)
    ap.add_argument("--artifacts", required=True)
    ap.add_argument("--sink", default=os.environ.get("SESSION_SINK", "quiztest"))
    a = ap.parse_args()
    a.binary = os.path.abspath(a.binary)
    a.stage = os.path.dirname(a.binary)
    a.artifacts = os.path.abspath(a.artifacts)
    os.makedirs(a.artifacts, exist_ok=True)
    c = Checks()
    for body in (record_and_replay, two_copies):
        try:
            body(c, a)
        except Exception as e:  # one broken part fails, the other still runs
            traceback.print_exc()
            c.check("%s completed" % body.__name__, False, repr(e))
    print("%d passed, %d failed" % (c.passed, c.failed))
    return 1 if c.failed else 0


if __name__ == "__main__":
    sys.exit(main())
