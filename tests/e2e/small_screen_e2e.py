"""Part I on a small screen (E2E_SCREEN, and QT_SCALE_FACTOR where the screen is scaled): it
opens inside the screen, and "Next to Part II" is reached both with the mouse wheel and the
mouse and with the keyboard alone. Screenshots of the screens on the way are kept among the
run's artefacts (TESSALY_ARTIFACTS)."""

import os

import pyatspi

from driver import (INTRO, TITLE, check, checked, descendants, extents, move_pointer, on_screen, run, settled, wait_until,
                    xdo)
from accessibility_e2e import mark_every_box
from scaffold import screenshot, search

MISSED = "You have missed a question!  Please decide in Blocknumber 1 which word {} describes you!"
SIZE = os.environ.get("E2E_SCREEN", "1280x1024x24").rsplit("x", 1)[0]
SCREEN = tuple(int(n) for n in SIZE.split("x"))


def shot(name):
    scale = os.environ.get("QT_SCALE_FACTOR")
    screenshot(f"{SIZE}{'x' + scale if scale else ''}-{name}")


def window_geometry(title):
    """Where the X window of the one screen with this title stands, in the screen's pixels."""
    found = search("--onlyvisible", "--name", f"^{title}$")
    check(found, f"no window {title!r}")
    wid = found[-1]
    values = dict(line.split("=") for line in xdo("getwindowgeometry", "--shell", wid).split())
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def settled_geometry(title):
    """The window's place once it has stopped moving into it."""
    return settled(repr(title), lambda: window_geometry(title))


def inside_screen(x, y, w, h):
    return x >= 0 and y >= 0 and x + w <= SCREEN[0] and y + h <= SCREEN[1]


def in_view(control):
    """The whole control on the screen and within the window of Part I."""
    x, y, w, h = extents(control)
    left, top = on_screen(x, y)
    right, bottom = on_screen(x + w, y + h)
    wx, wy, ww, wh = window_geometry(TITLE)
    return inside_screen(left, top, right - left, bottom - top) and wx <= left and wy <= top \
        and right <= wx + ww and bottom <= wy + wh


def wheel(button, times):
    """Turns the mouse wheel over the middle of Part I: 4 up, 5 down."""
    x, y, w, h = window_geometry(TITLE)
    move_pointer(x + w // 2, y + h // 2)
    # A turn of the wheel at a time, as a hand turns it.
    xdo("click", "--repeat", times, "--delay", "50", button)


def next_to_part_two_with_the_mouse_and_the_keyboard(app):
    shot("step1")
    app.press(app.leave_splash(), "Jump to Tessaly")
    intro = app.window(INTRO)
    app.control(intro, "push button", "START the Tessaly")
    shot("intro")
    quiz = app.start_questionnaire(intro)
    next_button = app.control(quiz, "push button", "Next to Part II")
    place = settled_geometry(TITLE)
    check(inside_screen(*place), f"Part I at {place} on a {SIZE} screen")
    shot("quiz")

    # The mouse: the wheel brings the button into view, a click presses it.
    wheel(5, 3)
    wait_until("Next to Part II in view", lambda: in_view(next_button))
    shot("quiz-scrolled")
    app.click(next_button)
    app.answer(TITLE, MISSED.format("Most"), "OK")

    # The keyboard: from box 1's first word, back round to the last control of the screen.
    wheel(4, 3)
    first = next(r for r in descendants(quiz, "radio button") if r.description == "Box 1, Most like me")
    app.click(first)
    wait_until("box 1 marked", lambda: checked(first))
    xdo("key", "shift+Tab")
    wait_until("Next to Part II in view with the focus", lambda: next_button.getState().contains(
        pyatspi.STATE_FOCUSED) and in_view(next_button))
    xdo("key", "Return")
    app.answer(TITLE, MISSED.format("Least"), "OK")

    # On to Part II, which opens inside the screen as well.
    mark_every_box(quiz)
    xdo("key", "Return")
    wait_until("Part II", lambda: next(
        (w for t, w in app.windows() if t == TITLE and descendants(w, "push button", "Next to Strength Circle")), None))
    place = settled_geometry(TITLE)
    check(inside_screen(*place), f"Part II at {place} on a {SIZE} screen")
    shot("quiz2")


if __name__ == "__main__":
    run([next_to_part_two_with_the_mouse_and_the_keyboard])
