"""tessaly.exe under Wine on a private X server, driven from outside with real X input.

Wine offers no accessibility bus to Linux, so controls are found where the placement tables
put them: a screen's client area is the bottom part of its window (the menu bar sits above
it), and a control's centre follows from its placement in layout units (15 to a pixel).
Screens are told apart by title and size, and results are read as colours on the screen. At a
display scale (TESSALY_EXPECTED_SCALE, set with LogPixels by at-display-scale) every place and
size grows with it.

    wine_e2e.py TESSALY_EXE   (DISPLAY, WINEPREFIX and WINEDEBUG set by scripts/test-windows)
"""

import math
import os
import sys

import scaffold
from scaffold import Failure, Screenshot, check, move_pointer, move_until, pixel, screenshot, search, wait_until, xdo

# Wine starts a program and draws its windows more slowly than the host does.
scaffold.TIMEOUT = 20.0
TITLE = "Corvane Tessaly"
TUTORIAL = "Corvane--Treat people as they NEED to be treated!"
INTRO = "Welcome to the Corvane Tessaly"
STRENGTH = "Corvane Tessaly -- Strength Circle"
COLORS = "Corvane Colors"
RED, YELLOW, BLUE, GREEN, WHITE = (255, 0, 0), (255, 255, 0), (0, 0, 255), (0, 255, 0), (255, 255, 255)

# Client areas in layout units, as the screen catalogue gives them.
SPLASH = (7575, 5355)
ABOUT = "About Corvane Tessaly"
STEP = (8880, 7095)
INTRO_SIZE = (9765, 7095)
QUIZ = (10515, 7980)
GRAPH = (7740, 6975)
YOURCOLOR = (10215, 4635)
DESCRIPTION = (7110, 5955)

# The worked example: the top word of every box marked Most, the bottom word Least.
CELL_LEFTS = [480, 3120, 5760, 8400]
CELL_TOPS = [480, 2400, 4320, 6240]
PART_ONE = [[1, 2, 3, 4], [5, 6, 7, 8], [9, 10, 11, 12], [13, 14, 15, 0]]
PART_TWO = [[16, 17, 18, 19], [20, 21, 22, 0], [23, 24, 25, 0], [26, 27, 28, 0]]


SCALE = float(os.environ.get("TESSALY_EXPECTED_SCALE", "1"))


def sp(pixels):
    """Qt's pixels in the screen's."""
    return round(pixels * SCALE)


def px(units):
    return sp(units / 15)


class Window:
    def __init__(self, wid, title, x, y, width, height):
        self.wid, self.title = wid, title
        self.x, self.y, self.width, self.height = x, y, width, height

    def client(self, size):
        """The top-left of the client area: the window's bottom-left minus the client's height."""
        return self.x, self.y + self.height - px(size[1])

    def __repr__(self):
        return f"{self.title!r} {self.width}x{self.height}+{self.x}+{self.y}"


def windows():
    """The program's windows on view."""
    found = []
    for wid in search("--onlyvisible", "--classname", "tessaly.exe"):
        try:
            geometry = dict(line.split("=", 1) for line in xdo("getwindowgeometry", "--shell", wid).split())
            title = xdo("getwindowname", wid).rstrip("\n")
        except Failure:
            continue  # closed meanwhile
        found.append(Window(wid, title, int(geometry["X"]), int(geometry["Y"]), int(geometry["WIDTH"]),
                            int(geometry["HEIGHT"])))
    return found


def screen_of(title, size):
    """The shown window with this title (any title if None) whose client area has this size;
    it includes the menu bar of a working screen, so it may be taller, never narrower."""
    def probe():
        for w in windows():
            if title in (None, w.title) and abs(w.width - px(size[0])) <= 1 and w.height >= px(size[1]) - 1:
                return w
        return None
    return wait_until(f"{title!r} of {px(size[0])}x{px(size[1])} pixels", probe)


def click(x, y):
    move_pointer(x, y)
    xdo("click", "1")


