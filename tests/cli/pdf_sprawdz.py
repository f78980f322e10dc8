"""The PDF export read back with poppler's pdftotext -bbox, against the table
the pages should print (TABLE: cells separated by tabs, an empty cell prints
no text). Prints for every page the table rows and columns it holds,

    PAGE n ROWS first-last COLUMNS first-last

and a line starting with ERROR for every fault: a word outside the page, a
text clipped to its cell, a cell's text not found whole on one line of one
page, text of one column running into the next, grid letters or row numbers.
Pages run down first; the first line of a page is its title. Cells of one
line only.
"""
import html
import re
import subprocess
import zlib

PAGE = re.compile(r'<page width="([\d.]+)" height="([\d.]+)">(.*?)</page>', re.S)
WORD = re.compile(r'<word xMin="([\d.-]+)" yMin="([\d.-]+)" xMax="([\d.-]+)" yMax="([\d.-]+)">'
                  r'(.*?)</word>', re.S)


def words_of_pages(path):
    out = subprocess.run(["pdftotext", "-bbox", path, "-"], capture_output=True, check=True,
                         text=True).stdout
    pages = []
    for p in PAGE.finditer(out):
        words = [(html.unescape(m[5]), *map(float, m.groups()[:4])) for m in WORD.finditer(p[3])]
        pages.append((float(p[1]), float(p[2]), words))
    return pages


def lines_of(words):
    """Words grouped into lines by their vertical middle, each left to right."""
    lines = []
    for w in sorted(words, key=lambda w: w[2]):
        middle = (w[2] + w[4]) / 2
        if lines and lines[-1][0] <= middle <= lines[-1][1]:
            lines[-1][2].append(w)
        else:
            lines.append([w[2], w[4], [w]])
    return [sorted(line, key=lambda w: w[1]) for _, _, line in lines]


def clipped_texts(path):
    """Clip paths in the page streams: Qt clips a text to its cell only when
    the text does not fit there."""
    n = 0
    for s in re.finditer(rb"stream\r?\n(.*?)endstream", open(path, "rb").read(), re.S):
        try:
            n += len(re.findall(rb"\bW\*? n\b", zlib.decompress(s[1])))
        except zlib.error:
            pass
    return n


def segment(table, r, a, b):
    return [w for c in range(a, b + 1) for w in table[r][c]]


def match_page(table, lines, start, a, ends):
    """The band end and rows when the page's lines are the next rows of
    columns a..end from row `start` on; None when no end in `ends` fits."""
    for b in ends:
        rows = [r for r in range(start, len(table)) if segment(table, r, a, b)]
        if len(rows) >= len(lines) and \
                all([w[0] for w in line] == segment(table, r, a, b) for line, r in zip(lines, rows)):
            return b, rows[:len(lines)]
    return None


def check(path, table_path):
    table = [[c.split() for c in line.rstrip("\n").split("\t")]
             for line in open(table_path, encoding="utf-8")]
    width = max(len(r) for r in table)
    table = [r + [[]] * (width - len(r)) for r in table]
    if any("\u23ce" in w for r in table for c in r for w in c):
        print("ERROR the table holds a cell of several lines")
    n = clipped_texts(path)
    if n:
        print(f"ERROR {n} texts clipped to their cells")
    printed = {}
    band = None  # (first column, last column, last row) of the page before
    for i, (pw, ph, words) in enumerate(words_of_pages(path), 1):
        for w in words:
            if w[1] < 0 or w[2] < 0 or w[3] > pw or w[4] > ph:
                print(f"ERROR page {i}: {w[0]!r} outside the page")
        lines = lines_of(words)[1:]
        if any([w[0] for w in line[:3]] == ["A", "B", "C"] for line in lines):
            print(f"ERROR page {i}: grid letters")
        firsts = [line[0][0] for line in lines]
        if any(firsts[k:k + 3] == ["1", "2", "3"] for k in range(len(firsts))):
            print(f"ERROR page {i}: row numbers")
        if not lines:
            continue
        found = None
        if band:  # the same columns further down, or the next columns from the top
            found = match_page(table, lines, band[2] + 1, band[0], range(band[1], band[0] - 1, -1))
            found = found and (band[0], *found)
        if not found:
            a = band[1] + 1 if band else 0
            found = match_page(table, lines, 0, a, range(width - 1, a - 1, -1))
            found = found and (a, *found)
        if not found:
            print(f"ERROR page {i}: lines not in the table, the first: "
                  + " ".join(w[0] for w in lines[0]))
            continue
        a, b, rows = found
        band = (a, b, rows[-1])
        print(f"PAGE {i} ROWS {rows[0]}-{rows[-1]} COLUMNS {a}-{b}")
        columns = {}
        for line, r in zip(lines, rows):
            k = 0
            for c in range(a, b + 1):
                cell = line[k:k + len(table[r][c])]
                k += len(cell)
                if cell:
                    if (r, c) in printed:
                        print(f"ERROR cell {r},{c} printed twice")
                    printed[(r, c)] = i
                    x = columns.setdefault(c, [cell[0][1], cell[-1][3]])
                    x[0], x[1] = min(x[0], cell[0][1]), max(x[1], cell[-1][3])
        order = sorted(columns)
        for c, d in zip(order, order[1:]):
            if columns[c][1] > columns[d][0]:
                print(f"ERROR page {i}: column {c} runs into column {d}")
    for r, cells in enumerate(table):
        for c, cell in enumerate(cells):
            if cell and (r, c) not in printed:
                print(f"ERROR cell {r},{c} not printed whole: {' '.join(cell)}")
