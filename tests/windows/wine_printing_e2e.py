"""Printing from tessaly.exe under Wine, for real: Qt's Windows print engine hands the page to
Wine's spooler, whose PostScript driver sends it to the default printer of a private CUPS
server (tests/e2e/private_cups.sh), a queue that keeps every job as a file.

    private_cups.sh python3 wine_printing_e2e.py TESSALY_EXE
"""

import glob
import os
import re

from scaffold import tool
from wine_e2e import (DESCRIPTION, INTRO, INTRO_SIZE, STEP, TITLE, check, click_control, keys, leave_splash, px, run,
                      screen_of, wait_until, windows, xdo)

JOBS = os.environ.get("PRINTED_JOBS", "")
CHOOSER = (7470, 5280)


def jobs():
    return sorted(glob.glob(os.path.join(JOBS, "job-*")), key=lambda f: int(re.search(r"job-(\d+)", f).group(1)))


def document(job):
    with open(job, "rb") as f:
        return f.read().decode("latin-1")


def title_of(job):
    found = re.search(r"^%%Title: (.*)$", document(job), re.MULTILINE)
    return found.group(1) if found else None


def new_jobs(before, count):
    """The jobs after the first `before`, once there are `count` of them and the queue is idle."""
    def ready():
        done = jobs()
        idle = tool("lpstat", "-o").strip() == ""
        return done[before:] if len(done) == before + count and idle else None
    return wait_until(f"{count} more jobs", ready, timeout=60)


def instructions():
    step1 = leave_splash()
    click_control(step1, STEP, *[u * 15 for u in (16, 416, 89, 41)])  # Jump to Tessaly
    return screen_of(INTRO, INTRO_SIZE)


def red_blue():
    intro = instructions()
    click_control(intro, INTRO_SIZE, 240 + 720, 3720 + 1680, 1215, 495)  # The Colors, in its frame
    chooser = screen_of(TITLE, CHOOSER)
    click_control(chooser, CHOOSER, 360, 3480, 1335, 495)  # Red / Blue
    return wait_until("redblue", lambda: next(
        (w for w in windows() if w.title == TITLE and w.width == px(DESCRIPTION[0])), None))


def print_text(description):
    click_control(description, DESCRIPTION, *[u * 15 for u in (224, 336, 49, 33)])


def each_print_text_is_a_job_of_its_own(program):
    description = red_blue()
    before = len(jobs())
    print_text(description)
    print_text(description)
    for job in new_jobs(before, 2):
        check(document(job).startswith("%!PS"), f"{job} is not PostScript")
        check(title_of(job) == "Red/Blue - The Directing Relater", f"{job} is titled {title_of(job)!r}")


def the_paper_sheets_reach_the_printer_whole(program):
    intro = instructions()
    before = len(jobs())
    click_control(intro, INTRO_SIZE, 5880, 720, 975, 735)  # Print Manual Tessaly
    answer, graph = new_jobs(before, 2)
    check((title_of(answer), title_of(graph)) == ("Manual Quiz", "mangraph"),
          f"titled {title_of(answer)!r}, {title_of(graph)!r}")
    # The engine sends a large picture in bands; together they are the 300 dpi rendering.
    for job, (width, height) in [(answer, (2550, 1965)), (graph, (1785, 3300))]:
        bands = [tuple(map(int, b)) for b in re.findall(r"/ImageMatrix \[(\d+) 0 0 (\d+) 0 0\]", document(job))]
        check(sum(w for w, h in bands if h == height) == width or sum(h for w, h in bands if w == width) == height,
              f"{title_of(job)}: picture bands {bands}")


SAVE_BOX = "No printer: save the printout as a PDF"


def without_a_printer_the_paper_version_goes_into_the_chosen_pdf(program):
    try:
        intro = instructions()
        click_control(intro, INTRO_SIZE, 5880, 720, 975, 735)  # Print Manual Tessaly
        box = wait_until("the save box", lambda: next((w for w in windows() if w.title == SAVE_BOX), None))
        # The box opens in the person's documents folder: a bare name goes there. (Wine links
        # that folder to the home folder; the file is removed again below.)
        kept = os.path.join(os.environ["WINEPREFIX"], "drive_c", "users", os.environ.get("USER", "root"),
                            "Documents", "kept by Tessaly's test.pdf")
        keys(box, "End", "shift+Home", "Delete")
        xdo("type", "--delay", "30", os.path.basename(kept))
        keys(box, "Return")
        pdf = wait_until("the kept PDF", lambda: os.path.exists(kept) and open(kept, "rb").read())
        check(pdf.startswith(b"%PDF-"), "not a PDF")
        pages = len(re.findall(rb"/Type\s*/Page\b(?!s)", pdf))
        check(pages == 2, f"{pages} pages")
        os.remove(kept)
    finally:
        tool("lpadmin", "-p", "Tessaly", "-E", "-v", QUEUE_URI[0], "-m", "raw")
        tool("lpadmin", "-d", "Tessaly")


QUEUE_URI = []


def remove_the_printer():
    QUEUE_URI.append(tool("lpstat", "-v", "Tessaly").split(": ", 1)[1].strip())
    tool("lpadmin", "-x", "Tessaly")


without_a_printer_the_paper_version_goes_into_the_chosen_pdf.before = remove_the_printer


if __name__ == "__main__":
    if not JOBS:
        raise SystemExit("run under tests/e2e/private_cups.sh")
    run([each_print_text_is_a_job_of_its_own, the_paper_sheets_reach_the_printer_whole,
         without_a_printer_the_paper_version_goes_into_the_chosen_pdf])
