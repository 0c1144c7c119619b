"""Runs the built program under Wine on the test session's display and watches it from outside.

Every wait here waits for a condition, polling, with a generous bound; nothing sleeps for a
fixed time and hopes.
"""

import json
import os
import shutil
import subprocess
import tempfile
import time
import unittest

EXE = os.environ["QUORM_EXE"]
PROBE = os.environ["QUORM_PROBE"]
HELPER = os.environ["QUORM_HELPER"]
CURSOR_PROBE = os.environ["QUORM_CURSOR_PROBE"]
SCREENSHOTS = os.environ["QUORM_SCREENSHOTS"]

SCREEN_CLASS = "Quorm3Screen"
BOX_CLASS = "#32770"


def wait_for(condition, what, timeout=30.0):
    """Polls `condition` until it gives a true value, which is returned."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(0.05)


# In seconds: for that long after the Shut Down Windows screen becomes active, and after every
# press of its Yes that was refused, Yes takes no press. It is a second, or the system's
# double-click time where that is longer (half a second in a new prefix).
THE_WAIT = 1.0


def wait_out_the_moment(since, moment=THE_WAIT):
    """Waits until `moment` seconds have passed since `since`, a time.monotonic() reading taken
    once the screen was seen active: from then on Yes takes a press given by a person."""
    wait_for(lambda: time.monotonic() - since > moment + 0.1, "the moment to see the screen")


def wine_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def windows_directory_on_disk():
    return os.path.join(os.environ["WINEPREFIX"], "drive_c", "windows")


def throwaway_prefix(test, workdir, registry=()):
    """A copy of the session's prefix with a server of its own, for a test whose program may
    end the Wine session or needs settings of its own: only this copy is touched. `registry`
    holds (key, name, type, value) set in the copy, with the server restarted after them so
    that they hold from the start. Returns the environment that runs programs in it."""
    prefix = os.path.join(workdir, "prefix")
    shutil.copytree(os.environ["WINEPREFIX"], prefix, symlinks=True)
    env = dict(os.environ, WINEPREFIX=prefix)
    server_log = open(os.path.join(workdir, "wineserver.log"), "wb")
    test.addCleanup(server_log.close)

    def server(*args):
        subprocess.run(["wineserver", *args], env=env, stdout=server_log,
                       stderr=subprocess.STDOUT, check=True, timeout=120)

    server("-p")
    test.addCleanup(subprocess.run, ["wineserver", "-k"], env=env)
    for key, name, kind, value in registry:
        subprocess.run(["wine", "reg", "add", key, "/v", name, "/t", kind, "/d", str(value), "/f"],
                       env=env, stdin=subprocess.DEVNULL, stdout=server_log,
                       stderr=subprocess.STDOUT, check=True, timeout=120)
    if registry:
        server("-k")
        server("-w")
        server("-p")
    return {"WINEPREFIX": prefix}


class Listing:
    """What the probe saw of the program's windows at one moment."""

    def __init__(self, data):
        self.data = data
        self.running = data["running"]
        self.windows = data["windows"]
        self.focus = data["focus"]
        self.active = data["active"]

    def visible(self, cls):
        return [w for w in self.windows if w["visible"] and w["class"] == cls]

    def screens(self):
        return self.visible(SCREEN_CLASS)

    def boxes(self):
        return self.visible(BOX_CLASS)

    def screen_with(self, text):
        """The visible screen that has a child with the given text."""
        for screen in self.screens():
            if any(c["text"] == text for c in screen["children"]):
                return screen
        return None

    def focused_text(self):
        """The text of the screens' control that has the focus, or None."""
        for screen in self.screens():
            for c in screen["children"]:
                if c["hwnd"] == self.focus:
                    return c["text"]
        return None


def child(window, cls=None, text=None, control_id=None):
    for c in window["children"]:
        if ((cls is None or c["class"].lower() == cls.lower()) and
                (text is None or c["text"] == text) and
                (control_id is None or c["id"] == control_id)):
            return c
    raise AssertionError(f"no child {cls} {text!r} {control_id} in {window['text']!r}")


