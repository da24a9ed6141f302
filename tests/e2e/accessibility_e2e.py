"""What a screen reader finds through AT-SPI: Part I read box by box, a name for everything it
can reach or read, no decorations, the chart's values once it is drawn, and marks set through
the accessibility interface alone."""

import pyatspi

from driver import INTRO, TITLE, check, extents, move_until, run, wait_until

STRENGTH = "Corvane Tessaly -- Strength Circle"
COLORS = "Corvane Colors"


def reading(node):
    """(role, name) of every node under `node`, depth first, as a screen reader meets them.
    A text box's own parts (viewport, scroll bars) are Qt's and are not looked into."""
    found = []
    for child in node:
        if child is None:
            continue
        found.append((child.getRoleName(), child.name))
        if child.getRoleName() != "text":
            found.extend(reading(child))
    return found


def names(node):
    return [name for _, name in reading(node)]


def check_nothing_nameless(window, client):
    """Everything on a screen has a name but the panes that hold its controls; lines and frames
    that only decorate are not there at all."""
    def walk(node):
        for child in node:
            if child is None:
                continue
            role = child.getRoleName()
            pane = role == "filler" and child.childCount > 0
            check(pane or child.name, f"{window}: a nameless {role}")
            check(role != "separator", f"{window}: a line is exposed")
            if role != "text":
                walk(child)
    walk(client)


def act(node, action):
    actions = node.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i) == action:
            actions.doAction(i)
            return
    raise AssertionError(f"{node.name!r} offers no {action}")


def find(node, role, name):
    return wait_until(f"{role} {name!r}", lambda: next(
        (c for c in pyatspi.findAllDescendants(node, lambda a: a.getRoleName() == role and a.name == name)), None))


def mark_every_box(window):
    """The top word Most and the bottom word Least in every box, through Toggle alone."""
    for box in pyatspi.findAllDescendants(window, lambda a: a.getRoleName() == "panel"):
        circles = list(box)
        act(circles[0] if box.name.endswith("Most like me") else circles[3], "Toggle")
    marked = pyatspi.findAllDescendants(
        window, lambda a: a.getRoleName() == "radio button" and a.getState().contains(pyatspi.STATE_CHECKED))
    return len(marked)


def part_one_in_reading_order(quiz):
    order = names(quiz)
    check(order[:8] == ["Most Like", "Least Like"] * 4, f"headings first, not {order[:8]}")
    at = 8
    for box in range(1, 16):
        label = f"Box {box}"
        check(order[at] == f"{label}, Most like me", f"box {box} starts with {order[at]!r}")
        words = order[at + 1:at + 5]
        expected = ([f"{label}, Most like me", *words, f"{label}, Least like me"]
                    + [f"{label}, {w}, Least like me" for w in words]
                    + [f"Definition of {w}" for w in words] + [label])
        check(order[at:at + 15] == expected, f"box {box} reads {order[at:at + 15]}")
        at += 15
    check(order[at:] == ["Back to Instructions", "Next to Part II"], f"then {order[at:]}")


def a_screen_reader_takes_the_questionnaire_and_reads_the_results(app):
    app.press(app.leave_splash(), "Jump to Tessaly")
    intro = app.window(INTRO)
    check(("image", "Tessaly logo") in reading(app.client(intro)), "the programme logo on the instructions")
    quiz = app.start_questionnaire(intro)

    part_one_in_reading_order(app.client(quiz))
    check_nothing_nameless("quiz", app.client(quiz))
    check(mark_every_box(quiz) == 30, "30 marks on Part I")
    act(find(quiz, "push button", "Next to Part II"), "Press")
    part_two = wait_until("Part II", lambda: next(
        (w for t, w in app.windows() if t == TITLE and pyatspi.findDescendant(
            w, lambda a: a.name == "Next to Strength Circle")), None))
    check(mark_every_box(part_two) == 26, "26 marks on Part II")
    act(find(part_two, "push button", "Next to Strength Circle"), "Press")

    strength = app.window(STRENGTH)
    values = {name: find(strength, "text", name).queryText().getText(0, -1)
              for name in ("Red value", "Yellow value", "Blue value", "Green value")}
    check(values == {"Red value": "20", "Yellow value": "27", "Blue value": "3", "Green value": "16"}, str(values))
    chart = find(strength, "chart", "Strength Circle")
    check(chart.description == "", f"an undrawn chart says {chart.description!r}")
    x, y, w, h = extents(chart)
    move_until("the chart's values", x + w // 2, y + h // 2,
               lambda: chart.description == "Red 20, Yellow 27, Blue 3, Green 16")
    check(("image", "Corvane logo") in reading(app.client(strength)), "the company logo on the Strength Circle")
    check_nothing_nameless("Graph1", app.client(strength))

    act(find(strength, "push button", "START to Understand Me"), "Press")
    colors = app.window(COLORS)
    check(reading(app.client(colors)) == [
        ("panel", "Banner"), ("label", "S T A R T"),
        ("panel", "Your colours"), ("label", "TO UNDERSTAND"),
        ("image", "First colour: Yellow"), ("image", "Second colour: Red"),
        ("text", "Your name"),
        ("push button", "Back to Strength Circle"), ("push button", "Discover Your Colors"),
        ("push button", "Learn More About Others"), ("push button", "Exit"), ("push button", "Print Your Colors"),
    ], f"Your Colors reads {reading(app.client(colors))}")
    check(find(colors, "text", "Your name").queryText().getText(0, -1) == "Ann", "the name field holds the name")
    check_nothing_nameless("Yourcolor1", app.client(colors))

    act(find(colors, "push button", "Discover Your Colors"), "Press")
    heading = "Yellow/Red - The Socializing Director"
    description = wait_until("yellowred", lambda: next(
        (w for t, w in app.windows() if pyatspi.findDescendant(w, lambda a: a.name == heading)), None))
    text = find(description, "text", heading)
    check(text.queryText().getText(0, 20).startswith("You\u2019re propelled"), "the box holds the description")
    order = reading(app.client(description))
    check(order.index(("image", "First colour: Yellow")) < order.index(("image", "Second colour: Red"))
          < order.index(("label", heading)) < order.index(("text", heading)), f"the description reads {order}")
    check_nothing_nameless("yellowred", app.client(description))


if __name__ == "__main__":
    run([a_screen_reader_takes_the_questionnaire_and_reads_the_results])
