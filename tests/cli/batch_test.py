#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""navivor-calc --batch against one navivor-calc process a design.

Usage: batch_test.py PATH/TO/navivor-calc

Environment: NAVIVOR_SEED and NAVIVOR_DESIGNS, as for random_designs_test.py.

The random designs of random_designs_test.py, some also with the winding sheet, a --dc
winding, a language or no separator of their own (so the locale's follows a line with
another), go through one --batch run and through one --format json process each: every
answer must be that process's standard output byte for byte, or, where it failed, the error
object with its message and line; the batch's status the highest of theirs. Then a table of
bad lines, each with its answer, in one batch.
"""

import json
import os
import random
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import random_designs_test as designs  # noqa: E402

REPEATED = {"--secondary", "--dc", "--diameter"}
FLAGS = {"--winding-sheet"}
ENGLISH = b"[Messages]\r\nMes3=Core section too small!!!\r\n" \
          b"[WindingSheetForm]\r\nSheetTitle=WINDING SHEET\r\n"


def varied(rng, args):
    """The arguments of a random design with some options beside them."""
    if rng.random() < 0.3:
        args = args[2:]  # the separator of the locale
    if rng.random() < 0.2:
        args = args + ["--winding-sheet"]
    if rng.random() < 0.15:
        k = args.index("--secondary")
        args = args[:k] + ["--dc", args[k + 1] + rng.choice(["", ":centre-tap"])] \
            + args[k + 2:]
    if rng.random() < 0.2:
        args = args + ["--lang", rng.choice(["English", "Russian"])]
    return args


def json_line(rng, args):
    """The line of a batch that gives the same options."""
    line, k = {}, 0
    while k < len(args):
        name = args[k]
        if name in FLAGS:
            line[name[2:]] = True
            k += 1
            continue
        if name in REPEATED:
            line.setdefault(name[2:], []).append(args[k + 1])
        else:
            line[name[2:]] = args[k + 1]
        k += 2
    return json.dumps(line, ensure_ascii=rng.random() < 0.5).encode("utf-8")


def message(run):
    """What a failed process says, as the error object holds it."""
    text = run.stderr.decode("utf-8").split("\n")[0]
    return text.removeprefix("navivor-calc: ") if run.returncode == 2 else text


def parsed(answer):
    try:
        return json.loads(answer.decode("utf-8"))
    except ValueError:
        return None


def batch(program, lines, folder):
    return subprocess.run([program, "--batch"], input=b"\n".join(lines) + b"\n",
                          capture_output=True, cwd=folder, env=dict(os.environ, LC_ALL="C"),
                          timeout=600)


def random_designs(program, folder, rng, count):
    """Faults of the random designs, as lines of text."""
    runs, lines = [], []
    for _ in range(count):
        args = varied(rng, designs.random_design(rng).arguments())
        runs.append((args, subprocess.run([program, "--format", "json"] + args,
                                          capture_output=True, cwd=folder,
                                          env=dict(os.environ, LC_ALL="C"), timeout=60)))
        lines.append(json_line(rng, args))
    answer = batch(program, lines, folder)
    faults = []
    answers = answer.stdout.split(b"\n")
    for number, ((args, run), got) in enumerate(zip(runs, answers), 1):
        if run.returncode == 0:
            wrong = got + b"\n" != run.stdout
        else:
            wrong = parsed(got) != {"error": message(run), "line": number}
        if wrong:
            faults.append(f"line {number}, navivor-calc --format json {' '.join(args)}:\n"
                          f"  batch   {got[:300]!r}\n  process {run.stdout[:300]!r} "
                          f"{run.stderr!r}")
    if len(answers) != count + 1 or answers[-1] != b"":
        faults.append(f"{len(answers) - 1} answers to {count} lines")
    status = max(run.returncode for _, run in runs)
    if answer.returncode != status:
        faults.append(f"status {answer.returncode}, the processes' highest {status}")
    return faults


# Each bad line and its message; None for a blank line, which has no answer but a number.
BAD_LINES = [
    (b"", None),
    (b'{"core": 1000}', "the value of 'core' at byte 10 is not a string, a list of strings "
                        "or true"),
    (b'{"secondary": ["12:2", ["5:1"]]}', "the value of 'secondary' at byte 24 is not a "
                                          "string, a list of strings or true"),
    (b'{"winding-sheet": "true"}', "'winding-sheet' takes true"),
    (b'{"primary": ["220"]}', "'primary' takes a string"),
    (b" \t\r", None),
    (b'{"format": "json"}', "unknown key 'format'"),
    (b'{"core": "1000"', "malformed JSON at byte 16: expected ',' or '}'"),
    (b"[" * 100000, "malformed JSON at byte 1: expected '{'"),
    (b'{"core": "\xff"}', "malformed JSON at byte 11: a string that is not UTF-8"),
    (b'{"core": "1\x000"}', "malformed JSON at byte 12: a control character in a string"),
    (b'{"core": "\\u0000"}', "malformed JSON at byte 17: U+0000 in a string"),
    (b'{"core": "1", "core": "2"}', "malformed JSON at byte 21: the key 'core' comes twice"),
    (b'{"core": "' + b"1" * (1 << 20) + b'"}', "a line longer than 1048576 bytes"),
    (b'{"thickness": "0"}', "Введите значение толщины пластин сердечника !"),
    (b'{"headroom": "2"}', "--diode-drop, --headroom, --capacitance and --ripple apply to --dc windings only"),
]


def bad_lines(program, folder):
    answer = batch(program, [line for line, _ in BAD_LINES], folder)
    want = [{"error": text, "line": number}
            for number, (_, text) in enumerate(BAD_LINES, 1) if text is not None]
    got = [parsed(line) for line in answer.stdout.split(b"\n")[:-1]]
    faults = []
    if got != want:
        faults.append(f"bad lines answered\n{answer.stdout.decode('utf-8', 'replace')}"
                      f"instead of\n{want}")
    if answer.returncode != 2:
        faults.append(f"bad lines: status {answer.returncode}, not 2")
    return faults


def main():
    if len(sys.argv) != 2:
        print("usage: batch_test.py PATH/TO/navivor-calc", file=sys.stderr)
        return 2
    program = os.path.abspath(sys.argv[1])
    seed = int(os.environ.get("NAVIVOR_SEED") or random.randrange(1 << 32))
    count = int(os.environ.get("NAVIVOR_DESIGNS") or 300)
    print(f"seed {seed}, {count} designs")
    with tempfile.TemporaryDirectory() as folder:
        os.mkdir(os.path.join(folder, "lang"))
        with open(os.path.join(folder, "lang", "English.ini"), "wb") as file:
            file.write(ENGLISH)
        faults = random_designs(program, folder, random.Random(seed), count) \
            + bad_lines(program, folder)
    for fault in faults[:25]:
        print(fault)
    print(f"{len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
