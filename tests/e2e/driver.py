"""Drives the real program from outside: real X input through xdotool, and the windows,
their controls and menus read back through the accessibility bus."""

import ctypes
import ctypes.util
import os

import pyatspi
import scaffold
from gi.repository import GLib
# The scripts take these from here.
from scaffold import check, move_pointer, move_until, pixel, settled, tool, wait_until, xdo  # noqa: F401

# A window that closes while it is read gives an AT-SPI error: for a wait, not there yet.
scaffold.NOT_YET = (GLib.Error,)
# Qt gives places in its own pixels; X input and screenshots are in the screen's.
SCALE = float(os.environ.get("QT_SCALE_FACTOR", "1"))


TUTORIAL = "Corvane--Treat people as they NEED to be treated!"
INTRO = "Welcome to the Corvane Tessaly"
TITLE = "Corvane Tessaly"


def on_screen(x, y):
    """A point in Qt's pixels, as the screen's pixel under it."""
    return round(x * SCALE), round(y * SCALE)


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class _XEvent(ctypes.Union):
    _fields_ = [("xclient", _ClientMessage), ("pad", ctypes.c_long * 24)]


def close_through_frame(wid):
    """Asks a window to close as a window manager does for its close button or Alt+F4: the
    WM_DELETE_WINDOW message of the window's WM_PROTOCOLS. There is no window manager here."""
    x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    check(display, "no X display")
    event = _XEvent()
    event.xclient.type = 33  # ClientMessage
    event.xclient.window = int(wid)
    event.xclient.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", False)
    event.xclient.format = 32
    event.xclient.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", False)
    x11.XSendEvent(display, int(wid), False, 0, ctypes.byref(event))
    x11.XFlush(display)
    x11.XCloseDisplay(display)


def x_window(title):
    """The X window of the program's screen on view with this title."""
    def find():
        listed = scaffold.search("--onlyvisible", "--classname", "tessaly")
        return next((wid for wid in listed if xdo("getwindowname", wid).rstrip("\n") == title), None)
    return wait_until(f"the X window {title!r}", find)


def asks_for_a_place(wid):
    """Whether a window tells the window manager where it wants to stand (WM_NORMAL_HINTS)."""
    hints = tool("xprop", "-id", wid, "WM_NORMAL_HINTS")
    return "specified location" in hints


def showing(acc):
    try:
        return acc.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def checked(acc):
    return acc.getState().contains(pyatspi.STATE_CHECKED)


def extents(acc):
    e = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def descendants(acc, role=None, name=None):
    found = []

    def walk(a):
        for child in a:
            if child is None:
                continue
            if (role is None or child.getRoleName() == role) and (name is None or child.name == name):
                found.append(child)
            walk(child)

    walk(acc)
    return found


