"""The screen flow seen from outside: the splash screen, the tutorial's first page, the
instructions, the chooser and a description, the name entry, Part I, New and Exit, and
windows closed through their frame."""

import time

from driver import (INTRO, TITLE, TUTORIAL, check, checked, close_through_frame, descendants, extents, move_until, run,
                    wait_until, x_window, xdo)
EXIT_ABOUT = "|Exit|About"
NEW_QUESTION = "Do you want to start a new Tessaly session?"
EXIT_QUESTION = "Do you want to Quit this Tessaly session?  You will lose all Data, if you Quit!"


def splash_is_centred_and_a_mouse_movement_leaves_it(app):
    app.wait_titles([""])
    check(extents(app.window("")) == ((1280 - 505) // 2, (1024 - 357) // 2, 505, 357),
          f"splash at {extents(app.window(''))}")
    step1 = app.leave_splash()
    check(app.menu_bar(step1) == "Edit[New,Print Form]" + EXIT_ABOUT, app.menu_bar(step1))


def a_key_opens_the_tutorial_and_leaves_the_splash_open(app):
    app.wait_titles([""])
    xdo("search", "--sync", "--onlyvisible", "--name", "")
    wid = xdo("search", "--onlyvisible", "--classname", "tessaly").split()[-1]
    xdo("windowfocus", "--sync", wid)
    xdo("key", "a")
    app.wait_titles(["", TUTORIAL])


def the_splash_left_open_leads_on_beside_the_current_screen(app):
    # A key leaves the splash open behind the tutorial. Part I, at its fixed place, leaves a
    # strip of the splash panel uncovered on its right: a movement there leads to the tutorial,
    # and Part I stays on view and usable beside it.
    app.wait_titles([""])
    splash = app.window("")
    xdo("windowfocus", "--sync", xdo("search", "--onlyvisible", "--classname", "tessaly").split()[-1])
    xdo("key", "a")
    app.wait_titles(["", TUTORIAL])
    app.press(app.window(TUTORIAL), "Jump to Tessaly")
    app.wait_titles(["", INTRO])
    app.press(app.window(INTRO), "START the Tessaly")
    app.message_box(TITLE)
    xdo("type", "Ann")
    xdo("key", "Return")
    app.wait_titles(["", TITLE])

    sx, sy, _, _ = extents(splash)
    qx, _, qw, _ = extents(app.window(TITLE))
    panel_right = sx + (480 + 6465) // 15
    check(qx + qw + 2 < panel_right, f"Part I ends at {qx + qw}, the splash panel at {panel_right}")
    x, y = (qx + qw + panel_right) // 2, sy + (240 + 1500) // 15  # clear of the panel's labels
    move_until("the tutorial", x, y, lambda: TUTORIAL in app.titles())
    app.wait_titles([TITLE, TUTORIAL])

    app.press(app.window(TUTORIAL), "Next")
    wait_until("the second tutorial page", lambda: next(
        (w for t, w in app.windows() if t == TUTORIAL and descendants(w, "label", "Core Values")), None))
    magnetic = app.control(app.window(TITLE), "radio button", "magnetic")
    app.click_most_circle(magnetic)
    wait_until("magnetic marked on Part I", lambda: checked(magnetic))


def walking_to_a_description_and_back(app):
    step1 = app.leave_splash()
    app.press(step1, "Jump to Tessaly")
    app.wait_titles([INTRO])
    intro = app.window(INTRO)
    check(app.menu_bar(intro) == "File[New,Print Form]" + EXIT_ABOUT, app.menu_bar(intro))

    app.press(intro, "The Colors")
    app.wait_titles([TITLE])
    chooser = app.window(TITLE)
    check(app.menu_bar(chooser) == "Edit[New,Print Form]" + EXIT_ABOUT, app.menu_bar(chooser))

    app.press(chooser, "Blue / Yellow")
    description = wait_until("blueyellow", lambda: next((w for t, w in app.windows() if t == TITLE and descendants(
        w, "push button", "Back to Color Description")), None))
    app.wait_titles([TITLE])
    check(app.menu_bar(description) == "File[New,Print]" + EXIT_ABOUT, app.menu_bar(description))
    _, _, w, h = extents(app.client(description))
    check((w, h) == (476, 399), f"blueyellow client {w}x{h}")

    app.press(description, "Back to Color Description")
    chooser = wait_until("the chooser", lambda: next(
        (w for t, w in app.windows() if t == TITLE and descendants(w, "push button", "Blue / Yellow")), None))
    app.wait_titles([TITLE])
    guard = ("You can not go back to Your Colors because you have not taken the test yet!  "
             "Do you want to take the Tessaly now?")
    app.press(chooser, "Back to Your Colors")
    app.answer(TITLE, guard, "No")
    app.wait_titles([TITLE])
    app.press(app.window(TITLE), "Back to Your Colors")
    app.answer(TITLE, guard, "Yes")
    app.wait_titles([INTRO])


def name_entry_part_one_and_new(app):
    app.press(app.leave_splash(), "Jump to Tessaly")
    intro = app.window(INTRO)
    app.press(intro, "START the Tessaly")
    app.answer(TITLE, "Please enter your name", "Cancel")
    app.answer("Tessaly", "Please Enter Your Name", "OK")
    app.message_box(TITLE)
    xdo("type", "Ann Example")
    xdo("key", "Return")
    app.wait_titles([TITLE])
    quiz = app.window(TITLE)
    check(app.menu_bar(quiz) == "Edit[New,Print]" + EXIT_ABOUT, app.menu_bar(quiz))
    check(extents(app.client(quiz)) == (143, 118, 701, 532), f"quiz client at {extents(app.client(quiz))}")

    app.press(quiz, "Next to Part II")
    app.answer(TITLE, "You have missed a question!  Please decide in Blocknumber 1 which word Most describes you!", "OK")
    app.choose(quiz, "Edit", "New")
    app.answer(TITLE, NEW_QUESTION, "No")
    app.wait_titles([TITLE])
    app.choose(quiz, "Edit", "New")
    app.answer(TITLE, NEW_QUESTION, "Yes")
    app.wait_titles([""])


def exit_asks_and_ends_the_program(app):
    step1 = app.leave_splash()
    app.choose(step1, "Exit")
    app.answer(TITLE, EXIT_QUESTION, "No")
    app.wait_titles([TUTORIAL])
    app.choose(step1, "Exit")
    app.answer(TITLE, EXIT_QUESTION, "Yes")
    check(app.ended(), "the program did not end with exit code 0")


def closing_through_the_frame_asks_like_exit_and_nothing_gets_past_the_box(app):
    # The splash screen has no frame, but a window manager can still close it.
    app.wait_titles([""])
    close_through_frame(x_window("tessaly"))  # an untitled window goes by the program's name
    app.answer(TITLE, EXIT_QUESTION, "No")
    app.wait_titles([""])

    step1 = app.leave_splash()
    close_through_frame(x_window(TUTORIAL))
    box, labels = app.message_box(TITLE)
    check(EXIT_QUESTION in labels, str(labels))
    # Behind the open box, a second close and the Exit command reach nothing, now or later.
    close_through_frame(x_window(TUTORIAL))
    app.choose(step1, "Exit")
    # A box that must not come gives nothing to wait on: it would show within half a second.
    time.sleep(0.5)
    check(len(app.boxes()) == 1, f"boxes {[t for t, _ in app.boxes()]}")
    app.press(box, "No")
    app.wait_titles([TUTORIAL])
    # Nor may one held back behind the first: nothing to wait on either.
    time.sleep(0.5)
    check(not app.boxes(), f"boxes {[t for t, _ in app.boxes()]} after No")

    close_through_frame(x_window(TUTORIAL))
    app.answer(TITLE, EXIT_QUESTION, "Yes")
    check(app.ended(), "the program did not end with exit code 0")


if __name__ == "__main__":
    run([
        splash_is_centred_and_a_mouse_movement_leaves_it,
        a_key_opens_the_tutorial_and_leaves_the_splash_open,
        the_splash_left_open_leads_on_beside_the_current_screen,
        walking_to_a_description_and_back,
        name_entry_part_one_and_new,
        exit_asks_and_ends_the_program,
        closing_through_the_frame_asks_like_exit_and_nothing_gets_past_the_box,
    ])
