#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Randomized cross-check of navivor-calc's will-it-work figures and rectifier
runs against the independent model (tests/model/performance_model.py).

Usage: random_performance_test.py PATH/TO/navivor-calc

Environment:
  NAVIVOR_SEED     seed of the design generator (default: a fresh one)
  NAVIVOR_DESIGNS  number of designs (default 300)

Each random design runs with --winding-sheet --format json; the model works the
sheet's figures out again from what the JSON says the sheet was worked out for.
Tolerances: the fit, the steel and the class verdict exactly (the verdict may
differ only within 0.1 K of the class); core mass and loss, fill to 1e-9
relative; magnetising current 1 % (the sampling of the waveform differs); the
settled temperature 0.05 K, copper loss, efficiency and regulation 0.1 %
relative (the program stops its rounds within 0.01 K); the rectifier's
average and trough 1 % + 20 mV, ripple 5 % + 20 mV, winding RMS and diode
peak 3 % (the model integrates with another scheme). The last line reads
"N passed, M failed".
"""

import json
import os
import random
import shlex
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "model"))

import performance_model as model  # noqa: E402


def close(a, b, rel, absolute=0.0):
    return abs(a - b) <= rel * max(abs(a), abs(b)) + absolute


def random_design(rng):
    secondaries = [(round(rng.uniform(3, 48), 1), round(rng.uniform(0.05, 4), 2))
                   for _ in range(rng.randint(1, 3))]
    power = sum(v * i for v, i in secondaries)
    args = ["--primary", str(rng.choice([110, 127, 220, 230, 240])),
            "--frequency", str(rng.choice([50, 60])),
            "--core", str(int(100 * power ** 0.5 * rng.uniform(1.05, 2)) + 1),
            "--thickness", rng.choice(["0.35", "0.5", "0.65", "1"]),
            "--winding-sheet"]
    for v, i in secondaries:
        args += ["--secondary", "%s:%s" % (v, i)]
    options = {}
    if rng.random() < 0.3:
        options["steel"] = rng.choice(sorted(model.GRADES))
    if rng.random() < 0.3:
        options["ambient"] = round(rng.uniform(-10, 60), 1)
    if rng.random() < 0.2:
        options["insulation-class"] = rng.choice([105, 120, 130, 155])
    if rng.random() < 0.3:
        options["bulge"] = round(rng.uniform(1, 1.3), 2)
    if rng.random() < 0.15:
        options["temperature"] = round(rng.uniform(20, 120), 1)
    for key, value in options.items():
        args += ["--" + key, str(value)]
    dc = None
    if rng.random() < 0.3:
        kind = rng.choice(["bridge", "bridge", "centre-tap", "half-wave"])
        volts = round(rng.uniform(5, 30), 1)
        amps = round(rng.uniform(0.05, 2), 2) if kind != "half-wave" \
            else round(rng.uniform(0.005, 0.4 / volts), 3)
        args += ["--dc", "%s:%s:%s" % (volts, amps, kind)]
        if rng.random() < 0.8:
            args += ["--capacitance", str(rng.choice([100, 470, 1000, 2200, 4700, 10000]))]
        else:
            args += ["--ripple", str(round(volts * rng.uniform(0.03, 0.2), 2))]
        dc = kind
    return args, options, dc


def check(args, options, dc, d):
    sheet = d["windingSheet"]
    inputs = d["inputs"]
    perf = sheet["performance"]
    primary = float(inputs["primary"])
    held = options.get("temperature")
    expected = model.performance(
        sheet, primary, inputs["frequency"], float(inputs["thickness"]),
        ambient=options.get("ambient", 25),
        insulation_class=options.get("insulation-class", 130),
        steel=options.get("steel"), bulge=options.get("bulge", 1), held=held)
    problems = []

    def compare(name, got, want, rel, absolute=0.0):
        if not close(got, want, rel, absolute):
            problems.append("%s: program %r, model %r" % (name, got, want))

    if perf["steel"] != expected["steel"]:
        problems.append("steel %s, model %s" % (perf["steel"], expected["steel"]))
    if sheet["fit"] != expected["fit"]:
        problems.append("fit %s, model %s" % (sheet["fit"], expected["fit"]))
    compare("fillPercent", sheet["fillPercent"], expected["fillPercent"], 1e-9)
    compare("coreMassKg", perf["coreMassKg"], expected["coreMassKg"], 1e-9)
    for key in ("nominal", "plus10"):
        compare("coreLossW." + key, perf["coreLossW"][key], expected["coreLossW"][key], 1e-9)
        compare("magnetisingCurrentA." + key, perf["magnetisingCurrentA"][key],
                expected["magnetisingCurrentA"][key], 0.01)
    compare("windingTemperature", perf["windingTemperature"],
            expected["windingTemperature"], 0, 0.05)
    compare("temperatureRiseK", perf["temperatureRiseK"], expected["temperatureRiseK"], 0, 0.05)
    compare("copperLossW", perf["copperLossW"], expected["copperLossW"], 1e-3)
    compare("efficiency", perf["efficiency"], expected["efficiency"], 1e-3)
    for k, (got, want) in enumerate(zip(perf["regulationPercent"],
                                        expected["regulationPercent"])):
        compare("regulationPercent[%d]" % k, got, want, 1e-3, 1e-3)
    rise = expected["temperatureRiseK"] + options.get("ambient", 25)
    if perf["aboveInsulationClass"] != expected["aboveInsulationClass"] and \
            abs(rise - options.get("insulation-class", 130)) > 0.1:
        problems.append("class verdict differs")

    if dc:
        k = len(inputs["secondaries"]) - 1
        got = inputs["secondaries"][k]["dc"]
        n1 = sheet["primary"]["turns"]
        row = sheet["secondaries"][k]
        ratio = row["turns"] / n1
        resistance = row["resistanceHot"] + sheet["primary"]["resistanceHot"] * ratio ** 2
        compare("sourceResistance", got["sourceResistance"], resistance, 1e-9)
        compare("sourceVoltage", got["sourceVoltage"], primary * ratio, 1e-9)
        for key, mains in (("nominal", 1.0), ("minus10", 0.9)):
            run = model.rectifier(dc, primary * ratio, resistance, inputs["frequency"],
                                  got["diodeDrop"], got["current"], got["capacitanceUF"], mains)
            compare("averageV." + key, got["averageV"][key], run["averageV"], 0.01, 0.02)
            compare("troughV." + key, got["troughV"][key], run["troughV"], 0.01, 0.02)
            compare("rippleV." + key, got["rippleV"][key], run["rippleV"], 0.05, 0.02)
            compare("windingRmsA." + key, got["windingRmsA"][key], run["windingRmsA"], 0.03)
            compare("diodePeakA." + key, got["diodePeakA"][key], run["diodePeakA"], 0.03)
            if key == "nominal" and "--ripple" in args:
                asked = float(args[args.index("--ripple") + 1])
                compare("ripple asked", run["rippleV"], asked, 0.05, 0.02)
        needed = got["voltage"] + got["headroom"]
        for verdict, key in (("troughHoldsDc", "minus10"), ("nominalTroughHoldsDc", "nominal")):
            trough = got["troughV"][key]
            if abs(trough - needed) > 0.01 * needed + 0.02 and got[verdict] != (trough >= needed):
                problems.append("%s %r for a trough of %r" % (verdict, got[verdict], trough))
        # What would hold the trough at mains -10 %: at the program's figure the model's
        # trough is the voltage needed; none means not even 1 F holds it.
        held = {"holdingWindingV": (got["holdingWindingV"], resistance, got["capacitanceUF"])}
        if got["holdingCapacitanceUF"] is None:
            run = model.rectifier(dc, primary * ratio, resistance, inputs["frequency"],
                                  got["diodeDrop"], got["current"], 1e6, 0.9)
            if run["troughV"] > needed * 1.01 + 0.02:
                problems.append("no capacitor holds, model %r at 1 F" % run["troughV"])
        elif got["holdingCapacitanceUF"] > 1:
            held["holdingCapacitanceUF"] = (primary * ratio, resistance,
                                            got["holdingCapacitanceUF"])
        for name, (volts, ohms, uf) in held.items():
            if volts is not None:
                run = model.rectifier(dc, volts, ohms, inputs["frequency"], got["diodeDrop"],
                                      got["current"], uf, 0.9)
                compare(name, run["troughV"], needed, 0.01, 0.02)
    return problems


def main():
    program = sys.argv[1]
    seed = int(os.environ.get("NAVIVOR_SEED") or random.randrange(1 << 32))
    count = int(os.environ.get("NAVIVOR_DESIGNS") or 300)
    rng = random.Random(seed)
    print("seed %d" % seed)
    passed = failed = compared = rectifiers = 0
    for _ in range(count):
        args, options, dc = random_design(rng)
        run = subprocess.run([program, "--format", "json"] + args,
                             capture_output=True, text=True)
        if run.returncode != 0:
            # A design the program refuses (a drop that leaves no voltage, a wire wider
            # than the bobbin) is no figure to compare; the message must say why.
            if run.stdout or not run.stderr:
                failed += 1
                print("FAIL navivor-calc %s: status %d without a message"
                      % (shlex.join(args), run.returncode))
            else:
                passed += 1
            continue
        compared += 1
        rectifiers += dc is not None
        problems = check(args, options, dc, json.loads(run.stdout))
        if problems:
            failed += 1
            print("FAIL navivor-calc --format json %s" % shlex.join(args))
            for problem in problems:
                print("  " + problem)
        else:
            passed += 1
    print("%d designs compared with the model, %d of them with a rectifier"
          % (compared, rectifiers))
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
