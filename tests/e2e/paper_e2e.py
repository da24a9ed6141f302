"""Each printout on the paper of the default printer, inside what that printer can print on,
and every printed line as written, for queues set up as administrators set them up: printers
with a driver, with margins and without (as PDF printers describe themselves), their paper set
with `lpadmin -o PageSize=` to A4, US Letter, US Legal and A5; raw queues that name their paper
in either way and one that names none; and a person's own choice of paper in lpoptions. Each
under the locales of a person in the US, in Britain, in Germany and of none.

  paper_e2e.py PRINT_ON_DEFAULT   (under private_cups.sh; PAPER_JOBS=DIR keeps the jobs there)

Prints one line per job: queue, how its paper was set, locale, the page sent, and the words
printed against the words of the text it was printed from."""

import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor

from paper import (A4, A5, DRIVER_MARGINS, HERE, LEGAL, LETTER, POINTS_PER_MM, SAFE_MARGINS, check_job,
                   common_margins, in_points, page_sizes, ppd, text_lines)
from scaffold import tool, wait_until

PROGRAM = sys.argv[1]
JOBS = os.environ["PRINTED_JOBS"]
NAME = "Annabel Marguerite Konstantina von Featherstonehaugh-Cholmondeley of Wolverhampton Green"
DESCRIPTION = os.path.join(HERE, "..", "..", "content", "descriptions", "redyellow.print.txt")
LOCALES = ["C.UTF-8", "en_US.UTF-8", "en_GB.UTF-8", "de_DE.UTF-8"]
SIZES = {"A4": A4, "Letter": LETTER, "Legal": LEGAL, "A5": A5}
MEDIA_NAMES = {"a4": A4, "a5": A5, "letter": LETTER, "legal": LEGAL}


class Queue:
    def __init__(self, name, how, lpadmin, paper, margins, lpoptions=None):
        self.name, self.how, self.lpadmin, self.lpoptions = name, how, lpadmin, lpoptions
        # The paper the queue prints on, and what it cannot print on; None: the person's country's.
        self.paper, self.margins = paper, margins


def queues(work):
    found = []
    for whole, kind, margins in ((False, "Margins", DRIVER_MARGINS), (True, "Edge", (0, 0, 0, 0))):
        for size, paper in SIZES.items():
            found.append(Queue(f"{kind}{size}", f"PPD, PageSize={size}", [["-P", ppd(work, whole)], ["-o", f"PageSize={size}"]],
                               in_points(paper) if whole else paper, margins))
    for media, paper in (("iso_a4_210x297mm", A4), ("na_letter_8.5x11in", LETTER), ("A5", A5)):
        found.append(Queue(f"Raw{media.split('_')[-1].replace('.', '')}", f"raw, media-default={media}",
                           [["-m", "raw", "-o", f"media-default={media}"]], paper, SAFE_MARGINS))
    found.append(Queue("RawNothing", "raw, nothing said", [["-m", "raw"]], None, None))
    found.append(Queue("ChosenLetter", "PPD A4, lpoptions media=na_letter_8.5x11in", [["-P", ppd(work)]], LETTER,
                       DRIVER_MARGINS, "na_letter_8.5x11in"))
    found.append(Queue("ChosenA5", "raw, lpoptions media=A5", [["-m", "raw"]], A5, SAFE_MARGINS, "A5"))
    return found


def media_size(name):
    """The paper a job's media option names, in millimetres."""
    size = re.search(r"_(\d+(?:\.\d+)?)x(\d+(?:\.\d+)?)(mm|in)(?:_|$)", name)
    if size:
        per = 25.4 if size[3] == "in" else 1
        return (float(size[1]) * per, float(size[2]) * per)
    return MEDIA_NAMES.get(name.lower())


def print_all(queue, locale, home):
    """The program's printouts on `queue` as the person's default printer: its four kept jobs,
    each with the options it was sent with."""
    folder = os.path.join(JOBS, queue.name)
    before = set(glob.glob(os.path.join(folder, "job-*.pdf")))
    environment = {k: v for k, v in os.environ.items() if not k.startswith("LC_")}
    environment.update(LANG=locale, HOME=home, PRINTER=queue.name, QT_QPA_PLATFORM="offscreen")
    subprocess.run([PROGRAM, NAME], env=environment, check=True, timeout=120)

    def printed():
        kept = sorted(set(glob.glob(os.path.join(folder, "job-*.pdf"))) - before,
                      key=lambda f: int(f.rsplit("-", 1)[1][:-4]))
        whole = len(kept) == 4 and all(os.path.exists(job[:-4] + ".options") for job in kept)
        return kept if whole else None
    return wait_until(f"the four jobs on {queue.name} under {locale}", printed, timeout=60)


