"""Printing for real: the program prints through CUPS on the default printer, a private
queue that keeps each job as a PDF file; and what happens when there is no printer, when the
queue stops or fails the job, and when the scheduler does not answer."""

import glob
import os
import socket
import threading
import time

from driver import INTRO, TITLE, check, descendants, run, tool, wait_until, xdo
from paper import A4, DRIVER_MARGINS, HERE, check_job, ppd, words

JOBS = os.environ.get("PRINTED_JOBS", "")


def jobs():
    return sorted(glob.glob(os.path.join(JOBS, "job-*.pdf")), key=lambda f: int(f.rsplit("-", 1)[1][:-4]))


def finished_jobs(count):
    """The kept jobs once there are `count` of them and the queue has handed every one over."""
    idle = tool("lpstat", "-o").strip() == ""
    kept = jobs()
    return kept if idle and len(kept) == count else None


def text_of(pdf):
    return " ".join(tool("pdftotext", "-layout", pdf, "-").split())


def open_description(app, caption, heading, intro=None):
    if intro is None:
        app.press(app.leave_splash(), "Jump to Tessaly")
        intro = app.window(INTRO)
    app.press(intro, "The Colors")
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
    tool("cupsreject", "Tessaly")
    try:
        description = open_description(app, "Green / Yellow", "Green/Yellow - The Thinking Socializer")
        app.press(description, "Print Text")
        app.answer(TITLE, "You can not Print the text at this time!", "OK")
        check(len(jobs()) == before, f"a refused job was printed: {jobs()}")
    finally:
        tool("cupsaccept", "Tessaly")


def the_paper_version_is_two_printouts(app):
    app.press(app.leave_splash(), "Jump to Tessaly")
    before = len(jobs())
    # Pressed twice, a tenth of a second apart, as an impatient person does: two paper versions.
    app.press(app.window(INTRO), "Print Manual Tessaly")
    time.sleep(0.1)
    xdo("click", "1")
    printed = wait_until("four more jobs", lambda: finished_jobs(before + 4))
    check(all(os.path.getsize(p) > 1000 for p in printed[-4:]), "empty paper version")
    # A fifth job must not come, which gives nothing to wait on: it would arrive within two seconds.
    time.sleep(2)
    check(len(jobs()) == before + 4, f"{len(jobs()) - before} jobs for two presses")


def on_a_printer_with_a_driver_the_printouts_take_its_paper_and_keep_inside_its_margins(app):
    """An A4 printer with a driver, for a person in the US: the printer's paper and margins go
    before the country's."""
    uri = queue_uri()
    tool("lpadmin", "-p", "TessalyA4", "-E", "-v", uri, "-P", ppd(os.environ["E2E_WORK"]))
    tool("lpadmin", "-d", "TessalyA4")
    try:
        before = len(jobs())
        app.press(app.leave_splash(), "Jump to Tessaly")
        intro = app.window(INTRO)
        app.press(intro, "Print Manual Tessaly")
        wait_until("the paper version", lambda: finished_jobs(before + 2))
        description = open_description(app, "Red / Yellow", "Red/Yellow - The Directing Socializer", intro)
        app.press(description, "Print Text")
        printed = wait_until("the description", lambda: finished_jobs(before + 3))[before:]
    finally:
        tool("lpadmin", "-d", "Tessaly")
        tool("lpadmin", "-x", "TessalyA4")
    faults = [fault for job in printed for fault in check_job(job, A4, DRIVER_MARGINS)]
    check(not faults, f"{faults}")
    with open(os.path.join(HERE, "..", "..", "content", "descriptions", "redyellow.print.txt"), encoding="utf-8") as f:
        check(words(printed[-1]) == f.read().split(), f"the description reads {' '.join(words(printed[-1]))[:300]}")


on_a_printer_with_a_driver_the_printouts_take_its_paper_and_keep_inside_its_margins.environment = lambda: {
    "LANG": "en_US.UTF-8", "LC_ALL": "", "LC_MEASUREMENT": "", "LC_PAPER": ""}


SAVE_BOX = "No printer: save the printout as a PDF"
RED_BLUE = ("Red / Blue", "Red/Blue - The Directing Relater")
GREEN_YELLOW = ("Green / Yellow", "Green/Yellow - The Thinking Socializer")


def queued():
    return tool("lpstat", "-o").strip()


def queue_uri():
    return tool("lpstat", "-v", "Tessaly").split(": ", 1)[1].strip()


def no_box_for_a_while(app):
    # A box that must not come gives nothing to wait on: it would show within a second and a half.
    time.sleep(1.5)
    check(not app.boxes(), f"unexpected boxes {[t for t, _ in app.boxes()]}")


def a_home_with_documents():
    home = os.path.join(os.environ["E2E_WORK"], "home")
    os.makedirs(os.path.join(home, "Documents"), exist_ok=True)
    return {"HOME": home}


