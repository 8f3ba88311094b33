#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the includes of every C++ file of the program against the layer table of
docs/architecture.md: a file includes only from its own folder and the folders its row names,
a header named without its folder lies beside the file, a folder whose row says no Qt includes
no Qt header, every folder with C++ files is listed, and no row reaches back to itself.

Usage: layering_test.py SOURCE-DIRECTORY
"""
import pathlib
import re
import sys

OUTSIDE_THE_PROGRAM = {"tests", "tools", "build", "docs"}


def layer_table(document):
    """{folder: (allowed folders, Qt allowed)} from the rows of the Layers table."""
    layers = {}
    for line in document.splitlines():
        cells = [cell.strip() for cell in line.strip().strip("|").split("|")]
        if len(cells) != 4 or not re.fullmatch(r"`[\w/]+/`", cells[0]):
            continue
        folder = cells[0].strip("`")
        allowed = set(re.findall(r"`([\w/]+/)`", cells[2]))
        layers[folder] = (allowed, cells[3] == "yes")
    return layers


def folder_of(path):
    return str(path.parent).replace("\\", "/") + "/"


def check(source):
    layers = layer_table((source / "docs" / "architecture.md").read_text(encoding="utf-8"))
    if not layers:
        return ["docs/architecture.md has no layer table"]
    faults = []
    for path in sorted(source.rglob("*")):
        relative = path.relative_to(source)
        if path.suffix not in (".cpp", ".h") or relative.parts[0] in OUTSIDE_THE_PROGRAM:
            continue
        folder = folder_of(relative)
        if folder not in layers:
            faults.append(f"{relative}: the folder {folder} is not in the layer table")
            continue
        allowed, qt = layers[folder]
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            own = re.match(r'\s*#\s*include\s+"([^"]+)"', line)
            system = re.match(r"\s*#\s*include\s+<(Q\w*|qt\w*)", line)
            if own and "/" in own.group(1):
                included = folder_of(pathlib.PurePosixPath(own.group(1)))
                if included != folder and included not in allowed:
                    faults.append(f"{relative}:{number}: {folder} may not include {own.group(1)}")
            # A folder that names itself an include root would let any layer reach it unseen.
            elif own and not (path.parent / own.group(1)).exists():
                faults.append(f"{relative}:{number}: {own.group(1)} is not beside the file; name its folder")
            if system and not qt:
                faults.append(f"{relative}:{number}: {folder} is free of Qt, includes <{system.group(1)}>")
    return faults + cycles(layers)


def cycles(layers):
    """A fault for each row that reaches back to itself through the rows it may include."""
    faults = []
    for start in layers:
        seen, frontier = set(), [start]
        while frontier:
            for reached in layers.get(frontier.pop(), (set(), True))[0]:
                if reached == start:
                    faults.append(f"the layer table has a cycle through {start}")
                    frontier = []
                    break
                if reached not in seen:
                    seen.add(reached)
                    frontier.append(reached)
    return faults


def main():
    faults = check(pathlib.Path(sys.argv[1]))
    for fault in faults:
        print(fault)
    print(f"{0 if faults else 1} passed, {1 if faults else 0} failed")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
