"""Printing for real: the program prints through Qt and CUPS on the default printer, a
private queue that keeps each job as a PDF file."""

import glob
import os
import subprocess

from driver import INTRO, TITLE, check, descendants, run, wait_until

JOBS = os.environ.get("PRINTED_JOBS", "")


def jobs():
    return sorted(glob.glob(os.path.join(JOBS, "job-*.pdf")), key=lambda f: int(f.rsplit("-", 1)[1][:-4]))


def finished_jobs(count):
    """The kept jobs once there are `count` of them and the queue has handed every one over."""
    idle = subprocess.run(["lpstat", "-o"], capture_output=True, text=True).stdout.strip() == ""
    kept = jobs()
    return kept if idle and len(kept) == count else None


def text_of(pdf):
    return " ".join(subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True).stdout.split())


def open_description(app, caption, heading):
    app.press(app.leave_splash(), "Jump to Tessaly")
    app.press(app.window(INTRO), "The Colors")
    chooser = wait_until("the chooser", lambda: next(
        (w for t, w in app.windows() if descendants(w, "push button", caption)), None))
    app.press(chooser, caption)
    return wait_until(heading, lambda: next(
        (w for t, w in app.windows() if descendants(w, "label", heading)), None))


def a_description_prints_its_header_and_text(app):
    description = open_description(app, "Red / Blue", "Red/Blue - The Directing Relater")
    before = len(jobs())
    app.press(description, "Print Text")
    app.press(description, "Print Text")
    printed = wait_until("two jobs", lambda: finished_jobs(before + 2))
    for job in printed[before:]:
        text = wait_until("the job's text", lambda: text_of(job))
        check("START to Understand ME Red / Blue - The Directing Relater THE GO-GETTER" in text, text[:200])
        check("identified by your busy, industrious approach to tasks" in text, text[:400])


def a_queue_that_refuses_jobs_is_reported(app):
    before = len(jobs())
    subprocess.run(["cupsreject", "Tessaly"], check=True)
    try:
        description = open_description(app, "Green / Yellow", "Green/Yellow - The Thinking Socializer")
        app.press(description, "Print Text")
        app.answer(TITLE, "You can not Print the text at this time!", "OK")
        check(len(jobs()) == before, f"a refused job was printed: {jobs()}")
    finally:
        subprocess.run(["cupsaccept", "Tessaly"], check=True)


def the_paper_version_is_two_printouts(app):
    app.press(app.leave_splash(), "Jump to Tessaly")
    before = len(jobs())
    app.press(app.window(INTRO), "Print Manual Tessaly")
    printed = wait_until("two more jobs", lambda: finished_jobs(before + 2))
    check(os.path.getsize(printed[-2]) > 1000 and os.path.getsize(printed[-1]) > 1000, "empty paper version")


if __name__ == "__main__":
    run([a_description_prints_its_header_and_text, a_queue_that_refuses_jobs_is_reported,
         the_paper_version_is_two_printouts])