def box_text(box):
    return child(box, control_id=0xFFFF)["text"]


def centre(rect):
    return ((rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2)


class Program:
    """One run of QUORM.exe in the session's Wine prefix."""

    def __init__(self, workdir, env=None):
        self.workdir = workdir
        self.env = dict(os.environ, **(env or {}))
        self.log = open(os.path.join(workdir, "program.log"), "wb")
        self.process = subprocess.Popen(["wine", EXE], stdin=subprocess.DEVNULL,
                                        stdout=self.log, stderr=subprocess.STDOUT, env=self.env)
        self.started = time.monotonic()

    def probe(self, exe=None):
        """Lists the windows of the program, or of another program by its file name."""
        out = os.path.join(self.workdir, "probe.json")
        if os.path.exists(out):
            os.remove(out)
        command = ["wine", PROBE, "--exe", exe or os.path.basename(EXE), "--out", wine_path(out)]
        with open(os.path.join(self.workdir, "probe.log"), "ab") as log:
            # Now and then Wine fails to start a program at all; the probe then leaves no
            # listing, and is started once more.
            for attempt in (1, 2):
                done = subprocess.run(command, stdin=subprocess.DEVNULL, stdout=log,
                                      stderr=subprocess.STDOUT, env=self.env, timeout=120)
                if done.returncode == 0 or os.path.exists(out) or attempt == 2:
                    break
            done.check_returncode()
        with open(out, encoding="utf-8") as f:
            return Listing(json.load(f))

    def wait_for(self, condition, what, timeout=30.0):
        """Waits until `condition(listing)` holds for a fresh listing; returns the listing."""
        def check():
            listing = self.probe()
            return listing if condition(listing) else None
        return wait_for(check, what, timeout)

    def close_boxes_with_enter(self, count, what):
        """For each of `count` message boxes in turn: waits for it, presses Enter, and waits
        until it has gone."""
        for _ in range(count):
            seen = self.wait_for(lambda l: l.boxes(), what).boxes()[0]["hwnd"]
            Display.key("Return")
            self.wait_for(lambda l: all(b["hwnd"] != seen for b in l.boxes()), f"{what} to close")

    def running(self):
        return self.process.poll() is None

    def wait_for_exit(self, timeout):
        return self.process.wait(timeout=timeout)

    def stop(self):
        if self.running():
            self.process.kill()
            self.process.wait(timeout=60)
        self.log.close()


class Display:
    """Real input through the X server, and what it shows."""

    @staticmethod
    def pointer():
        out = subprocess.run(["xdotool", "getmouselocation"], capture_output=True, text=True,
                             check=True).stdout
        fields = dict(f.split(":") for f in out.split())
        return int(fields["x"]), int(fields["y"])

    @staticmethod
    def move(x, y):
        # --sync waits for the pointer to arrive, which it never does where it already is.
        if Display.pointer() != (x, y):
            subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y)], check=True)

    @staticmethod
    def click(x, y, double=False):
        Display.move(x, y)
        subprocess.run(["xdotool", "click", "--repeat", "2" if double else "1",
                        "--delay", "80", "1"], check=True)

    @staticmethod
    def key(*names, delay=50):
        subprocess.run(["xdotool", "key", "--delay", str(delay), *names], check=True)

    @staticmethod
    def hold(name, down=True):
        """Presses a key down, or lets it go; held, the X server repeats it as a keyboard does."""
        subprocess.run(["xdotool", "keydown" if down else "keyup", name], check=True)

    @staticmethod
    def screenshot():
        """The whole display, as the user sees it."""
        with tempfile.NamedTemporaryFile(suffix=".ppm") as ppm:
            subprocess.run(["import", "-window", "root", "-depth", "8", f"ppm:{ppm.name}"],
                           check=True)
            with open(ppm.name, "rb") as f:
                data = f.read()
        # A binary PPM: "P6", width, height and the maximum value, then the RGB bytes.
        fields, at = [], 0
        while len(fields) < 4:
            while data[at:at + 1].isspace():
                at += 1
            start = at
            while not data[at:at + 1].isspace():
                at += 1
            fields.append(data[start:at])
        return Shot(int(fields[1]), int(fields[2]), data[at + 1:])

    @staticmethod
    def still(rect):
        """A screenshot, when a second one shows the same in `rect` (the drawing done); else
        None."""
        first, second = Display.screenshot(), Display.screenshot()
        return second if first.region(rect) == second.region(rect) else None

    @staticmethod
    def save_picture(name, rect):
        os.makedirs(SCREENSHOTS, exist_ok=True)
        x0, y0, x1, y1 = rect
        subprocess.run(["import", "-window", "root", "-crop", f"{x1 - x0}x{y1 - y0}+{x0}+{y0}",
                        "+repage", os.path.join(SCREENSHOTS, name)], check=True)

    @staticmethod
    def cursor_visible():
        """Whether the pointer shows a cursor. The pointer is nudged by a pixel first, since a
        window's cursor is set as the pointer moves over it; the nudges alternate in direction,
        because a move back to where the pointer was is no move at all."""
        Display._nudge = -getattr(Display, "_nudge", -1)
        subprocess.run(["xdotool", "mousemove_relative", "--sync", "--", str(Display._nudge), "0"],
                       check=True)
        out = subprocess.run([CURSOR_PROBE], capture_output=True, text=True, check=True).stdout
        width, height, visible = map(int, out.split())
        return not (width <= 1 and height <= 1 and visible == 0)