class App(scaffold.Program):
    def __init__(self, environment=None):
        # Wake the accessibility registry first: a program that starts while the registry is
        # still coming up may never be listed.
        pyatspi.Registry.getDesktop(0).childCount
        super().__init__([os.environ["TESSALY_BINARY"]], environment)
        self.root = wait_until("the program on the accessibility bus", self._find_app, timeout=30)

    def _find_app(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "tessaly":
                return app
        return None

    # Windows
    def windows(self):
        """The screens on view, as (title, accessible); message and input boxes apart."""
        return [(w.name, w) for w in self.root if w is not None and showing(w) and w.getRoleName() == "frame"]

    def boxes(self):
        """The dialogs on view: message boxes, the input box, the About box."""
        return [(w.name, w) for w in self.root
                if w is not None and showing(w) and w.getRoleName() in ("dialog", "alert")]

    def titles(self):
        return sorted(t for t, _ in self.windows())

    def window(self, title):
        return wait_until(f"window {title!r}", lambda: next((w for t, w in self.windows() if t == title), None))

    def wait_titles(self, expected):
        expected = sorted(expected)
        wait_until(f"windows {expected}", lambda: self.titles() == expected)

    def client(self, window):
        """The client area of a screen: the filler under its menu bar, inside the viewport that
        lets a smaller window show less of it; or the window itself."""
        area = window
        while True:
            fillers = [c for c in area if c is not None and c.getRoleName() == "filler"]
            if not fillers or (area is not window and area.childCount != 1):
                return area
            area = fillers[0]

    # Controls
    def control(self, window, role, name):
        return wait_until(f"{role} {name!r}", lambda: next(iter(descendants(window, role, name)), None))

    def click(self, acc, where=None):
        """Clicks a control at its centre, or at the point where(x, y, width, height) gives."""
        # A window that has just opened may still be moving into place.
        x, y, w, h = settled(f"{acc.name!r}", lambda: extents(acc) if extents(acc)[2] > 0 else None)
        move_pointer(*on_screen(*(where(x, y, w, h) if where else (x + w / 2, y + h / 2))))
        xdo("click", "1")

    def click_most_circle(self, most, width=81):
        """Clicks the circle that a Most word's control draws at its right end, 14 pixels across.
        The control starts at its panel's left edge and is 1215 layout units (81 pixels) wide,
        1335 (89 pixels) in Box 19. Screen readers are told only of the word's own area."""
        self.click(most, lambda x, y, w, h: (extents(most.parent)[0] + width - 7, y + h // 2))

    def press(self, window, caption):
        self.click(self.control(window, "push button", caption))

    def menu_bar(self, window):
        """The menu bar as text: drop-downs with their items, then the commands."""
        bars = descendants(window, "menu bar")
        if not bars:
            return ""
        entries = []
        for item in bars[0]:
            menus = [c for c in item if c is not None and c.getRoleName() == "popup menu"]
            if menus:
                entries.append(item.name + "[" + ",".join(i.name for i in menus[0] if i is not None) + "]")
            else:
                entries.append(item.name)
        return "|".join(entries)

    def choose(self, window, *path):
        """Clicks a menu entry on the bar, then an item of its drop-down."""
        bar = descendants(window, "menu bar")[0]
        entry = next(i for i in bar if i is not None and i.name == path[0])
        self.click(entry)
        if len(path) > 1:
            item = wait_until(f"menu item {path[1]!r}",
                              lambda: next((i for i in descendants(entry, "menu item", path[1]) if showing(i)), None))
            self.click(item)

    # Message boxes
    def message_box(self, title):
        box = wait_until(f"box {title!r}", lambda: next((b for t, b in self.boxes() if t == title), None))
        labels = [l.name for l in descendants(box, "label") if l.name]
        return box, labels

    def answer(self, title, text, button):
        box, labels = self.message_box(title)
        check(text in labels, f"message {text!r} not among {labels}")
        self.press(box, button)
        wait_until("the box to close", lambda: not showing(box))

    def start_questionnaire(self, intro, name="Ann"):
        """Presses "START the Tessaly" on the instructions, gives the name and returns Part I."""
        self.press(intro, "START the Tessaly")
        self.message_box(TITLE)
        xdo("type", name)
        xdo("key", "Return")
        self.wait_titles([TITLE])
        return self.window(TITLE)

    def leave_splash(self):
        """Moves the mouse over the splash panel's own area and waits for the tutorial."""
        self.wait_titles([""])
        x, y, _, _ = extents(self.window(""))
        # Right of the product name, clear of labels and pictures.
        move_until("the tutorial", *on_screen(x + 460, y + 300), lambda: TUTORIAL in self.titles())
        self.wait_titles([TUTORIAL])
        return self.window(TUTORIAL)

    def describe(self):
        return f"windows {self.titles()}, boxes {[t for t, _ in self.boxes()]}"


def run(steps):
    """Runs each step with a fresh program (scaffold.run). A step's `environment` (a function
    giving a dict) adds to the program's environment."""
    scaffold.run(steps, lambda step: App(step.environment() if hasattr(step, "environment") else None))
