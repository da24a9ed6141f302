"""The tutorial paged through from outside, and the About box with its System Info button."""

from driver import INTRO, TUTORIAL, asks_for_a_place, check, descendants, run, wait_until, x_window, xdo

# What tells each page apart, in paging order.
PAGES = ["Effective communication is known to be the key to success both at home and at work.",
         "Core Values", "GOLDEN RULE", "Treat people as they need / want to be treated.", "BEHAVIORAL       STYLES",
         "DIRECTORS [RED]", "THINKERS [GREEN]", "RELATERS [BLUE]", "SOCIALIZERS [YELLOW]"]


def page_showing(app, label):
    return wait_until(f"the page with {label!r}", lambda: next(
        (w for t, w in app.windows() if t == TUTORIAL and descendants(w, "label", label)), None))


def paging_through_the_whole_tutorial(app):
    page = app.leave_splash()
    for i, label in enumerate(PAGES):
        page = page_showing(app, label)
        check(len(app.windows()) == 1, f"one window at a time, not {app.titles()}")
        if i + 1 < len(PAGES):
            app.press(page, "Next")
    # Back once, then on to the instructions.
    app.press(page, "Back")
    page = page_showing(app, PAGES[-2])
    app.press(page, "Next")
    app.press(page_showing(app, PAGES[-1]), "Next")
    app.wait_titles([INTRO])


def about_box_and_its_system_info_button(app):
    app.press(app.leave_splash(), "Jump to Tessaly")
    intro = app.window(INTRO)
    app.choose(intro, "About")
    box, labels = app.message_box("About Corvane Tessaly")
    check("Corvane Tessaly" in labels and "Version 6.1" in labels, f"About labels {labels}")
    # The window manager puts the box where it puts new windows: it asks for no place.
    check(not asks_for_a_place(x_window("About Corvane Tessaly")), "the About box asks for a place of its own")
    check(INTRO in app.titles(), "the instructions stay visible behind the About box")
    app.press(box, "System Info...")
    app.answer("Tessaly", "System Information Is Unavailable At This Time", "OK")
    box, _ = app.message_box("About Corvane Tessaly")
    xdo("key", "Escape")
    wait_until("the About box to close", lambda: not app.boxes())
    app.choose(intro, "About")
    app.message_box("About Corvane Tessaly")


if __name__ == "__main__":
    run([paging_through_the_whole_tutorial, about_box_and_its_system_info_button])
