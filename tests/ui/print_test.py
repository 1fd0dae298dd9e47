#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Copyright 2026 The Zifrel developers
"""Prints new puzzles to a PDF as `zifrel --print-pdf` does, without a
display, and reads the pages back: pdftotext for each puzzle's level and
seed, pdftoppm's picture for the cells that hold a digit, and pdftotext's
words for the digits themselves, against the puzzle that
`zifrel-batch --generate 1 --level L --seed S` makes and its solution.

   print_test.py ZIFREL ZIFREL-BATCH
"""
import os
import re
import subprocess
import sys
import tempfile

zifrel, batch = sys.argv[1:3]
DPI = 60
failures = []


def check(holds, what):
    if not holds:
        failures.append(what)
        print("FAIL:", what, file=sys.stderr)


def run(*command, stdin=""):
    return subprocess.run(command, input=stdin, capture_output=True, text=True, check=True).stdout


def raster(pdf, page, work):
    """The page as rows of grey levels, from a binary PGM."""
    base = os.path.join(work, "page")
    run("pdftoppm", "-gray", "-r", str(DPI), "-f", str(page), "-l", str(page), pdf, base)
    name = next(os.path.join(work, n) for n in os.listdir(work) if n.startswith("page") and n.endswith(".pgm"))
    data = open(name, "rb").read()
    os.remove(name)
    _, width, height, _, pixels = re.match(rb"(P5)\s+(\d+)\s+(\d+)\s+(\d+)\s(.*)", data, re.S).groups()
    width, height = int(width), int(height)
    return [pixels[y * width:(y + 1) * width] for y in range(height)]


def grid_above(rows, caption):
    """The board square (left, top, side in pixels) just above a caption."""
    x = int((caption[0] + caption[2]) / 2 * DPI / 72)
    y = int(caption[1] * DPI / 72) - 1
    while y > 0 and rows[y][x] > 128:
        y -= 1
    left, right = x, x
    while left > 0 and rows[y][left - 1] <= 128:
        left -= 1
    while right + 1 < len(rows[y]) and rows[y][right + 1] <= 128:
        right += 1
    return left, y - (right - left), right - left


def cells_read(rows, words, grid):
    """Each cell's digit as the words say, 0 where the picture has no ink."""
    left, top, side = grid
    cell = side / 9
    read = [0] * 81
    for (x0, y0, x1, y1), text in words:
        cx, cy = (x0 + x1) / 2 * DPI / 72 - left, (y0 + y1) / 2 * DPI / 72 - top
        if len(text) == 1 and text.isdigit() and 0 <= cx < side and 0 <= cy < side:
            read[int(cy // cell) * 9 + int(cx // cell)] = int(text)
    for i in range(81):
        x, y = left + i % 9 * cell, top + i // 9 * cell
        inked = any(min(rows[r][int(x + cell * 0.2):int(x + cell * 0.8)]) < 128
                    for r in range(int(y + cell * 0.2), int(y + cell * 0.8)))
        check(inked == (read[i] != 0), f"cell {i}: ink {inked}, digit {read[i]}")
    return "".join(str(d) for d in read)


def pages(pdf):
    """Per page, the words with their boxes in points, as pdftotext places them."""
    html = run("pdftotext", "-bbox", pdf, "-")
    found = []
    for page in html.split("<page")[1:]:
        found.append([((float(a), float(b), float(c), float(d)), w) for a, b, c, d, w in re.findall(
            r'xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<', page)])
    return found


with tempfile.TemporaryDirectory() as work:
    pdf = os.path.join(work, "puzzles.pdf")
    done = subprocess.run([zifrel, "--print-pdf", pdf, "--level", "2", "--count", "5", "--per-page", "4",
                           "--seed", "777"], env={k: v for k, v in os.environ.items() if k != "DISPLAY"})
    check(done.returncode == 0, "zifrel --print-pdf exits 0 without a display")
    words = pages(pdf)
    check(len(words) == 3, f"two pages of puzzles and one of solutions, not {len(words)}")
    captions = {}
    for number, page in enumerate(words, 1):
        line = [w for w in page]
        for i, (box, text) in enumerate(line):
            if text in ("Puzzle", "Solution"):
                caption = " ".join(t for _, t in line[i:i + 10 if text == "Puzzle" else i + 4])
                last = line[i + (9 if text == "Puzzle" else 3)][0]
                captions[caption] = (number, (box[0], box[1], last[2], box[3]))
    for k in range(5):
        seed = 777 + k
        puzzle = run(batch, "--generate", "1", "--level", "2", "--seed", str(seed)).strip().replace(".", "0")
        solution = run(batch, stdin=puzzle + "\n").strip()
        for caption, expected in ((f"Puzzle {k + 1}, level 2, Box and Line (pointing), seed {seed}", puzzle),
                                  (f"Solution of puzzle {k + 1}", solution)):
            check(caption in captions, f"the caption '{caption}' is printed")
            if caption in captions:
                page, box = captions[caption]
                rows = raster(pdf, page, work)
                check(cells_read(rows, words[page - 1], grid_above(rows, box)) == expected,
                      f"{caption}: the cells printed are {expected}")
    for bad, message in ((["--per-page", "3"], "--per-page takes 1, 2, 4 or 6, not '3'"),
                         (["--count", "0"], "--count takes a number of puzzles from 1 to 100, not '0'")):
        refused = subprocess.run([zifrel, "--print-pdf", pdf] + bad, capture_output=True, text=True)
        check(refused.returncode == 2 and refused.stderr == f"zifrel: {message}\n", f"{bad} is refused")

print("print_test:", "all checks passed" if not failures else f"{len(failures)} failed")
sys.exit(1 if failures else 0)
