#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The reference pages the menu opens: well-formed, named and sourced, and their numbers agree.

Usage: reference_documents_test.py DATA-DIR

Every figure on the pages comes from a named source or from a formula the page states; this
checks the formulas against the printed digits, the order and plausibility of the sourced
columns, and that the pages are documents a browser and a printer can take. The data the
program reads or compiles in says the same as the pages: the lamination series of
laminations.csv, and the wire tables of calc/enamelled_wire.cpp beside DATA-DIR.
"""
import math
import re
import sys
from html.parser import HTMLParser
from pathlib import Path

VOID = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta", "source",
        "track", "wbr"}

# Page, the cell classes of its data rows in column order, and the fewest rows it must have.
# The core page has no sourced sizes yet, so it may have none; any row it gets is checked.
PAGES = {
    "wiresize.htm": (("d", "s", "i"), 81),
    "wiretype.htm": (("d", "g1", "g2"), 61),
    "dimensions.htm": (("name", "tongue", "width", "height", "square", "stack15", "window"), 0),
}


class Page(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.open = []
        self.errors = []
        self.doctype = ""
        self.lang = None
        self.charset = None
        self.title = ""
        self.styles = []
        self.text = []
        self.theads = 0
        self.rows = []          # [{class: text}] for rows that have classed cells
        self._cell = None

    def handle_decl(self, decl):
        self.doctype = decl

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "html":
            self.lang = attrs.get("lang")
        if tag == "meta" and "charset" in attrs:
            self.charset = attrs["charset"].lower()
        if tag == "thead":
            self.theads += 1
        if tag == "style":
            self.styles.append("")
        if tag == "tr":
            self.rows.append({})
        if tag == "td" and attrs.get("class") and self.rows:
            self._cell = attrs["class"]
            self.rows[-1][self._cell] = ""
        if tag not in VOID:
            self.open.append(tag)

    def handle_startendtag(self, tag, attrs):
        if tag not in VOID:
            self.errors.append(f"<{tag}/> is not a void element")

    def handle_endtag(self, tag):
        if tag in VOID:
            self.errors.append(f"</{tag}> closes a void element")
        elif not self.open or self.open[-1] != tag:
            self.errors.append(f"</{tag}> closes <{self.open[-1] if self.open else 'nothing'}>")
        else:
            self.open.pop()
        if tag == "td":
            self._cell = None

    def handle_data(self, data):
        where = self.open[-1] if self.open else ""
        if where == "title":
            self.title += data
        elif where == "style":
            self.styles[-1] += data
        self.text.append(data)
        if self._cell is not None:
            self.rows[-1][self._cell] += data

    def unknown_decl(self, data):
        self.errors.append(f"unknown declaration {data!r}")


def parse(path):
    page = Page()
    page.feed(path.read_bytes().decode("utf-8"))
    page.close()
    if page.open:
        page.errors.append("left open: " + " ".join(page.open))
    return page


def number(text):
    """The printed value and the half unit of its last printed digit."""
    text = text.strip().replace(",", ".")
    value = float(text)
    decimals = len(text.split(".")[1]) if "." in text else 0
    return value, 0.5 * 10.0 ** -decimals


def agrees(printed, exact):
    value, half = number(printed)
    return abs(value - exact) <= half * (1 + 1e-9)


def wire_size_row(row):
    d, _ = number(row["d"])
    section = math.pi * d * d / 4
    faults = []
    if not agrees(row["s"], section):
        faults.append(f"section {row['s']} is not pi*d^2/4 = {section:.6g}")
    if not agrees(row["i"], 2 * section):
        faults.append(f"current {row['i']} is not 2 A/mm2 x section = {2 * section:.6g}")
    return faults


def wire_type_row(row):
    d, g1, g2 = (number(row[c])[0] for c in ("d", "g1", "g2"))
    return [] if d < g1 < g2 else [f"overall diameters {row['g1']}, {row['g2']} for {row['d']} "
                                   "are not nominal < grade 1 < grade 2"]


def dimensions_row(row):
    v = {c: number(row[c])[0] for c in ("tongue", "width", "height")}
    faults = []
    if not agrees(row["square"], v["tongue"] ** 2):
        faults.append(f"{row['name']}: section {row['square']} is not tongue x tongue")
    if not agrees(row["stack15"], 1.5 * v["tongue"] ** 2):
        faults.append(f"{row['name']}: section {row['stack15']} is not tongue x 1.5 tongues")
    if not agrees(row["window"], v["width"] * v["height"]):
        faults.append(f"{row['name']}: window {row['window']} is not width x height")
    return faults


def lamination_file(path):
    """The (name, tongue, width, height) lines of laminations.csv, as the program reads them."""
    rows = []
    for line in path.read_text(encoding="utf-8").splitlines():
        if line and not line.startswith("#"):
            name, *sizes = line.split(";")
            rows.append((name, *map(float, sizes)))
    return rows


def code_table(source, name):
    """The rows of a constexpr array of calc/enamelled_wire.cpp, as tuples of numbers."""
    body = re.search(name + r"[^{]*\{(.*?)\}\)?;", source, re.S).group(1)
    rows = re.findall(r"\{([^{}]*)\}", body) or [body]
    return [tuple(float(x) for x in r.split(",") if x.strip()) for r in rows]


ROW_CHECKS = {"wiresize.htm": wire_size_row, "wiretype.htm": wire_type_row,
              "dimensions.htm": dimensions_row}


def main():
    if len(sys.argv) != 2:
        print("usage: reference_documents_test.py DATA-DIR")
        return 2
    data = Path(sys.argv[1])
    results = []

    def check(name, faults):
        results.append((name, faults))

    diameters = {}
    tables = {}
    for name, (columns, fewest) in PAGES.items():
        path = data / name
        if not path.is_file():
            check(f"{name}: exists", [f"no file {path}"])
            continue
        page = parse(path)
        text = "".join(page.text)
        check(f"{name}: every element closed in order", page.errors)
        check(f"{name}: HTML5 in Russian, UTF-8",
              [] if (page.doctype.lower() == "doctype html" and page.lang == "ru"
                     and page.charset == "utf-8") else
              [f"doctype {page.doctype!r}, lang {page.lang!r}, charset {page.charset!r}"])
        check(f"{name}: has a title", [] if page.title.strip() else ["empty or missing <title>"])
        check(f"{name}: one style that sets A4 pages",
              [] if len(page.styles) == 1 and "size: A4" in page.styles[0] else
              [f"{len(page.styles)} <style> elements, or no '@page {{ size: A4 }}'"])
        check(f"{name}: names its source",
              [] if any("Источник" in line for line in text.splitlines()) else
              ["no line with 'Источник'"])

        rows = [r for r in page.rows if r]
        malformed = [r for r in rows if set(r) != set(columns)]
        check(f"{name}: rows have the columns {', '.join(columns)}",
              [f"row {r}" for r in malformed])
        rows = [r for r in rows if set(r) == set(columns)]
        check(f"{name}: at least {fewest} rows",
              [] if len(rows) >= fewest else [f"{len(rows)} rows"])
        if rows:
            check(f"{name}: header row repeats on every printed page",
                  [] if page.theads else ["no <thead>"])
        tables[name] = rows
        faults = []
        for row in rows:
            faults += ROW_CHECKS[name](row)
        check(f"{name}: numbers agree", faults)
        if "d" in columns:
            values = [number(r["d"])[0] for r in rows]
            diameters[name] = values
            check(f"{name}: diameters ascending",
                  [f"{a} then {b}" for a, b in zip(values, values[1:]) if not a < b])

    if "wiresize.htm" in diameters and "wiretype.htm" in diameters:
        series = set(diameters["wiresize.htm"])
        check("wiretype.htm: every diameter is in the series of wiresize.htm",
              [f"{d} is not" for d in diameters["wiretype.htm"] if d not in series])

    if "dimensions.htm" in tables:
        page = [(r["name"].strip(), *(number(r[c])[0] for c in ("tongue", "width", "height")))
                for r in tables["dimensions.htm"]]
        shipped = lamination_file(data / "laminations.csv")
        check("laminations.csv: the laminations of dimensions.htm, in its order",
              [] if page == shipped else [f"page {page}", f"file {shipped}"])

    source = (data.parent / "calc" / "enamelled_wire.cpp").read_text(encoding="utf-8")
    if "wiresize.htm" in diameters:
        series = list(code_table(source, "kStandardDiameters")[0])
        check("calc/enamelled_wire.cpp: the standard diameters of wiresize.htm",
              [] if series == diameters["wiresize.htm"] else [f"{series}"])
    if "wiretype.htm" in tables:
        page = [(number(r["d"])[0], number(r["g2"])[0]) for r in tables["wiretype.htm"]]
        grade2 = code_table(source, "kGrade2Sizes")
        check("calc/enamelled_wire.cpp: the grade 2 diameters of wiretype.htm",
              [] if grade2 == page else [f"{a} != {b}" for a, b in zip(grade2, page) if a != b]
              or [f"{len(grade2)} rows, page {len(page)}"])

    failed = 0
    for name, faults in results:
        if faults:
            failed += 1
            print(f"FAIL {name}")
            for fault in faults:
                print(f"     {fault}")
    print(f"{len(results) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
