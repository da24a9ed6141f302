"""One whole run with the keyboard alone: real key presses through xdotool, never the mouse.
The screens and the focus are read back through the accessibility bus."""

import pyatspi

from driver import INTRO, TITLE, TUTORIAL, check, checked, descendants, extents, run, wait_until, xdo

STRENGTH = "Corvane Tessaly -- Strength Circle"
COLORS = "Corvane Colors"
ABOUT = "About Corvane Tessaly"
EXIT_QUESTION = "Do you want to Quit this Tessaly session?  You will lose all Data, if you Quit!"


def key(*names):
    # At a typist's pace, as the name is typed below.
    xdo("key", "--delay", "30", *names)


def focused(window):
    found = [a for a in descendants(window) if a.getState().contains(pyatspi.STATE_FOCUSED)]
    return found[0] if found else None


def focus_on(window, role, name, description=None, limit=40):
    """Presses Tab until the control with that role and name has the focus."""
    def wanted(acc):
        return (acc is not None and acc.getRoleName() == role and acc.name == name
                and (description is None or acc.description == description))

    for _ in range(limit):
        acc = wait_until("a control with the focus", lambda: focused(window))
        if wanted(acc):
            return acc
        key("Tab")
    raise AssertionError(f"Tab never reached {role} {name!r} {description or ''}")


def press(window, caption):
    focus_on(window, "push button", caption)
    key("Return")


def screen_with(app, role, name):
    return wait_until(f"a screen with {name!r}", lambda: next(
        (w for _, w in app.windows() if descendants(w, role, name)), None))


def mark_boxes(window, boxes):
    """Marks each box's top word Most and its bottom word Least with Space, Tab and the
    arrows, starting with the focus on the first box's top word."""
    radios = descendants(window, "radio button")
    for box in boxes:
        words = sorted((r for r in radios if r.description == f"Box {box}, Most like me"), key=lambda r: extents(r)[1])
        circles = sorted((r for r in radios if r.name.startswith(f"Box {box}, ") and r.name.endswith("Least like me")),
                         key=lambda r: extents(r)[1])
        key("space")  # the top word, Most
        key("Tab")  # into the Least column, at its top circle
        key("Down", "Down", "Down")  # an empty column gains no mark on the way down
        key("space")
        wait_until(f"box {box} marked", lambda: checked(words[0]) and checked(circles[3]))
        check([checked(r) for r in words + circles] == [True, False, False, False, False, False, False, True],
              f"box {box} is marked otherwise")
        key("Tab", "Tab", "Tab", "Tab", "Tab")  # past the four definition buttons to the next box


def menu_command(steps_right):
    """Alt opens the menu bar on its drop-down; Right moves to the commands beside it."""
    key("alt")
    key(*(["Right"] * steps_right))
    key("Return")


def a_whole_run_with_the_keyboard_alone(app):
    app.wait_titles([""])
    key("space")  # any key leaves the splash screen open behind the tutorial
    tutorial = wait_until("the tutorial", lambda: next((w for t, w in app.windows() if t == TUTORIAL), None))
    for page in range(1, 10):
        press(tutorial, "Next")
        if page < 9:
            tutorial = wait_until(f"page {page + 1}", lambda: next(
                (w for t, w in app.windows() if t == TUTORIAL and w != tutorial), None))
    intro = app.window(INTRO)

    press(intro, "START the Tessaly")
    app.message_box(TITLE)
    xdo("type", "--delay", "30", "Kim")
    key("Return")
    quiz = app.window(TITLE)
    mark_boxes(quiz, range(1, 16))
    press(quiz, "Next to Part II")
    part_two = screen_with(app, "push button", "Next to Strength Circle")
    mark_boxes(part_two, range(16, 29))
    press(part_two, "Next to Strength Circle")
    press(app.window(STRENGTH), "START to Understand Me")
    colors = app.window(COLORS)
    check(focused(colors).name == "Back to Strength Circle", "Your Colors opens away from its first button")
    press(colors, "Discover Your Colors")
    description = screen_with(app, "label", "Yellow/Red - The Socializing Director")
    press(description, "Back to Color Description")
    chooser = screen_with(app, "push button", "Blue / Yellow")
    press(chooser, "Green / Blue")
    screen_with(app, "label", "Green/Blue - The Thinking Relater")

    menu_command(2)  # About
    wait_until("the About box", lambda: next((b for t, b in app.boxes() if t == ABOUT), None))
    key("Return")  # OK is the About box's default button
    wait_until("the About box to close", lambda: not any(t == ABOUT for t, _ in app.boxes()))

    menu_command(1)  # Exit
    app.message_box(TITLE)
    key("Return")  # Yes is the default answer
    check(app.ended(), "the program did not end after Exit")


if __name__ == "__main__":
    run([a_whole_run_with_the_keyboard_alone])