class Shot:
    def __init__(self, width, height, data):
        self.width, self.height, self.data = width, height, data

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return "#%02X%02X%02X" % tuple(self.data[i:i + 3])

    def region(self, rect):
        """The RGB bytes of a rectangle (left, top, right, bottom), row by row."""
        x0, y0, x1, y1 = rect
        return b"".join(self.data[3 * (y * self.width + x0):3 * (y * self.width + x1)]
                        for y in range(y0, y1))

    def colours(self, x0, y0, x1, y1):
        return {self.pixel(x, y) for y in range(y0, y1 + 1) for x in range(x0, x1 + 1)}


class ProgramTest(unittest.TestCase):
    """Starts the program for each test, waits for its first screen and ends it afterwards."""

    def setUp(self):
        self.workdir = tempfile.mkdtemp(prefix="quorm3-e2e-")
        self.program = Program(self.workdir)
        self.addCleanup(self.cleanup)
        self.first = self.program.wait_for(
            lambda l: l.screen_with("Shutdown") is not None, "the Close Program screen", 60)
        self.wait_shown(self.first.screen_with("Shutdown"), 160, 3, "#000080")

    @staticmethod
    def wait_shown(screen, x, y, colour):
        """Waits until the display shows `colour` at (x, y) of the screen's client area: from
        then on its window is on the display and takes real input."""
        left, top = screen["client"][:2]
        wait_for(lambda: Display.screenshot().pixel(left + x, top + y) == colour,
                 f"{screen['text']!r} on the display")

    def cleanup(self):
        self.program.stop()
        shutil.rmtree(self.workdir, ignore_errors=True)

    def click_child(self, window, text, double=False):
        Display.click(*centre(child(window, text=text)["rect"]), double=double)

    def close_program(self, listing=None):
        return (listing or self.program.probe()).screen_with("Shutdown")

    # A pixel of each screen's own picture, to tell that the screen is on the display.
    MARKS = {"Shutdown": (160, 3, "#000080"),  # Close Program: the painted title bar
             "Cancel": (30, 58, "#FFFF00"),    # Not Responding: the warning sign
             "&Yes": (22, 32, "#0000FF")}      # Shut Down Windows: the computer's screen

    def shown(self, listing, text):
        """Waits until the screen with a control of that text is on the display; returns it."""
        screen = listing.screen_with(text)
        if text == "Cancel" and listing.screen_with("Shutdown") is screen:
            screen = next(s for s in listing.screens() if s is not listing.screen_with("Shutdown"))
        self.wait_shown(screen, *self.MARKS[text])
        return screen
