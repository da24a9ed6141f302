"""A whole questionnaire taken from outside with real mouse clicks: from the splash screen
through the instructions and the name entry, all 28 boxes, to the Strength Circle."""

from driver import INTRO, TITLE, checked, descendants, run, xdo, wait_until
STRENGTH = "Corvane Tessaly -- Strength Circle"
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
    app.click(most)
    least = app.control(window, "radio button", f"Box {box}, {BOTTOM_WORDS[box - 1]}, Least like me")
    app.click(least)
    wait_until(f"box {box} marked", lambda: checked(most) and checked(least))


def the_worked_example_from_splash_to_strength_circle(app):
    app.press(app.leave_splash(), "Jump to Tessaly")
    intro = app.window(INTRO)

    # The sample box follows the rule but counts for nothing.
    brave = app.control(intro, "radio button", "brave")
    app.click(brave)
    app.click(app.control(intro, "radio button", "Sample box, brave, Least like me"))
    wait_until("brave's Most mark to be taken away", lambda: not checked(brave))

    app.press(intro, "START the Tessaly")
    app.message_box(TITLE)
    xdo("type", "Ann")
    xdo("key", "Return")
    app.wait_titles([TITLE])
    quiz = app.window(TITLE)

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


if __name__ == "__main__":
    run([the_worked_example_from_splash_to_strength_circle])