def line_faults(printed, source):
    """How the printed lines depart from the lines of the source: each must be its line as
    written, or, where even the smallest text is too wide, the start of it up to an ellipsis."""
    wanted = [" ".join(line.split()) for line in source if line.strip()]
    got = [" ".join(line.split()) for line in printed if line.strip()]
    if len(got) != len(wanted):
        return [f"{len(got)} lines printed for {len(wanted)}: {got[:60]}"]
    faults = []
    for have, want in zip(got, wanted):
        cut = have.endswith("\u2026") and want.startswith(have[:-1]) and len(have) > 20
        if have != want and not cut:
            faults.append(f"printed {have!r} for {want!r}")
    return faults


def faults_of(queue, locale, home, report):
    local = LETTER if locale.startswith("en_US") else A4
    paper = queue.paper or local
    margins = queue.margins or common_margins(local)
    values, description, answer_sheet, graph_sheet = print_all(queue, locale, home)
    keep = os.environ.get("PAPER_JOBS")
    if keep:
        for kind, job in (("values", values), ("description", description), ("answers", answer_sheet),
                          ("graph", graph_sheet)):
            shutil.copy(job, os.path.join(keep, f"{queue.name}-{locale}-{kind}.pdf"))
    faults = []
    jobs = (values, description, answer_sheet, graph_sheet)
    with ThreadPoolExecutor() as pool:
        for job, found in zip(jobs, pool.map(lambda job: check_job(job, paper, margins), jobs)):
            faults += [f"{os.path.basename(job)}: {fault}" for fault in found]
    for job in jobs:
        with open(job[:-4] + ".options", encoding="utf-8") as f:
            options = dict(o.split("=", 1) for o in f.read().split() if "=" in o)
        asked = media_size(options.get("media", ""))
        if not asked or any(abs(a - b) > 0.5 for a, b in zip(asked, paper)):
            faults.append(f"{os.path.basename(job)} was sent asking for media {options.get('media')!r}")
    with open(DESCRIPTION, encoding="utf-8") as f:
        source = f.read().splitlines()
    printed_values, printed_description = text_lines(values), text_lines(description)
    faults += [f"values: {fault}" for fault in line_faults(printed_values, [
        f"START to Understand {NAME}", "Your Red Value is: 10", "Your Yellow Value is: 5",
        "Your Blue Value is: 3", "Your Green Value is: 2"])]
    faults += [f"description: {fault}" for fault in line_faults(printed_description, source)]
    sent = page_sizes(description)[0]
    report.append(f"{queue.name:13} {queue.how:44} {locale:12} {sent[0]:6.1f} x {sent[1]:6.1f} pt  "
                  f"{sum(len(line.split()) for line in printed_description)} of "
                  f"{sum(len(line.split()) for line in source)} words")
    return [f"{queue.name} under {locale}: {fault}" for fault in faults]


def main():
    work = tempfile.mkdtemp()
    home = os.path.join(work, "home")
    os.makedirs(os.path.join(home, ".cups"))
    faults, report = [], []
    try:
        all_queues = queues(work)
        with open(os.path.join(home, ".cups", "lpoptions"), "w") as f:
            for queue in all_queues:
                if queue.lpoptions:
                    f.write(f"Dest {queue.name} media={queue.lpoptions}\n")
        for queue in all_queues:
            folder = os.path.join(JOBS, queue.name)
            os.makedirs(folder)
            os.chmod(folder, 0o777)
            tool("lpadmin", "-p", queue.name, "-E", "-v", f"keepfile:{folder}", *queue.lpadmin[0])
            for more in queue.lpadmin[1:]:
                tool("lpadmin", "-p", queue.name, *more)
        # The queues print side by side, each its locales in turn.
        def each_queue(queue):
            found, lines = [], []
            for locale in LOCALES:
                found += faults_of(queue, locale, home, lines)
            return found, lines
        with ThreadPoolExecutor(max_workers=2) as pool:
            for found, lines in pool.map(each_queue, all_queues):
                faults += found
                report += lines
    finally:
        shutil.rmtree(work)
    print("\n".join(report))
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
