#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up of Navivor's windows against a minimal Qt Widgets program, both ending at their
main window's first paint: the median wall time of interleaved runs and the peak memory of
each, offscreen and on an X server, printed as ratios measured in the same run.

Usage: startup_benchmark.py NAVIVOR-PROBE MINIMAL-PROBE [RUNS]
An X server is started with Xvfb when DISPLAY is not set and Xvfb is installed.
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def run_once(program, environment, folder):
    start = time.perf_counter()
    process = subprocess.Popen([program], env=environment, cwd=folder,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - start
    if status != 0:
        raise SystemExit(f"{program} ended with status {status}")
    return elapsed, usage.ru_maxrss


def measure(programs, environment, runs):
    times = {program: [] for program in programs}
    memory = {program: [] for program in programs}
    with tempfile.TemporaryDirectory() as folder:
        for _ in range(runs):  # interleaved, so that the machine's drift touches both alike
            for program in programs:
                elapsed, peak = run_once(program, environment, folder)
                times[program].append(elapsed)
                memory[program].append(peak)
    return ({p: statistics.median(t) for p, t in times.items()},
            {p: statistics.median(m) for p, m in memory.items()})


def report(label, navivor, minimal, times, memory):
    print(f"{label}: start-up {times[navivor] * 1000:.1f} ms against {times[minimal] * 1000:.1f} ms"
          f" = {times[navivor] / times[minimal]:.2f} x; peak memory {memory[navivor] / 1024:.1f} MiB"
          f" against {memory[minimal] / 1024:.1f} MiB = {memory[navivor] / memory[minimal]:.2f} x")


def main():
    navivor, minimal = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 20
    base = dict(os.environ, LANG="C.UTF-8")
    offscreen = dict(base, QT_QPA_PLATFORM="offscreen")
    report("offscreen", navivor, minimal, *measure([navivor, minimal], offscreen, runs))

    server = None
    if "DISPLAY" not in os.environ and shutil.which("Xvfb"):
        read, write = os.pipe()
        server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0",
                                   "1024x768x24", "-nolisten", "tcp"], pass_fds=[write],
                                  stderr=subprocess.DEVNULL)
        os.close(write)
        base["DISPLAY"] = ":" + os.read(read, 16).decode().strip()
    try:
        if "DISPLAY" in base:
            x = dict(base, QT_QPA_PLATFORM="xcb")
            report("X server", navivor, minimal, *measure([navivor, minimal], x, runs))
    finally:
        if server:
            server.terminate()


if __name__ == "__main__":
    main()
