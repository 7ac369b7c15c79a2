#!/usr/bin/python3
"""Bad files in the background dialog, in a real window: for each file the
path is typed into the file-name field of the real dialog and Enter pressed.
After each bad file the client area must look as before (up to the focus
frames of the two controls that took the focus), no box may be up, the
program must answer an AT-SPI query within a second, still open an option
box's list on a click, and its current directory must be the stage again.
Two good pictures with odd names must then be shown, and a photo of 108
megapixels with the peak memory growing by less than 64 MiB. Nothing may
appear in the program's home folder. A JPEG followed by 4 GiB of nothing,
under an address-space limit of 3 GiB, is shown or refused, and the program
lives.

When the tests run as root, permissions block no reading: the program then
runs without the capabilities that override them (CAP_DAC_OVERRIDE and
CAP_DAC_READ_SEARCH, dropped with setpriv), so that a file of mode 000
really cannot be read by it. Prints "N passed, M failed"."""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

from gui_checks import Checks
from quizdesk import Program, centre, run, wait_until, walk
from picture_files import pad_sparse, write_bomb_png, write_photo_jpeg

DIALOG = "Bild auswählen!"
DROP_DAC = ["setpriv", "--bounding-set", "-dac_override,-dac_read_search"]
# A good picture has to change most of the client area.
SHOWN_SHARE = 0.3
# What a bad file may add to the peak memory (the bomb decoded would need
# 112 MiB at one bit a pixel, 3.4 GiB as the window's 32-bit picture).
MAX_GROWTH_MIB = 32