def without_a_printer_the_printout_goes_into_the_pdf_the_person_names(app):
    documents = os.path.join(a_home_with_documents()["HOME"], "Documents")
    uri = queue_uri()
    tool("lpadmin", "-x", "Tessaly")
    try:
        description = open_description(app, *RED_BLUE)
        # Cancel: nothing is written and nothing is said.
        app.press(description, "Print Text")
        box = wait_until("the save box", lambda: next((b for t, b in app.boxes() if t == SAVE_BOX), None))
        fields = [f for f in descendants(box, "text") if showing_text(f)]
        proposed = [f.queryText().getText(0, -1) for f in fields]
        check("Tessaly redblue text.pdf" in proposed, f"proposed {proposed}")
        app.press(box, "Cancel")
        wait_until("the save box to close", lambda: not app.boxes())
        no_box_for_a_while(app)
        check(os.listdir(documents) == [], f"written without being asked: {os.listdir(documents)}")

        app.press(description, "Print Text")
        box = wait_until("the save box", lambda: next((b for t, b in app.boxes() if t == SAVE_BOX), None))
        kept = os.path.join(os.environ["E2E_WORK"], "kept by me.pdf")
        field = next(f for f in descendants(box, "text") if showing_text(f)
                     and f.queryText().getText(0, -1) == "Tessaly redblue text.pdf")
        app.click(field)
        xdo("key", "ctrl+a")
        xdo("type", "--delay", "20", kept)
        xdo("key", "Return")
        text = wait_until("the kept PDF", lambda: os.path.exists(kept) and text_of(kept))
        check("START to Understand ME Red / Blue - The Directing Relater" in text, text[:200])
        # The save box remembers nothing in a file of its own (the system's font cache aside).
        home = a_home_with_documents()["HOME"]
        written = [os.path.join(d, f) for d, _, files in os.walk(home) for f in files
                   if not os.path.relpath(d, home).startswith(".cache")]
        check(written == [], f"written without being asked: {written}")
    finally:
        tool("lpadmin", "-p", "Tessaly", "-E", "-v", uri, "-m", "raw")
        tool("lpadmin", "-d", "Tessaly")
    # With the printer back, the printer receives the same words the file holds.
    before = len(jobs())
    app.press(description, "Print Text")
    printed = wait_until("the job", lambda: finished_jobs(before + 1))
    check(text_of(printed[-1]) == text, "the PDF and the printed job differ")


without_a_printer_the_printout_goes_into_the_pdf_the_person_names.environment = a_home_with_documents


def showing_text(field):
    try:
        return field.queryText() is not None
    except NotImplementedError:
        return False


def with_no_scheduler_at_all_the_pdf_is_offered(app):
    description = open_description(app, *GREEN_YELLOW)
    app.press(description, "Print Text")
    box = wait_until("the save box", lambda: next((b for t, b in app.boxes() if t == SAVE_BOX), None))
    app.press(box, "Cancel")
    wait_until("the save box to close", lambda: not app.boxes())
    no_box_for_a_while(app)


with_no_scheduler_at_all_the_pdf_is_offered.environment = lambda: {
    "CUPS_SERVER": os.path.join(os.environ["E2E_WORK"], "no-such-scheduler.sock")}


def a_scheduler_that_never_answers():
    """A socket that takes every connection and never says a word."""
    path = os.path.join(os.environ["E2E_WORK"], "silent.sock")
    if not os.path.exists(path):
        server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        server.bind(path)
        server.listen(16)
        held = []
        threading.Thread(target=lambda: [held.append(server.accept()) for _ in iter(int, 1)], daemon=True).start()
    return {"CUPS_SERVER": path}


def a_scheduler_that_does_not_answer_ends_in_the_failure_box(app):
    description = open_description(app, *GREEN_YELLOW)
    app.press(description, "Print Text")
    # The screens go on meanwhile.
    app.press(description, "Back to Color Description")
    wait_until("the chooser", lambda: next((w for t, w in app.windows()
                                            if descendants(w, "push button", RED_BLUE[0])), None))
    app.answer(TITLE, "You can not Print the text at this time!", "OK")


a_scheduler_that_does_not_answer_ends_in_the_failure_box.environment = a_scheduler_that_never_answers


def a_stopped_queue_keeps_the_job(app):
    before = len(jobs())
    tool("cupsdisable", "Tessaly")
    try:
        description = open_description(app, *RED_BLUE)
        app.press(description, "Print Text")
        wait_until("the job waiting in the queue", queued)
        no_box_for_a_while(app)
    finally:
        tool("cupsenable", "Tessaly")
    wait_until("the kept job printed", lambda: finished_jobs(before + 1))


def a_queue_that_fails_the_job_keeps_it(app):
    before = len(jobs())
    uri = queue_uri()
    tool("lpadmin", "-p", "Tessaly", "-v", "keepfile:/nonexistent")
    try:
        description = open_description(app, *RED_BLUE)
        app.press(description, "Print Text")
        # The device cannot take the job: the scheduler keeps it, and the program has nothing
        # to say about a job the system now holds.
        wait_until("the job held in the queue", queued)
        no_box_for_a_while(app)
        check(queued() and len(jobs()) == before, "the failed job was lost or printed")
    finally:
        tool("lpadmin", "-p", "Tessaly", "-v", uri)
        tool("cupsenable", "Tessaly")
        # The scheduler retries it on its own schedule; the queue is left empty for what follows.
        tool("cancel", "-a", "Tessaly")


if __name__ == "__main__":
    run([a_description_prints_its_header_and_text, a_queue_that_refuses_jobs_is_reported,
         the_paper_version_is_two_printouts,
         on_a_printer_with_a_driver_the_printouts_take_its_paper_and_keep_inside_its_margins,
         without_a_printer_the_printout_goes_into_the_pdf_the_person_names,
         with_no_scheduler_at_all_the_pdf_is_offered, a_scheduler_that_does_not_answer_ends_in_the_failure_box,
         a_stopped_queue_keeps_the_job, a_queue_that_fails_the_job_keeps_it])
