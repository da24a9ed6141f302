"""A whole questionnaire taken from outside with real mouse clicks: from the splash screen
through the instructions and the name entry, all 28 boxes, the Strength Circle and Your
Colors, to the person's own description and on through the chooser."""

import math

from driver import INTRO, TITLE, check, checked, descendants, extents, move_until, pixel, run, wait_until
from scaffold import Screenshot
STRENGTH = "Corvane Tessaly -- Strength Circle"
COLORS = "Corvane Colors"
RED, YELLOW, BLUE, GREEN = (255, 0, 0), (255, 255, 0), (0, 0, 255), (0, 255, 0)
MISSED = "You have missed a question!  Please decide in Blocknumber {} which word {} describes you!"

# The top word of every box, Part I then Part II, marked Most; the bottom word Least.
TOP_WORDS = ["magnetic", "cautious", "friendly", "talkative", "charming", "tactful", "daring", "diplomatic",
             "good-mixer", "logical", "sociable", "willing", "stimulating", "attractive", "captivating",
             "adventurous", "gentle", "expressive", "argumentative", "cheerful", "competitive", "fine-tuned",
             "aggressive", "confident", "thorough", "jovial", "restless", "controlled"]
BOTTOM_WORDS = ["modest", "goodnatured", "calm", "persistant", "forceful", "insistent", "shy", "enlivening",
                "considerate", "poised", "soft-spoken", "high-spirited", "contented", "patient", "compliant",
                "moderate", "original", "responsive", "light-hearted", "independent", "private", "playful",
                "fearful", "assertive", "decisive", "patient", "careful", "helpful"]


def mark(app, window, box):
    # "patient" and "controlled" stand in two boxes: the description tells them apart.
    most = wait_until(f"box {box}'s Most circle", lambda: next(
        (r for r in descendants(window, "radio button", TOP_WORDS[box - 1]) if r.description == f"Box {box}, Most like me"),
        None))
    app.click_most_circle(most, 89 if box == 19 else 81)
    least = app.control(window, "radio button", f"Box {box}, {BOTTOM_WORDS[box - 1]}, Least like me")
    app.click(least)
    wait_until(f"box {box} marked", lambda: checked(most) and checked(least))


def the_worked_example_from_splash_to_the_descriptions(app):
    app.press(app.leave_splash(), "Jump to Tessaly")
    intro = app.window(INTRO)

    # The sample box follows the rule but counts for nothing.
    brave = app.control(intro, "radio button", "brave")
    app.click_most_circle(brave)
    wait_until("brave marked Most", lambda: checked(brave))
    app.click(app.control(intro, "radio button", "Sample box, brave, Least like me"))
    wait_until("brave's Most mark to be taken away", lambda: not checked(brave))

    quiz = app.start_questionnaire(intro)

    for box in range(1, 16):
        mark(app, quiz, box)
    app.press(quiz, "Next to Part II")
    part_two = wait_until("Part II", lambda: next(
        (w for t, w in app.windows() if t == TITLE and descendants(w, "push button", "Next to Strength Circle")), None))

    app.press(part_two, "Next to Strength Circle")
    app.answer(TITLE, MISSED.format(16, "Most"), "OK")
    for box in range(16, 29):
        mark(app, part_two, box)
    app.press(part_two, "Next to Strength Circle")
    app.wait_titles([STRENGTH])
    strength = app.window(STRENGTH)

    # The chart box: 480, 1440 layout units into the client area, centre 2100, 1900 within it.
    x, y, _, _ = extents(app.client(strength))
    cx, cy = x + 32 + 140, y + 96 + 127
    # Values 20, 27, 3, 16: Red to 1.90 rad, Yellow to 4.47, Blue to 4.76, Green to 2 pi.
    expected = [(0.9, RED), (3.2, YELLOW), (4.62, BLUE), (5.5, GREEN)]
    points = [(round(cx + 60 * math.cos(angle)), round(cy - 60 * math.sin(angle))) for angle, _ in expected]

    def chart():
        """The colours at the points once the mouse has drawn the chart: each one of its four."""
        shot = Screenshot()
        colours = [shot.at(*point) for point in points]
        return colours if set(colours) <= {RED, YELLOW, BLUE, GREEN} else None
    drawn = move_until("the chart", cx, cy, chart)
    for (angle, colour), found in zip(expected, drawn):
        check(found == colour, f"chart at {angle} rad is {found}, not {colour}")

    app.press(strength, "START to Understand Me")
    app.wait_titles([COLORS])
    colors = app.window(COLORS)
    bx, by, _, _ = extents(app.client(colors))
    # The circles stand in the banner's panel at 1560 + 5400 across, 480 + 240 and 480 + 1560 down.
    first = pixel(bx + (1560 + 5400 + 487) // 15, by + (480 + 240 + 547) // 15)
    second = pixel(bx + (1560 + 5400 + 487) // 15, by + (480 + 1560 + 547) // 15)
    check((first, second) == (YELLOW, RED), f"Your Colors circles {first}, {second}")

    app.press(colors, "Discover Your Colors")
    description = wait_until("yellowred", lambda: next(
        (w for t, w in app.windows() if descendants(w, "label", "Yellow/Red - The Socializing Director")), None))
    app.press(description, "Back to Color Description")
    chooser = wait_until("the chooser", lambda: next(
        (w for t, w in app.windows() if descendants(w, "push button", "Blue / Yellow")), None))
    app.press(chooser, "Blue / Yellow")
    wait_until("blueyellow", lambda: next(
        (w for t, w in app.windows() if descendants(w, "label", "Blue/Yellow - The Relating Socializer")), None))


if __name__ == "__main__":
    run([the_worked_example_from_splash_to_the_descriptions])
