"""Driving the real program: start it, read its widgets through AT-SPI,
click and type with xdotool, take screenshots with ImageMagick's import and
listen to the null sink with parec."""
import array
import ctypes
import ctypes.util
import math
import os
import subprocess
import threading
import time

import pyatspi

CAPTION = "Velmora Quiz V.4.0 by "
CLIENT_TWIPS = (11940, 8940)
RATING_TITLES = {"Miese Leistung", "Ergebnis", "Gute Leistung", "Spitzenleistung!"}
FREE_SPOT = (10500, 7200)  # twips: only the background lies there


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


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class _XEvent(ctypes.Union):
    _fields_ = [("xclient", _ClientMessage), ("pad", ctypes.c_long * 24)]


def close_window(xid):
    """Asks a window to close as a window manager does when its close button
    is pressed: a WM_DELETE_WINDOW message (xdotool only knows how to
    destroy a window)."""
    x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.POINTER(_XEvent)]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    if not display:
        raise RuntimeError("no X display")
    try:
        event = _XEvent()
        event.xclient.type = 33  # ClientMessage
        event.xclient.window = int(xid)
        event.xclient.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
        event.xclient.format = 32
        event.xclient.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
        x11.XSendEvent(display, int(xid), 0, 0, ctypes.byref(event))
        x11.XFlush(display)
    finally:
        x11.XCloseDisplay(display)


