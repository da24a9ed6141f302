"""Printing from tessaly.exe under Wine, for real: the program draws each page on the printer's
device context, the line printouts as text and shapes and the rest as pictures, and Wine's
spooler, whose PostScript driver sends it to the default printer of a private CUPS server
(tests/e2e/private_cups.sh), a queue that keeps every job as a file. The words of a job are read
back with ghostscript's ps2pdf and poppler's pdftotext, as from a PDF printer.

    private_cups.sh python3 wine_printing_e2e.py TESSALY_EXE
"""

import base64
import glob
import os
import re
import shutil
import signal
import subprocess
import tempfile

from scaffold import artifacts, tool
from wine_e2e import (DESCRIPTION, GRAPH, INTRO, INTRO_SIZE, STEP, TITLE, answer_yes, check, click_control, keys,
                      leave_splash, px, run, screen_of, screenshot, the_worked_example, wait_until, windows, xdo)

JOBS = os.environ.get("PRINTED_JOBS", "")
CHOOSER = (7470, 5280)


def jobs():
    return sorted(glob.glob(os.path.join(JOBS, "job-*.pdf")), key=lambda f: int(re.search(r"job-(\d+)", f).group(1)))


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


HERE = os.path.dirname(os.path.abspath(__file__))


def as_pdf(job, folder):
    """The job, a PostScript document, as the PDF a PDF printer would make of it; a copy is kept
    among the artefacts, to be looked at."""
    pdf = os.path.join(folder, os.path.basename(job) + ".converted.pdf")
    tool("ps2pdf", job, pdf)
    os.makedirs(artifacts(), exist_ok=True)
    shutil.copy(pdf, os.path.join(artifacts(), f"{title_of(job)}.pdf".replace("/", "-")))
    return pdf


def printed_words(job):
    with tempfile.TemporaryDirectory() as folder:
        return tool("pdftotext", "-raw", as_pdf(job, folder), "-").split()


def each_print_text_is_a_job_of_its_own_in_words(program):
    description = red_blue()
    before = len(jobs())
    print_text(description)
    print_text(description)
    with open(os.path.join(HERE, "..", "..", "content", "descriptions", "redblue.print.txt"), encoding="utf-8") as f:
        expected = f.read().split()
    for job in new_jobs(before, 2):
        check(document(job).startswith("%!PS"), f"{job} is not PostScript")
        check(title_of(job) == "Red/Blue - The Directing Relater", f"{job} is titled {title_of(job)!r}")
        # Printed as text: every word, in order, read back from the job.
        words = printed_words(job)
        check(words == expected, f"{job} reads {' '.join(words)[:400]}")


def the_values_printout_is_text_with_the_chart_in_its_proportions(program):
    strength = the_worked_example()
    before = len(jobs())
    click_control(strength, GRAPH, 5280, 5880, 1455, 735)  # Print your Values
    (job,) = new_jobs(before, 1)
    words = printed_words(job)
    expected = "START to Understand Ann Your Red Value is: 20 Your Yellow Value is: 27 " \
               "Your Blue Value is: 3 Your Green Value is: 16".split()
    check(words == expected, f"the values printout reads {' '.join(words)}")
    # The chart's sectors, filled shapes on the page: each colour's share of the circle is its
    # value's share of the four, 20, 27, 3 and 16.
    with tempfile.TemporaryDirectory() as folder:
        tool("pdftoppm", "-r", "100", "-f", "1", "-l", "1", "-png", as_pdf(job, folder), os.path.join(folder, "page"))
        tool("convert", os.path.join(folder, "page-1.png"), "-depth", "8", os.path.join(folder, "page.rgb"))
        with open(os.path.join(folder, "page.rgb"), "rb") as f:
            rgb = f.read()
    counts = {colour: 0 for colour in ((255, 0, 0), (255, 255, 0), (0, 0, 255), (0, 255, 0))}
    for i in range(0, len(rgb) - 2, 3):
        pixel = (rgb[i], rgb[i + 1], rgb[i + 2])
        if pixel in counts:
            counts[pixel] += 1
    total = sum(counts.values())
    shares = [count / total for count in counts.values()] if total else []
    expected_shares = [value / 66 for value in (20, 27, 3, 16)]
    check(total > 10000 and all(abs(a - b) < 0.02 for a, b in zip(shares, expected_shares)),
          f"the chart's colours in the shares {shares} of {total} pixels, not {expected_shares}")


def run_length_decoded(data):
    """PostScript's RunLengthDecode."""
    out, at = bytearray(), 0
    while at < len(data) and data[at] != 128:
        n = data[at]
        if n < 128:
            out += data[at + 1:at + n + 2]
            at += n + 2
        else:
            out += data[at + 1:at + 2] * (257 - n)
            at += 2
    return bytes(out)