def click_control(window, size, left, top, width, height):
    cx, cy = window.client(size)
    click(cx + px(left + width // 2), cy + px(top + height // 2))


def keys(window, *names):
    # No window manager: the window is given the keyboard focus directly.
    xdo("windowfocus", "--sync", window.wid)
    xdo("key", "--clearmodifiers", *names)


def answer_yes():
    """A question box: Yes is its default button."""
    box = wait_until("the question box", lambda: next(
        (w for w in windows() if w.title == TITLE and w.height < sp(200)), None))
    keys(box, "Return")


class Program(scaffold.Program):
    def __init__(self, exe):
        super().__init__(["wine", exe])

    def describe(self):
        return f"windows: {windows()}"


def leave_splash():
    splash = screen_of(None, SPLASH)
    # The splash panel's own area, right of the product name, reacts to a movement.
    move_until("the tutorial", splash.x + sp(460), splash.y + sp(300),
               lambda: any(w.title == TUTORIAL for w in windows()))
    return screen_of(TUTORIAL, STEP)


def mark_boxes(window, cells):
    for c, column in enumerate(cells):
        for r, box in enumerate(column):
            if box == 0:
                continue
            left, top = CELL_LEFTS[c], CELL_TOPS[r]
            click_control(window, QUIZ, left, top + 120, 600, 255)  # the top word, Most
            click_control(window, QUIZ, left + 1080 + 360, top + 120 + 3 * 360, 255, 255)  # the bottom word, Least


def the_splash_appears(program):
    splash = screen_of(None, SPLASH)
    # The programme logo's red dot.
    wait_until("the splash screen's pictures", lambda: pixel(splash.x + sp(191), splash.y + sp(121)) == RED)
    screenshot("splash")


def the_worked_example():
    """From the splash screen through the name Ann and both parts of the questionnaire, marked
    as in the worked example: the Strength Circle's window."""
    step1 = leave_splash()
    click_control(step1, STEP, *[u * 15 for u in (16, 416, 89, 41)])  # Jump to Tessaly
    intro = screen_of(INTRO, INTRO_SIZE)
    click_control(intro, INTRO_SIZE, 7560, 5640, 1815, 855)  # START the Tessaly
    name = wait_until("the name entry", lambda: next(
        (w for w in windows() if w.title == TITLE and w.height < sp(250)), None))
    keys(name, "A", "n", "n", "Return")

    quiz = screen_of(TITLE, QUIZ)
    mark_boxes(quiz, PART_ONE)
    screenshot("quiz")
    click_control(quiz, QUIZ, 8640, 7200, 1215, 615)  # Next to Part II
    part_two = wait_until("Part II", lambda: next(
        (w for w in windows() if w.title == TITLE and w.wid != quiz.wid and abs(w.width - px(QUIZ[0])) <= 1), None))
    mark_boxes(part_two, PART_TWO)
    click_control(part_two, QUIZ, 8640, 7200, 1215, 615)  # Next to Strength Circle
    return screen_of(STRENGTH, GRAPH)


def the_worked_example_reaches_the_strength_circle_and_its_description(program):
    strength = the_worked_example()
    x, y = strength.client(GRAPH)
    cx, cy = x + sp(32 + 140), y + sp(96 + 127)
    # Values 20, 27, 3, 16: Red to 1.90 rad, Yellow to 4.47, Blue to 4.76, Green to 2 pi.
    expected = [(0.9, RED), (3.2, YELLOW), (4.62, BLUE), (5.5, GREEN)]
    points = [(round(cx + sp(60) * math.cos(a)), round(cy - sp(60) * math.sin(a))) for a, _ in expected]

    def chart():
        shot = Screenshot()
        colours = [shot.at(*p) for p in points]
        return colours if WHITE not in colours else None
    drawn = move_until("the chart", cx, cy, chart)
    check(drawn == [colour for _, colour in expected], f"chart colours {drawn}")
    screenshot("strength-circle")

    click_control(strength, GRAPH, 5160, 960, 1455, 615)  # START to Understand Me
    colors = screen_of(COLORS, YOURCOLOR)
    bx, by = colors.client(YOURCOLOR)
    first = (bx + px(1560 + 5400 + 487), by + px(480 + 240 + 547))
    second = (bx + px(1560 + 5400 + 487), by + px(480 + 1560 + 547))
    wait_until("Your Colors' circles in yellow and red",
               lambda: (pixel(*first), pixel(*second)) == (YELLOW, RED))

    click_control(colors, YOURCOLOR, 8400, 1560, 1575, 735)  # Discover Your Colors
    description = screen_of(TITLE, DESCRIPTION)
    dx, dy = description.client(DESCRIPTION)
    # yellowred's badge: a yellow circle over a red one.
    wait_until("yellowred's badge",
               lambda: (pixel(dx + sp(244), dy + sp(60)), pixel(dx + sp(244), dy + sp(87))) == (YELLOW, RED))
    screenshot("yellowred")

    # New, from the description's File menu, confirmed: back to the splash screen.
    keys(description, "alt", "Down", "Return")
    answer_yes()
    screen_of(None, SPLASH)
    wait_until("the description to go", lambda: all(w.title != TITLE for w in windows()))


def the_about_box_opens_where_windows_puts_a_new_window(program):
    step1 = leave_splash()
    # About stands on the menu bar after Edit and Exit.
    keys(step1, "alt", "Right", "Right", "Return")
    about = wait_until("the About box", lambda: next((w for w in windows() if w.title == ABOUT), None))
    screenshot("about")
    # Qt centres a window that names no place; Windows puts one made with CW_USEDEFAULT at its
    # next place from the top left (under Wine, the top left itself).
    screen_centre = (1280 // 2, 1024 // 2)
    centre = (about.x + about.width // 2, about.y + about.height // 2)
    check(abs(centre[0] - screen_centre[0]) > 50 and abs(centre[1] - screen_centre[1]) > 50,
          f"the About box stands at {about.x},{about.y}, centred")
    check(about.x < screen_centre[0] // 2 and about.y < screen_centre[1] // 2,
          f"the About box stands at {about.x},{about.y}, not where Windows begins")
    keys(about, "Return")


def exit_ends_the_program(program):
    step1 = leave_splash()
    # Exit stands on the menu bar right after the Edit menu.
    keys(step1, "alt", "Right", "Return")
    answer_yes()
    check(program.ended(), "the program did not end with code 0")


def run(steps):
    """Runs each step with a fresh tessaly.exe (scaffold.run)."""
    exe = os.path.realpath(sys.argv[1])
    scaffold.run(steps, lambda step: Program(exe))


if __name__ == "__main__":
    run([the_splash_appears, the_worked_example_reaches_the_strength_circle_and_its_description,
         the_about_box_opens_where_windows_puts_a_new_window, exit_ends_the_program])