class Program:
    """One run of velmora-quiz in the stage folder."""

    def __init__(self, binary, stage, artifacts, log_name, prefix=(), env=None, args=()):
        """Starts binary in the folder stage, with the arguments args. prefix
        goes before the binary (a command that ends in exec, so the process
        id stays the program's); env changes the environment, a value of None
        removes a variable."""
        self.artifacts = artifacts
        environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        for name, value in (env or {}).items():
            if value is None:
                environment.pop(name, None)
            else:
                environment[name] = value
        self.log = open(os.path.join(artifacts, log_name), "w")
        self.proc = subprocess.Popen([*prefix, binary, *args], cwd=stage, env=environment, stdout=self.log,
                                     stderr=subprocess.STDOUT)
        self.app = wait_until(self._find_app, 15)
        if self.app is None:
            raise RuntimeError("the program did not appear on the AT-SPI bus")
        self.window = wait_until(self._find_window, 10)
        if self.window is None:
            raise RuntimeError("the main window did not show")
        self.xid = None
        if environment.get("DISPLAY"):  # an X window; under Wayland there is none to find
            # --all: every condition must hold. Without it xdotool takes any
            # one of them, and the window of another copy with the same name would do.
            xid = wait_until(lambda: run("xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.proc.pid),
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

    def twips_on_screen(self, x, y):
        """The screen point of a point of the client area given in twips."""
        e = self.window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return e.x + x * e.width // CLIENT_TWIPS[0], e.y + y * e.height // CLIENT_TWIPS[1]

    def click_twips(self, x, y):
        """A click at a point of the client area given in twips."""
        self.click_at(*self.twips_on_screen(x, y))

    def key(self, *keys):
        run("xdotool", "key", "--delay", "30", *keys)

    def answer_questions(self, count, key_for=lambda n: "1"):
        """Plays a started one-player game: answers question n with the key
        key_for(n) and skips each answer pause with a click on a free spot.
        Returns how many questions were answered before something stuck."""
        answered = 0
        for n in range(1, count + 1):
            if not wait_until(lambda: enabled(self.control("Antwort 1 wählen")) and self.text("Ergebnis") == "?", 8):
                break
            self.focus_window()
            self.key(key_for(n))
            if not wait_until(lambda: self.text("Beantwortete Fragen") == str(n), 5):
                break
            answered = n
            if n < count:
                self.click_twips(*FREE_SPOT)
        return answered

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

    # --- health --------------------------------------------------------------
    def alive(self):
        return self.proc.poll() is None

    def cwd(self):
        return os.readlink("/proc/%d/cwd" % self.proc.pid)

    def answers(self, limit=1.0):
        """Asks the program over AT-SPI for its window's children and the
        text of an option box. Returns the seconds the answer took, or None
        when no answer came within limit (the question may still be pending
        in its thread then; the program counts as hung)."""
        answer = {}
        # The option box is looked up once, while all is well; the question
        # itself is then two calls.
        if getattr(self, "_probe", None) is None:
            try:
                self._probe = self.control("Anzahl Fragen")
            except Exception:
                return None

        def ask():
            try:
                t0 = time.monotonic()
                count = fresh(self.window).childCount
                text = self._probe.queryText().getText(0, -1)
                if count > 0 and text:
                    answer["seconds"] = time.monotonic() - t0
            except Exception as e:  # the call timed out or the program is gone
                answer["error"] = repr(e)

        worker = threading.Thread(target=ask, daemon=True)
        worker.start()
        worker.join(limit)
        return answer.get("seconds")

    def list_opens(self, combo_name):
        """Clicks an option box and waits until its list shows; Escape closes
        it again. True when the list opened and closed: the window reacts."""
        combo = self.control(combo_name)
        self.click(combo)

        def list_showing():
            lists = [a for a in walk(fresh(combo)) if a.getRoleName() == "list"]
            return bool(lists) and showing(lists[0])

        opened = wait_until(list_showing, 3)
        time.sleep(0.3)
        self.key("Escape")
        closed = wait_until(lambda: not list_showing(), 3)
        return bool(opened) and bool(closed)

    # --- pictures of the client area -----------------------------------------
    def client_shot(self, name):
        """A screenshot of the client area, kept as name in the artifacts."""
        e = self.window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        path = self.screenshot(name)
        raw = subprocess.run(["convert", path, "-crop", "%dx%d+%d+%d" % (e.width, e.height, e.x, e.y), "+repage",
                              "-depth", "8", "rgb:-"], check=True, capture_output=True).stdout
        return Shot(e.width, e.height, raw)

    def client_rect(self, acc, margin=0):
        """The rectangle of a control in client coordinates: (x0, y0, x1, y1)."""
        w = self.window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        e = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return (e.x - w.x - margin, e.y - w.y - margin, e.x - w.x + e.width + margin, e.y - w.y + e.height + margin)

    def stop(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        self.log.close()


class PixelWatch:
    """Watches a control's pixels passively with quiz-pixel-watch for some
    seconds: the program never hears of it (see tools/desktop/PixelWatch.cpp).
    changes() waits for the end and returns (wall-clock time, hash) pairs,
    the first being the control as it was at the start."""

    def __init__(self, watcher, program, acc, seconds, inset=2):
        w = program.window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        e = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        self.seconds = seconds
        self.proc = subprocess.Popen([watcher, str(int(program.xid)), str(e.x - w.x + inset), str(e.y - w.y + inset),
                                      str(e.width - 2 * inset), str(e.height - 2 * inset), str(seconds)],
                                     stdout=subprocess.PIPE, text=True)
        self.output = ""

    def changes(self):
        self.output, _ = self.proc.communicate(timeout=self.seconds + 10)
        out = []
        for line in self.output.splitlines():
            t, h = line.split()
            out.append((float(t), h))
        return out


class Mover:
    """Moves the pointer to and fro between two points every period seconds
    (input that wakes the program without asking anything of the game)."""

    def __init__(self, points, period=0.2):
        self.points, self.period = points, period
        self.stop_flag = threading.Event()
        self.thread = threading.Thread(target=self._loop, daemon=True)
        self.thread.start()

    def _loop(self):
        i = 0
        while not self.stop_flag.wait(self.period):
            x, y = self.points[i % 2]
            run("xdotool", "mousemove", str(x), str(y))
            i += 1

    def stop(self):
        self.stop_flag.set()
        self.thread.join()


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


class Shot:
    """The pixels of a screenshot, RGB, row by row."""

    def __init__(self, width, height, raw):
        self.width, self.height, self.raw = width, height, raw

    def changed(self, other, masks=()):
        """How many pixels differ from other, outside the rectangles masks
        (x0, y0, x1, y1): (count, bounding box of the changes or None)."""
        if (self.width, self.height) != (other.width, other.height) or len(self.raw) != len(other.raw):
            return self.width * self.height, (0, 0, self.width, self.height)
        stride = self.width * 3
        count = 0
        box = None
        for y in range(self.height):
            a = self.raw[y * stride:(y + 1) * stride]
            b = other.raw[y * stride:(y + 1) * stride]
            if a == b:
                continue
            for x in range(self.width):
                if a[3 * x:3 * x + 3] == b[3 * x:3 * x + 3]:
                    continue
                if any(x0 <= x < x1 and y0 <= y < y1 for x0, y0, x1, y1 in masks):
                    continue
                count += 1
                box = (min(box[0], x), min(box[1], y), max(box[2], x), max(box[3], y)) if box else (x, y, x, y)
        return count, box