def pictures(job):
    """The pictures the driver put on the job's pages: (width, height, RGB bytes)."""
    found = re.finditer(r"/ImageMatrix \[(\d+) 0 0 (\d+) 0 0\].*?/ASCII85Decode filter /RunLengthDecode filter\s*>>\s*"
                        r"image\s*(.*?)~>", document(job), re.S)
    return [(int(m.group(1)), int(m.group(2)),
             run_length_decoded(base64.a85decode(re.sub(r"\s", "", m.group(3)).encode(), adobe=False)))
            for m in found]


def the_paper_sheets_reach_the_printer_whole(program):
    intro = instructions()
    before = len(jobs())
    click_control(intro, INTRO_SIZE, 5880, 720, 975, 735)  # Print Manual Tessaly
    answer, graph = new_jobs(before, 2)
    check((title_of(answer), title_of(graph)) == ("Manual Quiz", "mangraph"),
          f"titled {title_of(answer)!r}, {title_of(graph)!r}")
    # Each sheet is one page, one picture of the printable area, stretched over it by the driver
    # (whose device is 300 dpi, as the picture is).
    for job in (answer, graph):
        areas = re.findall(r"^(\d+) (\d+) scale$", document(job), re.MULTILINE)
        [(width, height, rgb)] = pictures(job)
        check(len(areas) == 1 and all(abs(a - b) < 4 for a, b in zip(map(int, areas[0]), (width, height))),
              f"{title_of(job)}: a picture of {width}x{height} over {areas}")
        check(len(rgb) == width * height * 3, f"{title_of(job)}: {len(rgb)} bytes of picture for {width}x{height}")
        check(rgb.count(0) > width, f"{title_of(job)}: nothing drawn")


def the_failure_box():
    box = wait_until("the print failure box", lambda: next(
        (w for w in windows() if w.title == TITLE and w.height < 200), None))
    screenshot("print-failure")
    keys(box, "Return")


def a_queue_that_refuses_jobs_is_reported(program):
    description = red_blue()
    before = len(jobs())
    tool("cupsreject", "Tessaly")
    try:
        print_text(description)
        the_failure_box()
        check(len(jobs()) == before, f"a refused job was printed: {jobs()[before:]}")
    finally:
        tool("cupsaccept", "Tessaly")


def a_printer_removed_after_the_first_print_is_reported(program):
    description = red_blue()
    before = len(jobs())
    print_text(description)
    new_jobs(before, 1)
    remove_the_printer()
    try:
        print_text(description)
        the_failure_box()
    finally:
        put_the_printer_back()


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
        put_the_printer_back()


def exit_ends_the_program_while_a_silent_print_system_holds_a_printout(program):
    description = red_blue()
    before = len(jobs())
    print_text(description)
    new_jobs(before, 1)
    # The scheduler stops answering: the next printout's worker waits inside Wine's spooler,
    # which does not come back.
    scheduler = int(subprocess.run(["pgrep", "-f", os.path.join(os.path.dirname(os.environ["CUPS_SERVER"]),
                                                                "cupsd.conf")],
                                   capture_output=True, text=True, check=True).stdout.split()[0])
    os.kill(scheduler, signal.SIGSTOP)
    try:
        print_text(description)
        # Exit stands on the menu bar right after the File menu.
        keys(description, "alt", "Right", "Return")
        answer_yes()
        # A few seconds for the printout to reach the print system whole, as many again for its
        # worker, then the program ends without it.
        check(program.ended(timeout=30), "the program did not end with code 0")
    finally:
        os.kill(scheduler, signal.SIGCONT)


QUEUE_URI = []


def remove_the_printer():
    QUEUE_URI.append(tool("lpstat", "-v", "Tessaly").split(": ", 1)[1].strip())
    tool("lpadmin", "-x", "Tessaly")


def put_the_printer_back():
    tool("lpadmin", "-p", "Tessaly", "-E", "-v", QUEUE_URI.pop(), "-m", "raw")
    tool("lpadmin", "-d", "Tessaly")


without_a_printer_the_paper_version_goes_into_the_chosen_pdf.before = remove_the_printer


if __name__ == "__main__":
    if not JOBS:
        raise SystemExit("run under tests/e2e/private_cups.sh")
    run([each_print_text_is_a_job_of_its_own_in_words, the_values_printout_is_text_with_the_chart_in_its_proportions,
         the_paper_sheets_reach_the_printer_whole,
         a_queue_that_refuses_jobs_is_reported, a_printer_removed_after_the_first_print_is_reported,
         without_a_printer_the_paper_version_goes_into_the_chosen_pdf,
         exit_ends_the_program_while_a_silent_print_system_holds_a_printout])
