#!/usr/bin/env python3
"""Checks the includes of every C++ file of the program against the layer table of
docs/architecture.md: a file includes only from its own folder and the folders its row names,
a folder whose row says no Qt includes no Qt header, and every folder with C++ files is listed.

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
            if system and not qt:
                faults.append(f"{relative}:{number}: {folder} is free of Qt, includes <{system.group(1)}>")
    return faults


def main():
    faults = check(pathlib.Path(sys.argv[1]))
    for fault in faults:
        print(fault)
    print(f"{0 if faults else 1} passed, {1 if faults else 0} failed")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
