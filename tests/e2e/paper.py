"""Reading printed jobs back: the paper of each page, the ink outside what the printer can print
on, and the words; and queues of the kinds the printouts must fit."""

import os
import re
import subprocess
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))

# Papers in millimetres, and margins as left, top, right, bottom.
A4 = (210.0, 297.0)
LETTER = (215.9, 279.4)
LEGAL = (215.9, 355.6)
A5 = (148.0, 210.0)
# What the test driver (keepfile.ppd) cannot print on.
DRIVER_MARGINS = (5.0, 15.0, 10.0, 20.0)
# Where a printer names its paper but not what it reaches on it, the program keeps a quarter of
# an inch from every edge.
SAFE_MARGINS = (6.35,) * 4
POINTS_PER_MM = 72 / 25.4


def common_margins(paper):
    """Where a printer says nothing at all: the part of the page that A4 and Letter have in
    common, centred, a quarter of an inch within it."""
    across = (paper[0] - min(A4[0], LETTER[0])) / 2 + 6.35
    down = (paper[1] - min(A4[1], LETTER[1])) / 2 + 6.35
    return (across, down, across, down)


def in_points(paper):
    """A driver's paper rounded to whole points, as PDF printers describe theirs."""
    return tuple(round(side * POINTS_PER_MM) / POINTS_PER_MM for side in paper)


def ppd(work, whole_points=False):
    """keepfile.ppd; with `whole_points`, as PDF printers describe themselves: paper sizes rounded
    to whole points, no margins at all, and US Letter offered a second time under another name."""
    with open(os.path.join(HERE, "keepfile.ppd")) as f:
        text = f.read()
    if whole_points:
        sizes = {name: [round(float(v)) for v in values.split()]
                 for name, values in re.findall(r'^\*PaperDimension ([^:]+): "([^"]*)"$', text, flags=re.M)}
        text = re.sub(r'^\*(ImageableArea|PaperDimension) ([^:]+): "[^"]*"$',
                      lambda m: f'*{m[1]} {m[2]}: "{"0 0 " if m[1] == "ImageableArea" else ""}'
                                f'{sizes[m[2]][0]} {sizes[m[2]][1]}"', text, flags=re.M)
        text = re.sub(r'^(\*(PageSize|PageRegion|ImageableArea|PaperDimension) )Letter/US Letter(: .*)$',
                      r'\g<0>\n\1AnsiA/ANSI A\3', text, flags=re.M)
    path = os.path.join(work, f"keepfile{'-whole' if whole_points else ''}.ppd")
    with open(path, "w") as f:
        f.write(text)
    return path


def page_sizes(pdf):
    """Each page's paper in points."""
    out = subprocess.run(["pdfinfo", "-f", "1", "-l", "1000", pdf], capture_output=True, text=True,
                         check=True).stdout
    return [(float(w), float(h)) for w, h in re.findall(r"Page +\d+ size: +([0-9.]+) x ([0-9.]+) pts", out)]


def words(pdf):
    """The words in the order they were drawn (pdftotext's reading order moves a column of bullets)."""
    return subprocess.run(["pdftotext", "-raw", pdf, "-"], capture_output=True, text=True, check=True).stdout.split()


def text_lines(pdf):
    """The lines of text in the order they were drawn."""
    return subprocess.run(["pdftotext", "-raw", pdf, "-"], capture_output=True, text=True,
                          check=True).stdout.replace("\f", "\n").splitlines()


def rendered(pdf, dpi, directory):
    """The pages drawn in grey: (width, height, rows of bytes) each."""
    stem = os.path.join(directory, "page")
    subprocess.run(["pdftoppm", "-gray", "-r", str(dpi), pdf, stem], check=True)
    pages = []
    for name in sorted(n for n in os.listdir(directory) if n.startswith("page-")):
        with open(os.path.join(directory, name), "rb") as f:
            data = f.read()
        os.remove(os.path.join(directory, name))
        magic, width, height, depth, pixels = data.split(maxsplit=4)
        assert magic == b"P5" and depth == b"255", name
        width, height = int(width), int(height)
        pages.append((width, height, [pixels[y * width:(y + 1) * width] for y in range(height)]))
    return pages


def ink_outside(pdf, margins, dpi=50):
    """Where a page has ink in its margins, as (page, x, y) of the first such pixel on it; a
    pixel on the edge of the printable area may be shaded by what is drawn inside."""
    to_pixels = dpi / 25.4
    left, top, right, bottom = (m * to_pixels - 1 for m in margins)
    found = []
    with tempfile.TemporaryDirectory() as directory:
        for number, (width, height, rows) in enumerate(rendered(pdf, dpi, directory), 1):
            inside_x = (int(left), width - int(right))
            for y, row in enumerate(rows):
                if y + 1 <= top or y >= height - bottom:
                    spans = [(0, width)]
                else:
                    spans = [(0, inside_x[0]), (inside_x[1], width)]
                dark = [(x0 + i) for x0, x1 in spans if x1 > x0 for i, v in enumerate(row[x0:x1]) if v < 250]
                if dark:
                    found.append((number, dark[0], y))
                    break
    return found


def check_job(pdf, paper, margins):
    """What is wrong with one kept job for a queue with this paper and these margins, if anything."""
    faults = []
    expected = tuple(round(side * POINTS_PER_MM, 1) for side in paper)
    sizes = page_sizes(pdf)
    if not sizes or any(abs(w - expected[0]) > 0.5 or abs(h - expected[1]) > 0.5 for w, h in sizes):
        faults.append(f"pages {sizes}, not {expected}")
    inked = ink_outside(pdf, margins)
    if inked:
        faults.append(f"ink outside the printable area at (page, x, y) {inked}")
    return faults