def make_files(folder, artifacts):
    """The files of the test; returns the bad ones as (label, path) and the
    two good ones."""
    def picture(name, look, size="320x240", extra=()):
        path = os.path.join(folder, name)
        subprocess.run(["convert", "-size", size, look, *extra, path], check=True)
        return path

    empty = os.path.join(folder, "leer.jpg")
    open(empty, "wb").close()
    text = os.path.join(folder, "brief.jpg")
    with open(text, "w") as f:
        f.write("Das ist kein Bild, nur ein Brief an die Flotte.\n" * 40)
    whole = picture("ganz.jpg", "plasma:fractal", "640x480", ("-quality", "90"))
    truncated = os.path.join(folder, "abgebrochen.jpg")
    with open(whole, "rb") as f:
        data = f.read()
    with open(truncated, "wb") as f:
        f.write(data[: len(data) // 2])  # cut in the middle of the picture data
    os.remove(whole)
    shutil.copy(truncated, artifacts)
    gif = picture("ganz.gif", "plasma:fractal", "320x240")
    cut_gif = os.path.join(folder, "abgebrochen.gif")
    with open(gif, "rb") as f:
        data = f.read()
    with open(cut_gif, "wb") as f:
        f.write(data[: len(data) // 2])
    os.remove(gif)
    bomb = os.path.join(folder, "riesig.png")
    write_bomb_png(bomb, 30000)
    directory = os.path.join(folder, "Ordner.jpg")
    os.mkdir(directory)
    locked = picture("gesperrt.png", "gradient:yellow-green")
    os.chmod(locked, 0)
    typed = picture("mein 'bestes' Bild; Nr. 1;.jpg", "gradient:red-blue")
    listed = picture('das "zweite" Bild; Nr. 2.png', "gradient:green-white")
    bad = [("an empty file", empty), ("a text file named .jpg", text), ("a truncated JPEG", truncated),
           ("a truncated GIF", cut_gif), ("a 30000 x 30000 PNG (%d bytes on disk)" % os.path.getsize(bomb), bomb),
           ("a directory", directory), ("a file without read permission", locked)]
    return bad, typed, listed


def home_env(home, artifacts):
    """A home folder of the program's own, empty, to see what lands in it.
    The sound server's client keeps its cookie elsewhere."""
    return {"HOME": home, "XDG_CONFIG_HOME": None, "PULSE_COOKIE": os.path.join(artifacts, "pulse-cookie")}


# What a 108-megapixel photo may add to the peak memory: it is decoded at
# the size it is shown at.
MAX_PHOTO_GROWTH_MIB = 64
ADDRESS_SPACE = 3 << 30


def photo_and_padding(c, a, binary, stage, folder, home):
    """The 108-megapixel photo, shown with little memory; then the photo
    followed by 4 GiB of nothing, in a program limited to 3 GiB of address
    space."""
    photo = os.path.join(folder, "foto-108mp.jpg")
    write_photo_jpeg(photo, 12000, 9000)
    p = Program(binary, stage, a.artifacts, "photo.log", env=home_env(home, a.artifacts))
    try:
        time.sleep(1.0)
        before = peak_mib(p)
        good_file(c, p, "a 108-megapixel photo (%d MB)" % (os.path.getsize(photo) // 10 ** 6), "photo",
                  lambda dlg: type_into_dialog(p, dlg, photo), stage)
        grown = peak_mib(p) - before
        c.check("the photo adds %.1f MiB to the peak memory (at most %d)" % (grown, MAX_PHOTO_GROWTH_MIB),
                grown < MAX_PHOTO_GROWTH_MIB)
    finally:
        p.stop()
    padded = os.path.join(folder, "gepolstert.jpg")
    shutil.copy(photo, padded)
    os.remove(photo)
    pad_sparse(padded, 4 << 30)
    p = Program(binary, stage, a.artifacts, "padded.log", prefix=["prlimit", "--as=%d" % ADDRESS_SPACE, "--"],
                env=home_env(home, a.artifacts))
    try:
        time.sleep(1.0)
        dlg = open_dialog(p)
        if dlg is not None:
            type_into_dialog(p, dlg, padded)
            if not closes(p, 10):
                escape(p)
        time.sleep(1.0)
        wrong = health(p, stage)
        c.check("a JPEG with 4 GiB of padding under a 3 GiB address-space limit: the program lives", not wrong,
                "; ".join(wrong))
    finally:
        p.stop()


def unreadable_for_program(path, prefix):
    """True when the program, started with prefix, cannot read path."""
    probe = subprocess.run([*prefix, "/bin/cat", path], capture_output=True)
    return probe.returncode != 0


def dialog(p):
    found = [b for b in p.boxes() if b[1] == DIALOG]
    return found[0][2] if found else None


def open_dialog(p):
    p.click(p.control("Hintergrund wählen"))
    return wait_until(lambda: dialog(p), 5)


def type_into_dialog(p, dlg, text):
    field = [a for a in walk(dlg) if a.getRoleName() == "text" and a.name == "Dateiname:"]
    if not field:
        raise RuntimeError("the dialog has no file-name field")
    p.click(field[0])
    p.key("ctrl+a")
    run("xdotool", "type", "--delay", "15", text)
    time.sleep(0.2)
    p.key("Return")


def closes(p, timeout=3):
    return bool(wait_until(lambda: dialog(p) is None, timeout))


def health(p, stage):
    """What is wrong with the program after a file: a list of findings."""
    wrong = []
    if not p.alive():
        return ["the program ended (exit code %s)" % p.proc.returncode]
    boxes = [(role, title) for role, title, _ in p.boxes()]
    if boxes:
        wrong.append("boxes up: %s" % boxes)
    seconds = p.answers(1.0)
    if seconds is None:
        wrong.append("no AT-SPI answer within 1 s")
    if p.cwd() != stage:
        wrong.append("current directory %s, not %s" % (p.cwd(), stage))
    if not p.list_opens("Anzahl Fragen"):
        wrong.append("a click on 'Anzahl Fragen' did not open its list")
    return wrong


def escape(p):
    for _ in range(3):
        p.key("Escape")
        if closes(p, 1.5):
            return True
    return False


def peak_mib(p):
    with open("/proc/%d/status" % p.proc.pid) as f:
        return int([l for l in f if l.startswith("VmHWM:")][0].split()[1]) / 1024


def bad_file(c, p, n, label, path, masks, stage):
    before = p.client_shot("%02d-before.png" % n)
    peak = peak_mib(p)
    dlg = open_dialog(p)
    if dlg is None:
        c.check("%s: the dialog opens" % label, False, "no dialog '%s'" % DIALOG)
        return
    type_into_dialog(p, dlg, path)
    how = "Enter accepted it"
    if not closes(p):
        # A folder's name opens that folder in the dialog; Escape leaves it
        # (the first Escape may only close the completion list).
        how = "the dialog stayed open after Enter, Escape closed it"
        if not escape(p):
            c.check("%s: the dialog closes" % label, False, "still open after Enter and three times Escape")
            return
    time.sleep(0.5)  # the window repaints after the dialog
    changed, where = p.client_shot("%02d-after.png" % n).changed(before, masks)
    wrong = health(p, stage)
    if changed:
        wrong.insert(0, "%d pixels of the window changed, within %s" % (changed, where))
    grown = peak_mib(p) - peak if p.alive() else 0
    # Decoding a huge picture would show here long before it ends.
    if grown > MAX_GROWTH_MIB:
        wrong.append("the peak memory grew by %.0f MiB" % grown)
    c.check("%s: %s; window as it was, responsive, current directory kept, peak memory +%.1f MiB" %
            (label, how, grown), not wrong, "; ".join(wrong))


def good_file(c, p, label, name, choose, stage):
    before = p.client_shot("%s-before.png" % name)
    dlg = open_dialog(p)
    if dlg is None:
        c.check("%s: the dialog opens" % label, False, "no dialog '%s'" % DIALOG)
        return
    try:
        choose(dlg)
    except RuntimeError as e:
        c.check("%s: chosen in the dialog" % label, False, str(e))
        escape(p)
        return
    ok = closes(p)
    if not ok:
        escape(p)
    time.sleep(0.5)
    shot = p.client_shot("%s-after.png" % name)
    changed, _ = shot.changed(before)
    wrong = [] if ok else ["the dialog did not take the file"]
    if changed < SHOWN_SHARE * shot.width * shot.height:
        wrong.append("only %d of %d pixels changed: the picture is not shown" % (changed, shot.width * shot.height))
    wrong += health(p, stage)
    c.check("%s: shown, responsive, current directory kept" % label, not wrong, "; ".join(wrong))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--binary", required=True)
    ap.add_argument("--artifacts", required=True)
    a = ap.parse_args()
    binary = os.path.realpath(a.binary)
    stage = os.path.dirname(binary)
    os.makedirs(a.artifacts, exist_ok=True)
    c = Checks()
    folder = tempfile.mkdtemp(prefix="velmora-bad-files.")
    home = tempfile.mkdtemp(prefix="velmora-home.")
    os.chmod(folder, 0o755)
    p = None
    try:
        bad, typed, listed = make_files(folder, a.artifacts)
        prefix = []
        locked_ok = True
        if os.geteuid() == 0:
            if shutil.which("setpriv") and unreadable_for_program(bad[-1][1], DROP_DAC):
                prefix = DROP_DAC
            else:
                locked_ok = False
        elif not unreadable_for_program(bad[-1][1], []):
            locked_ok = False
        if not locked_ok:
            print("SKIP  a file without read permission: this user can read it anyway")
            bad.pop()

        p = Program(binary, stage, a.artifacts, "bad-files.log", prefix=prefix,
                    env=home_env(home, a.artifacts))
        if prefix:
            with open("/proc/%d/status" % p.proc.pid) as f:
                eff = int([l for l in f if l.startswith("CapEff:")][0].split()[1], 16)
            c.check("runs as root without the capabilities that override permissions", not eff & 0b110,
                    "CapEff %x" % eff)
        time.sleep(1.0)
        # The focus rests on 'Anzahl Fragen' before each file and on the
        # background button after it: their focus frames are left out.
        c.check("a click on 'Anzahl Fragen' opens its list", p.list_opens("Anzahl Fragen"))
        masks = [p.client_rect(p.control("Hintergrund wählen"), 3), p.client_rect(p.control("Anzahl Fragen"), 3)]
        time.sleep(0.5)
        base = p.client_shot("00-before.png")
        time.sleep(0.5)
        steady, where = p.client_shot("00-before-again.png").changed(base)
        c.check("the window is steady while nobody acts", steady == 0, "%d pixels changed within %s" % (steady, where))

        for n, (label, path) in enumerate(bad, 1):
            bad_file(c, p, n, label, path, masks, stage)
            if not p.alive():
                break
            # Whatever happened, the focus goes back to the option box, so
            # that the next click on the background button acts again.
            if dialog(p) is not None:
                escape(p)
            p.list_opens("Anzahl Fragen")

        if p.alive():
            good_file(c, p, "a name with blanks, quotes and semicolons, typed", "typed",
                      lambda dlg: type_into_dialog(p, dlg, typed), stage)

            def from_list(dlg):
                # The dialog reads double quotes in its name field as the
                # separators of several names; such a name is chosen in the list.
                type_into_dialog(p, dlg, folder)
                if not closes(p, 1.0) and dialog(p) is not None:
                    name = os.path.basename(listed)

                    def where():
                        cells = [x for x in walk(dialog(p)) if x.name == name and x.getRoleName() == "table cell"]
                        return centre(cells[0]) if cells else None

                    # The list fills and sorts itself in the background: the
                    # place of the name counts once it stays put.
                    spots = [wait_until(where, 5)]
                    while spots[-1] and len(spots) < 20 and (len(spots) < 2 or spots[-1] != spots[-2]):
                        time.sleep(0.3)
                        spots.append(where())
                    if not spots[-1]:
                        raise RuntimeError("the list of the dialog shows no '%s'" % name)
                    # A double click on the name opens it. The click before
                    # closes the completion list of the name field, if it is up.
                    x, y = spots[-1]
                    p.screenshot("listed-dialog.png")
                    p.click_at(x, y)
                    time.sleep(0.4)
                    run("xdotool", "click", "--repeat", "2", "--delay", "80", "1")

            good_file(c, p, "a name with double quotes, chosen in the list", "listed", from_list, stage)
        p.stop()
        p = None
        photo_and_padding(c, a, binary, stage, folder, home)
        left = [os.path.join(r, n) for r, _, names in os.walk(home) for n in names]
        c.check("nothing appeared in the program's home folder", not left, left)
    except Exception as e:
        traceback.print_exc()
        c.check("the bad-file run completed", False, repr(e))
    finally:
        if p:
            p.stop()
        for root, dirs, files in os.walk(folder):
            for name in files:
                os.chmod(os.path.join(root, name), 0o644)
        shutil.rmtree(folder, ignore_errors=True)
        shutil.rmtree(home, ignore_errors=True)
    print("%d passed, %d failed" % (c.passed, c.failed))
    return 1 if c.failed else 0


if __name__ == "__main__":
    sys.exit(main())
