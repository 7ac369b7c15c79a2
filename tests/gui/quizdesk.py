"""Driving the real program: start it, read its widgets through AT-SPI,
click and type with xdotool, take screenshots with ImageMagick's import and
listen to the null sink with parec."""
import array
import math
import os
import subprocess
import time

import pyatspi

CAPTION = "Velmora Quiz V.4.0 by "
CLIENT_TWIPS = (11940, 8940)


def wait_until(condition, timeout, step=0.1):
    """Polls condition until it returns something true; returns that or None."""
    end = time.monotonic() + timeout
    while True:
        try:
            value = condition()
        except Exception:  # a widget may vanish while it is read
            value = None
        if value:
            return value
        if time.monotonic() >= end:
            return None
        time.sleep(step)


def run(*args, **kw):
    return subprocess.run(list(args), check=False, capture_output=True, text=True, **kw)


def fresh(acc):
    try:
        acc.clear_cache()
    except Exception:
        pass
    return acc


def states(acc):
    return fresh(acc).getState()


def showing(acc):
    return states(acc).contains(pyatspi.STATE_SHOWING)


def enabled(acc):
    return states(acc).contains(pyatspi.STATE_ENABLED)


def focused(acc):
    return states(acc).contains(pyatspi.STATE_FOCUSED)


def text_of(acc):
    return acc.queryText().getText(0, -1)


def centre(acc):
    e = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x + e.width // 2, e.y + e.height // 2


def walk(acc):
    yield acc
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


class Program:
    """One run of velmora-quiz in the stage folder."""

    def __init__(self, binary, stage, artifacts, log_name):
        self.artifacts = artifacts
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.log = open(os.path.join(artifacts, log_name), "w")
        self.proc = subprocess.Popen([binary], cwd=stage, env=env, stdout=self.log, stderr=subprocess.STDOUT)
        self.app = wait_until(self._find_app, 15)
        if self.app is None:
            raise RuntimeError("the program did not appear on the AT-SPI bus")
        self.window = wait_until(self._find_window, 10)
        if self.window is None:
            raise RuntimeError("the main window did not show")
        xid = wait_until(lambda: run("xdotool", "search", "--onlyvisible", "--pid", str(self.proc.pid),
                                     "--name", "^Velmora Quiz").stdout.split(), 10)
        self.xid = xid[0] if xid else None

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.get_process_id() == self.proc.pid:
                return app
        return None

    def _find_window(self):
        for i in range(fresh(self.app).childCount):
            w = self.app.getChildAtIndex(i)
            if w is not None and w.name.startswith(CAPTION) and showing(w):
                return w
        return None

    # --- reading -----------------------------------------------------------
    def control(self, name):
        for acc in walk(self.window):
            if acc is not self.window and acc.name == name and acc.getRoleName() != "list item":
                return acc
        raise KeyError(name)

    def text(self, name):
        return text_of(self.control(name))

    def visible_controls(self):
        out = []
        for i in range(fresh(self.window).childCount):
            acc = self.window.getChildAtIndex(i)
            if acc is not None and showing(acc):
                out.append(acc)
        return out

    def boxes(self):
        """The message boxes and dialogs that are up: (role, title, accessible)."""
        out = []
        for i in range(fresh(self.app).childCount):
            w = self.app.getChildAtIndex(i)
            if w is not None and w.getRoleName() in ("alert", "dialog") and showing(w):
                out.append((w.getRoleName(), w.name, w))
        return out

    def box(self, titles, timeout=10):
        found = wait_until(lambda: [b for b in self.boxes() if b[1] in titles], timeout)
        return found[0] if found else None

    @staticmethod
    def buttons(box_acc):
        return [a for a in walk(box_acc) if a.getRoleName() == "push button" and showing(a)]

    # --- acting ------------------------------------------------------------
    def focus_window(self):
        if self.xid:
            run("xdotool", "windowfocus", "--sync", self.xid)

    def click_at(self, x, y):
        # No --sync: it waits for a motion that never comes when the pointer
        # is there already. The server takes the events in order anyway.
        run("xdotool", "mousemove", str(x), str(y), "click", "1")

    def click(self, acc):
        self.click_at(*centre(acc))

    def click_twips(self, x, y):
        """A click at a point of the client area given in twips."""
        e = self.window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        self.click_at(e.x + x * e.width // CLIENT_TWIPS[0], e.y + y * e.height // CLIENT_TWIPS[1])

    def key(self, *keys):
        run("xdotool", "key", "--delay", "30", *keys)

    def choose(self, combo_name, item):
        """Opens an option box with a click and clicks one item of its list."""
        combo = self.control(combo_name)
        self.click(combo)
        box = combo.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)

        # The items of a closed list count as showing too, the list itself
        # only while it is open; it opens right under its box.
        def item_open():
            lists = [a for a in walk(combo) if a.getRoleName() == "list"]
            if not lists or not showing(lists[0]):
                return None
            for acc in walk(lists[0]):
                if acc.getRoleName() == "list item" and acc.name == item:
                    e = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                    if e.y >= box.y + box.height - 4 and abs(e.x - box.x) < 40:
                        return acc
            return None

        entry = wait_until(item_open, 5)
        if entry is None:
            raise RuntimeError("the list of %s did not open" % combo_name)
        # Qt ignores a release on the list right after it opened (the end of
        # the click that opened it); a person takes longer than that anyway.
        time.sleep(0.6)
        self.click(entry)
        return wait_until(lambda: self.text(combo_name) == item, 5)

    def screenshot(self, name):
        path = os.path.join(self.artifacts, name)
        run("import", "-window", "root", path)
        return path

    def exit_code(self, timeout):
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def stop(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        self.log.close()


class Recorder:
    """Records the null sink's monitor with parec while it runs."""

    def __init__(self, sink, path):
        self.path = path
        self.file = open(path, "wb")
        self.proc = subprocess.Popen(["parec", "-d", sink + ".monitor", "--raw", "--format=s16le",
                                      "--rate=44100", "--channels=2", "--latency-msec=20"],
                                     stdout=self.file, stderr=subprocess.DEVNULL)

    def stop(self):
        self.proc.terminate()
        self.proc.wait(5)
        self.file.close()
        samples = array.array("h")
        with open(self.path, "rb") as f:
            data = f.read()
        samples.frombytes(data[: len(data) // 2 * 2])
        if not samples:
            return 0.0, 0, 0.0
        rms = math.sqrt(sum(s * s for s in samples) / len(samples))
        return rms, max(abs(s) for s in samples), len(samples) / 2 / 44100.0
