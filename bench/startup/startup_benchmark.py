#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up of Navivor's windows against a minimal Qt Widgets program: the time from the
spawn of each to its main window's first paint, as the program stamps it, and the peak
memory of each, offscreen and on an X server with a window manager. Runs are interleaved in
pairs, so that the machine's drift touches both alike; the medians and interquartile ranges
of both and the ratio of the medians are printed.

Usage: startup_benchmark.py NAVIVOR-PROBE MINIMAL-PROBE [RUNS]
Without DISPLAY an X server is started with Xvfb (and openbox, when installed).
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def run_once(program, environment, folder):
    with tempfile.TemporaryFile() as errors:
        start = time.monotonic_ns()
        process = subprocess.Popen([program], env=environment, cwd=folder,
                                   stdout=subprocess.PIPE, stderr=errors)
        painted = process.stdout.read()
        _, status, usage = os.wait4(process.pid, 0)
        if status != 0 or not painted.strip():
            errors.seek(0)
            raise SystemExit(f"{program} ended with wait status {status} before its first"
                             f" paint:\n{errors.read().decode(errors='replace')}")
    return (int(painted) - start) / 1e6, usage.ru_maxrss / 1024


def spread(values):
    quartiles = statistics.quantiles(values, n=4)
    return statistics.median(values), quartiles[2] - quartiles[0]


def measure(label, navivor, minimal, environment, runs):
    samples = {navivor: ([], []), minimal: ([], [])}
    with tempfile.TemporaryDirectory() as folder:
        for _ in range(runs):
            for program in (navivor, minimal):
                paint, memory = run_once(program, environment, folder)
                samples[program][0].append(paint)
                samples[program][1].append(memory)
    (n_paint, n_iqr), (m_paint, m_iqr) = spread(samples[navivor][0]), spread(samples[minimal][0])
    n_memory, m_memory = (statistics.median(samples[p][1]) for p in (navivor, minimal))
    print(f"{label}: first paint {n_paint:.1f} ms (IQR {n_iqr:.1f}) against {m_paint:.1f} ms"
          f" (IQR {m_iqr:.1f}) = {n_paint / m_paint:.2f} x; peak memory {n_memory:.1f} MiB"
          f" against {m_memory:.1f} MiB = {n_memory / m_memory:.2f} x")


def start_x_server(environment):
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                               "-nolisten", "tcp"], pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    environment["DISPLAY"] = ":" + os.read(read, 16).decode().strip()
    os.close(read)
    started = [server]
    if shutil.which("openbox"):
        started.append(subprocess.Popen(["openbox"], env=environment,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        time.sleep(0.5)  # until it manages the screen
    return started


def main():
    navivor, minimal = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 20
    base = dict(os.environ, LANG="C.UTF-8")
    measure("offscreen", navivor, minimal, dict(base, QT_QPA_PLATFORM="offscreen"), runs)

    started = []
    if "DISPLAY" not in base and shutil.which("Xvfb"):
        started = start_x_server(base)
    try:
        if "DISPLAY" in base:
            measure("X server", navivor, minimal, dict(base, QT_QPA_PLATFORM="xcb"), runs)
    finally:
        for process in reversed(started):
            process.terminate()
            process.wait()


if __name__ == "__main__":
    main()
