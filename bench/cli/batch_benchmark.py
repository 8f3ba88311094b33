#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""navivor-calc --batch against one navivor-calc process a design: the wall time of the same
random designs (those of tests/cli/batch_test.py) through one batch and through one
--format json process each, as a script would start them, and the ratio. The answers of the
designs that succeed are compared on the way.

Usage: batch_benchmark.py NAVIVOR-CALC [DESIGNS]
NAVIVOR_SEED picks other designs.
"""
import os
import random
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "tests", "cli"))

import batch_test  # noqa: E402
import random_designs_test as designs  # noqa: E402


def main():
    program = os.path.abspath(sys.argv[1])
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 10000
    rng = random.Random(int(os.environ.get("NAVIVOR_SEED") or 20261208))
    runs = [batch_test.varied(rng, designs.random_design(rng).arguments())
            for _ in range(count)]
    lines = b"".join(batch_test.json_line(rng, args) + b"\n" for args in runs)
    environment = dict(os.environ, LC_ALL="C")
    with tempfile.TemporaryDirectory() as folder:
        os.mkdir(os.path.join(folder, "lang"))
        with open(os.path.join(folder, "lang", "English.ini"), "wb") as file:
            file.write(batch_test.ENGLISH)
        start = time.perf_counter()
        batch = subprocess.run([program, "--batch"], input=lines, capture_output=True,
                               cwd=folder, env=environment)
        batch_time = time.perf_counter() - start
        start = time.perf_counter()
        outputs = [subprocess.run([program, "--format", "json"] + args, capture_output=True,
                                  cwd=folder, env=environment).stdout for args in runs]
        process_time = time.perf_counter() - start
    answers = batch.stdout.split(b"\n")
    differ = sum(out != answer + b"\n" for out, answer in zip(outputs, answers) if out)
    if differ or len(answers) != count + 1:
        raise SystemExit(f"{differ} answers differ from their processes' output")
    print(f"{count} designs: one --batch {batch_time:.2f} s, {count} processes "
          f"{process_time:.2f} s = {process_time / batch_time:.1f} x")


if __name__ == "__main__":
    main()
