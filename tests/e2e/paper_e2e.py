"""Each printout on the paper of the default printer, inside what that printer can print on,
and every printed line whole: for printers with a driver (A4 and US Letter by default, and one
that describes itself as PDF printers do), for raw queues that name their paper and one that
does not, under the locales of a person in the US, in Britain, in Germany and of none.

  paper_e2e.py PRINT_ON_DEFAULT   (under private_cups.sh; PAPER_JOBS=DIR keeps the jobs there)"""

import glob
import os
import shutil
import subprocess
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor

from paper import A4, DRIVER_MARGINS, HERE, LETTER, SAFE_MARGINS, check_job, ppd, words
from scaffold import tool, wait_until

PROGRAM = sys.argv[1]
JOBS = os.environ["PRINTED_JOBS"]
NAME = "Annabel Marguerite Konstantina von Featherstonehaugh-Cholmondeley of Wolverhampton Green"
DESCRIPTION = os.path.join(HERE, "..", "..", "content", "descriptions", "redyellow.print.txt")
LOCALES = ["C.UTF-8", "en_US.UTF-8", "en_GB.UTF-8", "de_DE.UTF-8"]


def kept_jobs():
    return sorted(glob.glob(os.path.join(JOBS, "job-*.pdf")), key=lambda f: int(f.rsplit("-", 1)[1][:-4]))


def print_all(queue, locale, home):
    """The program's printouts on `queue` as the default printer: their kept jobs."""
    tool("lpadmin", "-d", queue)
    before = len(kept_jobs())
    environment = {k: v for k, v in os.environ.items() if not k.startswith("LC_")}
    environment.update(LANG=locale, HOME=home, QT_QPA_PLATFORM="offscreen")
    subprocess.run([PROGRAM, NAME], env=environment, check=True, timeout=60)

    def printed():
        idle = tool("lpstat", "-o").strip() == ""
        return kept_jobs()[before:] if idle and len(kept_jobs()) == before + 4 else None
    return wait_until(f"the four jobs on {queue} under {locale}", printed, timeout=30)


def faults_of(queue, locale, paper, margins, home):
    values, description, answer_sheet, graph_sheet = print_all(queue, locale, home)
    keep = os.environ.get("PAPER_JOBS")
    if keep:
        for kind, job in (("values", values), ("description", description), ("answers", answer_sheet),
                          ("graph", graph_sheet)):
            shutil.copy(job, os.path.join(keep, f"{len(os.listdir(keep)):03}-{queue}-{locale}-{kind}.pdf"))
    faults = []
    jobs = (values, description, answer_sheet, graph_sheet)
    with ThreadPoolExecutor() as pool:
        for job, found in zip(jobs, pool.map(lambda job: check_job(job, paper, margins), jobs)):
            faults += [f"{os.path.basename(job)}: {fault}" for fault in found]
    expected = f"START to Understand {NAME} Your Red Value is: 10 Your Yellow Value is: 5 " \
               "Your Blue Value is: 3 Your Green Value is: 2".split()
    if words(values) != expected:
        faults.append(f"values printout reads {' '.join(words(values))}")
    with open(DESCRIPTION, encoding="utf-8") as f:
        if words(description) != f.read().split():
            faults.append(f"description reads {' '.join(words(description))[:300]}...")
    return [f"{queue} under {locale}: {fault}" for fault in faults]


def main():
    work = tempfile.mkdtemp()
    home = os.path.join(work, "home")
    os.makedirs(os.path.join(home, ".cups"))
    device = f"keepfile:{JOBS}"
    faults = []
    queues = [("DriverA4", ["-P", ppd(work)], A4, DRIVER_MARGINS),
              ("DriverLetter", ["-P", ppd(work, "Letter")], LETTER, DRIVER_MARGINS),
              ("PdfPrinter", ["-P", ppd(work, whole_points=True)], A4, (0, 0, 0, 0)),
              ("Raw", ["-m", "raw"], None, SAFE_MARGINS)]
    # A queue given its paper by hand makes the scheduler tell every queue's default paper
    # to the programs that ask: the others are looked at before there is one.
    named = [("RawA4", ["-m", "raw", "-o", "media-default=iso_a4_210x297mm"], A4, SAFE_MARGINS),
             ("RawLetter", ["-m", "raw", "-o", "media-default=na_letter_8.5x11in"], LETTER, SAFE_MARGINS)]
    try:
        for group in (queues, named):
            for queue, how, _, _ in group:
                tool("lpadmin", "-p", queue, "-E", "-v", device, *how)
            for locale in LOCALES:
                for queue, _, paper, margins in group:
                    # A queue that says nothing of its paper gets the paper of the person's country.
                    local = LETTER if locale.startswith("en_US") else A4
                    faults += faults_of(queue, locale, paper or local, margins, home)
        # The person's own choice of paper for a queue goes before the queue's default.
        with open(os.path.join(home, ".cups", "lpoptions"), "w") as f:
            f.write("Dest DriverA4 media=na_letter_8.5x11in\n")
        faults += faults_of("DriverA4", "de_DE.UTF-8", LETTER, DRIVER_MARGINS, home)
    finally:
        shutil.rmtree(work)
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
