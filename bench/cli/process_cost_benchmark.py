#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The cost of one navivor-calc process against a minimal C++ program that prints 60 lines,
for the worked example and for a design of 50 secondaries: the medians of interleaved runs,
wall time from the start of each process to its end and the processor time it took, printed
as ratios measured in the same run. Given more than one navivor-calc (two builds, say), all
take turns with the minimal program.

Usage: process_cost_benchmark.py SIXTY-LINES NAVIVOR-CALC... [--runs N]
"""
import argparse
import os
import statistics
import time

WORKED_EXAMPLE = ["--primary", "220", "--secondary", "12:2", "--core", "1000"]
FIFTY_SECONDARIES = ["--core", "100000"] + [
    argument for k in range(50) for argument in ("--secondary", f"{k + 1}:0.1")]


def run_once(command, environment, output):
    start = time.perf_counter()
    pid = os.posix_spawn(command[0], command, environment,
                         file_actions=[(os.POSIX_SPAWN_DUP2, output, 1)])
    _, status, usage = os.wait4(pid, 0)
    elapsed = time.perf_counter() - start
    if status != 0:
        raise SystemExit(f"{' '.join(command)} ended with status {status}")
    return elapsed, usage.ru_utime + usage.ru_stime


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("minimal")
    parser.add_argument("calcs", nargs="+")
    parser.add_argument("--runs", type=int, default=500)
    arguments = parser.parse_args()
    minimal = os.path.abspath(arguments.minimal)
    commands = {"60 lines": [minimal]}
    for calc in map(os.path.abspath, arguments.calcs):
        commands[(calc, "worked example")] = [calc] + WORKED_EXAMPLE
        commands[(calc, "50 secondaries")] = [calc] + FIFTY_SECONDARIES
    environment = dict(os.environ, LC_ALL="C.UTF-8")
    wall = {name: [] for name in commands}
    processor = {name: [] for name in commands}
    with open(os.devnull, "wb") as output:
        for _ in range(arguments.runs):  # interleaved: the machine's drift touches all alike
            for name, command in commands.items():
                elapsed, used = run_once(command, environment, output.fileno())
                wall[name].append(elapsed)
                processor[name].append(used)
    base_wall = statistics.median(wall["60 lines"])
    base_processor = statistics.median(processor["60 lines"])
    print(f"60 lines: wall {base_wall * 1000:.3f} ms, processor {base_processor * 1000:.3f} ms")
    for name in commands:
        if name == "60 lines":
            continue
        w, p = statistics.median(wall[name]), statistics.median(processor[name])
        print(f"{name[0]}, {name[1]}: wall {w * 1000:.3f} ms = {w / base_wall:.2f} x, "
              f"processor {p * 1000:.3f} ms = {p / base_processor:.2f} x")


if __name__ == "__main__":
    main()
