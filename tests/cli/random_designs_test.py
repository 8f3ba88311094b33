#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Randomized cross-check of navivor-calc against the reference model.

Usage: random_designs_test.py PATH/TO/navivor-calc

Environment:
  NAVIVOR_SEED     seed of the design generator (default: a fresh one)
  NAVIVOR_DESIGNS  number of designs (default 300)

Each design is run through navivor-calc and through the model
(tests/model/navivor_model.py); exit status, stdout bytes and stderr bytes
must agree.  The first 100 designs run once more with --format json: the one
JSON object must hold the figures the report shows, and the induction factor
and turns per volt of the model; a failure must leave standard output empty.
Mismatches are printed with the command line and both outputs; the last line
reads "N passed, M failed".
"""

import json
import math
import os
import random
import shlex
import subprocess
import sys
from fractions import Fraction

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "model"))

import navivor_model as model  # noqa: E402

SHOWN_MISMATCHES = 25
JSON_DESIGNS = 100

# ---------------------------------------------------------------------------
# Number texts


def decimal_text(rng, low, high, max_decimals):
    """A plain decimal text (with '.') between low and high."""
    decimals = rng.randint(0, max_decimals)
    scale = 10 ** decimals
    units = rng.randint(int(round(low * scale)), int(round(high * scale)))
    whole, frac = divmod(units, scale)
    if decimals == 0:
        return str(whole)
    return "%d.%0*d" % (whole, decimals, frac)


def localize(text, sep):
    return text.replace(".", sep)


def decorate(rng, text):
    """Rewrite a plain decimal text (with '.') into an equal-valued text
    using exponents, signs, leading zeros and blanks."""
    negative = text.startswith("-")
    body = text.lstrip("-")
    whole, _, frac = body.partition(".")
    # value = int(whole + frac) * 10^-len(frac)
    digits = (whole + frac).lstrip("0") or "0"
    choice = rng.randrange(8)
    if choice == 0:      # all digits as an integer with a negative exponent
        out = whole + frac + "e" + str(-len(frac))
    elif choice == 1:    # one digit before the separator, exponent after
        e = len(digits) - 1 - len(frac)
        out = digits[0] + ("." + digits[1:] if len(digits) > 1 else "")
        out += rng.choice("eE") + (rng.choice(["", "+"]) if e >= 0 else "") \
            + str(e)
    elif choice == 2:    # separator first
        e = len(digits) - len(frac)
        out = "." + digits + "E" + ("+" if e >= 0 else "") + str(e)
    elif choice == 3:    # leading zeros and a trailing separator or zeros
        out = "00" + body + ("000" if "." in body else ".")
    elif choice == 4:    # bare exponent letter
        out = body + rng.choice(["e", "E", "e+", "e-", "E0"])
    else:
        out = body
    if negative:
        out = "-" + out
    elif rng.random() < 0.3:
        out = "+" + out
    if rng.random() < 0.5:
        out = " " * rng.randint(1, 3) + out
    if rng.random() < 0.5:
        out = out + " " * rng.randint(1, 3)
    return out


def invalid_text(rng, sep):
    other = "." if sep == "," else ","
    return rng.choice([
        "1" + sep + "2" + sep + "3",
        "12" + sep + "5" + sep,
        "12a",
        "a",
        "1" + other + "5",
        " ",
        "   ",
        "1 2",
        "+",
        "-",
        "+-1",
        "e5",
        "1e+-5",
        "1e5" + sep + "5",
        "1e5000",
        "1e-5000",
        "1e4999",
        "2e4932",
        "1\t",
        "0x10",
        "$10",
        "1,5ж",
        "12В",
        "INF",
        "NAN",
        "1e 5",
        "- 1",
    ])


# ---------------------------------------------------------------------------
# Designs


def plausible_voltage(rng):
    return decimal_text(rng, 1, 400, 3)


def plausible_current(rng):
    return decimal_text(rng, 0.01, 20, rng.choice([2, 2, 3]))


def plausible_diameter(rng):
    return decimal_text(rng, 0.05, 3, rng.choice([2, 3]))


def secondary_count(rng):
    r = rng.random()
    if r < 0.7:
        return rng.randint(1, 4)
    if r < 0.9:
        return rng.randint(5, 15)
    return rng.randint(16, 50)


def approx_power(secondaries):
    total = 0.0
    for u, i in secondaries:
        try:
            total += float(u) * float(i)
        except ValueError:
            pass
    return total


def plausible_design(rng, sep):
    n = secondary_count(rng)
    plain = [(plausible_voltage(rng), plausible_current(rng))
             for _ in range(n)]
    power = approx_power(plain)
    if rng.random() < 0.8:
        core = int(100 * math.sqrt(max(power, 0.01)) * rng.uniform(0.8, 3))
    else:
        core = int(10 ** rng.uniform(0, 6))
    frequency = rng.choice([50, 50, 50, 60, 60]) if rng.random() < 0.8 \
        else rng.randint(1, 1000)
    primary = rng.choice(["110", "115", "120", "127", "220", "230", "240"]) \
        if rng.random() < 0.6 else plausible_voltage(rng)
    diameters = []
    r = rng.random()
    if r < 0.7:
        diameters = [plausible_diameter(rng) for _ in range(n + 1)]
    elif r < 0.85:
        diameters = [plausible_diameter(rng)
                     for _ in range(rng.randint(1, n + 1))]
    design = model.Design(
        primary=localize(primary, sep),
        secondaries=[(localize(u, sep), localize(i, sep)) for u, i in plain],
        frequency=frequency,
        core=clamp(core, 1, 1000000),
        window=1,
        thickness=localize(rng.choice(["0.35", "0.5", "0.27", "0.1"]), sep)
        if rng.random() < 0.9 else None,
        diameters=[localize(d, sep) for d in diameters],
        separator=sep)
    choose_window(rng, design)
    return design


def clamp(value, low, high):
    return max(low, min(high, value))


def choose_window(rng, design):
    """Pick W around the copper sum of the design, or at random."""
    design.window = int(10 ** rng.uniform(0, 7))
    if not design.diameters or rng.random() < 0.2:
        return
    q = model.run(design).trace.get("Q")
    if q is None:
        return
    a = model.round_int(model.e_add(model.e_mul(model.C_1_3, q), 10)) \
        if abs(q) < 2 ** 60 else None
    candidates = [math.floor(q), math.ceil(q), math.floor(q) - 1,
                  math.ceil(q) + 1, int(q * rng.uniform(1, 6))]
    if a is not None:
        candidates += [a, a - 1, a + 1, 10 * a, 5 * a]
    design.window = clamp(rng.choice(candidates), 1, 10000000)


def core_boundary(rng, design):
    """Set S just at, or just below, the smallest sufficient section."""
    design.core = 1
    r = model.run(design).trace.get("R")
    if r is None:
        return
    s = max(1, math.ceil(r * 100) - 2)
    while s < 1000002 and not model.e_div(s, 100) >= r:
        s += 1
    design.core = clamp(s - rng.choice([0, 0, 1]), 1, 1000000)


BAND_PRODUCTS = [("10", "1"), ("5", "2"), ("30", "1"), ("15", "2"),
                 ("50", "1"), ("25", "2"), ("100", "1"), ("20", "5"),
                 ("12.5", "8"), ("2.5", "4"), ("7.5", "4"), ("10", "10"),
                 ("10.0001", "1"), ("9.9999", "1"), ("30.001", "1"),
                 ("100.001", "1"), ("0.1", "100"), ("0.3", "100"),
                 ("0.5", "100"), ("1", "0.1e3")]


def edge_design(rng, sep):
    design = plausible_design(rng, sep)
    kind = rng.randrange(13)
    secs = design.secondaries
    if kind == 0:          # band bounds of the induction factor
        u, i = rng.choice(BAND_PRODUCTS)
        secs[:] = [(localize(u, sep), localize(i, sep))]
        if rng.random() < 0.3:
            secs.append(("", rng.choice(["", "0"])))
        if rng.random() < 0.5:
            core_boundary(rng, design)
        else:
            design.core = rng.choice([1000, 10000, 100000, 5000, 1001, 999])
    elif kind == 1:        # the core check right at its boundary
        core_boundary(rng, design)
    elif kind == 2:        # halfway cases in Round
        tie_design(rng, design, sep)
    elif kind == 3:        # primary voltage at and below the floor
        design.primary = localize(rng.choice(
            ["0", "0.05", "-3", "0.0999", "0.1", ".1", "-0", "0.", ".",
             "0.09999999999999999999", "0.1000000000000000001",
             "0.10000000000000000001", "1e-3", "-1e400", "1e-500", "1e-4950",
             "0.100000000000000005551115123125783",
             "0.099999999999999999", "1E-1", "10e-2"]), sep)
    elif kind == 4:        # texts with exponents, signs and blanks
        for k, (u, i) in enumerate(secs):
            secs[k] = (localize(decorate(rng, u.replace(sep, ".")), sep),
                       localize(decorate(rng, i.replace(sep, ".")), sep))
        design.primary = localize(
            decorate(rng, design.primary.replace(sep, ".")), sep)
        design.diameters = [localize(decorate(rng, d.replace(sep, ".")), sep)
                            for d in design.diameters]
        if design.thickness is not None and rng.random() < 0.5:
            design.thickness = localize(
                decorate(rng, design.thickness.replace(sep, ".")), sep)
    elif kind == 5:        # huge values
        huge = rng.choice(["1e400", "1e308", "1.7976931348623157e308",
                           "1.797693134862315808e308", "1e200", "1e160",
                           "1e4000", "1e4932", "1.18e4932", "1e17", "1e19",
                           "9e18", "1e300", "4e9", "3e10", "1e-400",
                           "1e-4940", "1e-4950", "123456789012345678"])
        where = rng.randrange(5)
        if where == 0:
            design.primary = localize(huge, sep)
            design.core = 1000000
        elif where in (1, 2):
            k = rng.randrange(len(secs))
            u, i = secs[k]
            secs[k] = (localize(huge, sep), i) if where == 1 \
                else (u, localize(huge, sep))
            if rng.random() < 0.5:
                design.core = 1000000
        else:
            if not design.diameters:
                design.diameters = [""]
            k = rng.randrange(len(design.diameters))
            design.diameters[k] = localize(huge, sep)
            design.core = max(design.core, 1000000 if rng.random() < 0.5
                              else design.core)
    elif kind == 6:        # negative values through a leading minus
        k = rng.randrange(len(secs))
        u, i = secs[k]
        if rng.random() < 0.6:
            secs[k] = (u, "-" + i)
        else:
            secs[k] = ("-" + u, i)
        if design.diameters and rng.random() < 0.5:
            j = rng.randrange(len(design.diameters))
            design.diameters[j] = "-" + design.diameters[j]
        if rng.random() < 0.5:
            design.core = 1000000
    elif kind == 7:        # empty cells and zeros
        zeros = ["", "", "0", "0" + sep + "000", "-0", sep, "0e5"]
        for k, (u, i) in enumerate(secs):
            if rng.random() < 0.5:
                u = rng.choice(zeros)
            if rng.random() < 0.5:
                i = rng.choice(zeros)
            secs[k] = (u, i)
        design.diameters = [rng.choice(zeros) if rng.random() < 0.5 else d
                            for d in design.diameters]
        if rng.random() < 0.3:
            design.thickness = rng.choice(["", "0", "-0", "0" + sep,
                                           "-1", "1e-4950", "1e-4940"])
    elif kind == 8:        # many secondaries
        secs[:] = [(localize(plausible_voltage(rng), sep),
                    localize(plausible_current(rng), sep))
                   for _ in range(50)]
        design.core = 1000000 if rng.random() < 0.7 else design.core
        design.diameters = [localize(plausible_diameter(rng), sep)
                            for _ in range(rng.choice([1, 51, 51]))]
        choose_window(rng, design)
    elif kind == 9:        # extremes of the spin fields
        design.frequency = rng.choice([1, 1000, 1, 1000, 49, 61])
        design.core = rng.choice([1, 1000000, design.core])
        design.window = rng.choice([1, 10000000, design.window])
        if rng.random() < 0.5:
            secs[:] = [("0" + sep + "001", "0" + sep + "01")]
    elif kind == 10:       # digits of the written numbers
        digits = str(rng.randrange(10 ** 14, 10 ** 15)) + rng.choice(
            ["5", "5", "4", "6", "50", "49", "51", "500", "499"])
        point = rng.randint(1, 6)
        u = digits[:point] + "." + digits[point:]
        secs[:] = [(localize(u, sep), "1")]
        design.core = 1000000
    elif kind == 11:       # values a hair away from halfway in Round
        near_half_design(rng, design, sep)
    else:                  # large turn counts
        design.core = 1000000
        design.frequency = 1
        k = rng.randrange(len(secs))
        secs[k] = (localize(rng.choice(
            ["1e9", "4e9", "3e10", "2e14", "1e15", "3e15", "7e17", "2e18",
             "2.5e18", "9e18"]), sep), "0" + sep + "000001")
    return design


TIE_DIAMETERS = ["0.5", "0.25", "0.75", "1", "1.5", "0.125", "0", "", "2",
                 "0.375"]


def tie_design(rng, design, sep):
    """Search small 'round' designs for one that meets a halfway value."""
    for _ in range(40):
        n = rng.randint(1, 3)
        design.secondaries = [
            (localize(rng.choice(["1", "2", "3", "5", "6", "10", "12", "20",
                                  "24", "0.5", "1.5", "4.5"]), sep),
             localize(rng.choice(["0.5", "1", "2", "0.25", "3", "4"]), sep))
            for _ in range(n)]
        design.primary = localize(rng.choice(
            ["1", "3", "5", "7", "9", "11", "0.5", "1.5", "2.5", "220",
             "100", "110"]), sep)
        design.frequency = rng.choice([50, 100, 25, 40, 60, 20, 10])
        design.core = rng.choice([1000, 2000, 1100, 2200, 4400, 500, 250,
                                  8000, 10000, 5000, 1250, 4000])
        design.diameters = [localize(rng.choice(TIE_DIAMETERS), sep)
                            for _ in range(n + 1)]
        design.window = rng.choice([24, 25, 100, 200, 50, 400, 1000, 10, 8])
        if model.run(design).trace["ties"] > 0:
            return


def exact_decimal(value):
    """Plain decimal text (with '.') of a Fraction whose denominator has
    no prime factors other than 2 and 5."""
    scale = 0
    while (value * 10 ** scale).denominator != 1:
        scale += 1
    units = int(value * 10 ** scale)
    sign = "-" if units < 0 else ""
    digits = str(abs(units)).rjust(scale + 1, "0")
    if scale == 0:
        return sign + digits
    return sign + digits[:-scale] + "." + digits[-scale:]


def near_half_design(rng, design, sep):
    """Inputs whose exact (decimal) arithmetic lands Round on a halfway
    value, so the binary rounding of every step decides the result."""
    half = Fraction(2 * rng.randint(1, 5000) + 1, 2)
    kind = rng.randrange(8)
    design.diameters = []
    if kind == 0:      # secondary wire diameter: sqrt(2 I / 3.14) * 1000
        current = Fraction(157, 10 ** 8) * half * half
        design.secondaries = [(localize(exact_decimal(current), sep), "1"),
                              ("1", localize(exact_decimal(current), sep))]
        design.core = 1000000
    elif kind == 1:    # primary wire diameter: sqrt(2 P / U1 / 3.14) * 1000
        power = Fraction(157, 10 ** 8) * half * half
        design.primary = "1"
        design.secondaries = [(localize(exact_decimal(power), sep), "1")]
        design.core = 1000000
    elif kind in (2, 3):   # secondary turns: U n 1.05 with n 1.05 simple
        f, band, core, factor = rng.choice([
            (50, "60", 924, 5), (50, "60", 1155, 4), (50, "60", 2310, 2),
            (50, "60", 4620, 1), (50, "60", 9240, Fraction(1, 2)),
            (60, "60", 3850, 1), (60, "60", 1925, 2), (60, "60", 770, 5),
            (50, "20", 1155, 5), (50, "20", 5775, 1), (50, "20", 1925, 3)])
        volts = half / factor
        if volts.denominator % 3 == 0:
            volts = Fraction(2 * rng.randint(1, 500) + 1, 2)
        design.frequency, design.core = f, core
        design.secondaries = [(localize(exact_decimal(volts), sep), "0"),
                              (band, "1")]
    elif kind == 4:    # primary turns: U1 n with n simple
        f, band, core, n = rng.choice([
            (50, "60", 4400, 1), (50, "60", 880, 5), (50, "60", 1100, 4),
            (50, "60", 2200, 2), (50, "60", 8800, Fraction(1, 2)),
            (50, "20", 1100, 5), (50, "20", 550, 10), (60, "60", 1100,
                                                       Fraction(10, 3))])
        volts = half / n
        if volts.denominator % 3 == 0:
            volts = half * 3 / 10
        design.frequency, design.core = f, core
        design.primary = localize(exact_decimal(volts), sep)
        design.secondaries = [(band, "1")]
    elif kind == 5:    # smallest section: R * 100
        power = half * half / 10000
        design.secondaries = [(localize(exact_decimal(power), sep), "1")]
        design.core = 1
    elif kind == 6:    # required window: Round(1.3 Q) * 1.2 = ...5.00 x 10^k
        design.frequency, design.core = 50, 4400
        design.secondaries = [("60", "1")]
        wreq_digits_design(rng, design, sep)
        return
    else:              # window fill: 1.3 Q with Q an odd multiple of 5
        d, per = rng.choice([("0.1", 500), ("0.2", 125), ("0.01", 50000),
                             ("0.05", 2000), ("0.3", 500)])
        odd = 2 * rng.randint(0, 20) + 1
        design.frequency, design.core = 50, 4400
        design.primary = str(per * odd)
        design.secondaries = [("60", "1")]
        design.diameters = [localize(d, sep), ""]
    if not design.diameters and rng.random() < 0.7:
        design.diameters = [localize(plausible_diameter(rng), sep)
                            for _ in range(len(design.secondaries) + 1)]
    design.window = 10000000
    trace = model.run(design).trace
    q, a = trace.get("Q"), trace.get("A")
    if q is None:
        return
    if a is not None and rng.random() < 0.6:
        # W with A / (W / 100) * 100 = A * 10000 / W halfway
        total = 20000 * abs(a)
        odd = [k for k in range(1, 400, 2) if total % k == 0
               and q <= total // k <= 10000000]
        if odd:
            design.window = total // rng.choice(odd)
            return
    design.window = clamp(rng.choice([math.floor(q), math.ceil(q),
                                      math.floor(q) - 1]), 1, 10000000)


def wreq_digits_design(rng, design, sep):
    """A required window Round(1.3 Q) * 1.2 whose 16th significant digit is
    an exact 5 followed by zeros, so that the text depends on the last bits
    of the product (n = 1 here, so the primary turns equal U1)."""
    for _ in range(3000):
        turns = rng.randint(100000, 1000000)
        low = math.sqrt(6.5e15 / turns) * 10 ** 4
        high = math.sqrt(6.4e16 / turns) * 10 ** 4
        diameter = Fraction(rng.randint(int(low) + 1, int(high) - 1), 10 ** 4)
        d = model.round_to_extended(diameter)
        q = model.round_to_double(model.e_mul(model.e_mul(d, d), turns))
        if not 6.5e15 <= q < 6.4e16:
            continue
        if model.round_int(model.e_mul(model.C_1_3, q)) % 250 == 125:
            break
    design.primary = str(turns)
    design.diameters = [localize(exact_decimal(diameter), sep)]
    design.window = rng.randint(1, 10000000)


def invalid_design(rng, sep):
    design = plausible_design(rng, sep)
    bad = invalid_text(rng, sep)
    where = rng.randrange(5)
    if where == 0:
        design.primary = bad
    elif where in (1, 2):
        k = rng.randrange(len(design.secondaries))
        u, i = design.secondaries[k]
        design.secondaries[k] = (bad, i) if where == 1 else (u, bad)
    elif where == 3:
        if not design.diameters:
            design.diameters = [plausible_diameter(rng)]
        design.diameters[rng.randrange(len(design.diameters))] = bad
        design.core = 1000000
    else:
        design.thickness = bad
    return design


def random_design(rng):
    sep = rng.choice([",", "."])
    r = rng.random()
    if r < 0.5:
        design = plausible_design(rng, sep)
    elif r < 0.88:
        design = edge_design(rng, sep)
    else:
        design = invalid_design(rng, sep)
    del design.diameters[len(design.secondaries) + 1:]
    return design


# ---------------------------------------------------------------------------
# Running


def show(data):
    return data.decode("utf-8", errors="replace").replace("\r\n", "\n")


def report_figures(report, sep):
    """The figures a report shows, as the JSON object holds them."""
    lines = report.decode("utf-8").split("\r\n")

    def number(k, position=-1):
        return ("number", lines[k].split()[position].replace(sep, "."))

    if lines[0] == model.text(model.MES3):
        return {"coreSufficient": False, "smallestSection": number(1, -3)}
    voltage = len(model.text(model.MES16)) + 1
    current = len(model.text(model.MES17)) + 1
    n = sum(line.startswith(model.text(model.MES15) + " ") for line in lines)
    figures = {"coreSufficient": True,
               "primary": {"turns": number(8), "diameter": number(9)},
               "secondaries": [{"number": number(k),
                                "voltage": lines[k + 1][voltage:],
                                "current": lines[k + 2][current:],
                                "turns": number(k + 3),
                                "diameter": number(k + 4, -2)}
                               for k in range(13, 13 + 6 * n, 6)]}
    if len(lines) > 14 + 6 * n:
        key = "percent" if lines[-2].startswith(model.FILL5) \
            else "windowAreaNeeded"
        figures["fill"] = {key: number(-2, -2)}
    return figures


def json_mismatch(program, args, report_run, expected, sep):
    """What is wrong with the JSON output of a design, or None."""
    run = subprocess.run([program, "--format", "json"] + args,
                         capture_output=True, timeout=60)
    if (run.returncode, run.stderr) != (report_run.returncode,
                                        report_run.stderr):
        return "status or standard error differ from the report's"
    if run.returncode != 0:
        return "output after a failure: %r" % run.stdout if run.stdout \
            else None
    if run.stdout.count(b"\n") != 1 or not run.stdout.endswith(b"\n"):
        return "not one line: %r" % run.stdout
    try:
        got = json.loads(run.stdout.decode("utf-8"),
                         parse_int=lambda t: ("number", t),
                         parse_float=lambda t: ("number", t))
    except ValueError as error:
        return "no JSON (%s): %r" % (error, run.stdout)
    want = report_figures(report_run.stdout, sep)
    power = expected.trace["P"]
    want["loadPower"] = ("number", model.format_number(power, "."))
    want["induction"] = ("number", model.format_number(
        model.induction_factor(power), "."))
    if want["coreSufficient"]:
        want["turnsPerVolt"] = ("number",
                                model.format_number(expected.trace["n"], "."))
    if got.pop("inputs", None) is None or got != want:
        return "JSON %s\nreport figures %s" % (run.stdout.decode(), want)
    return None


def main():
    if len(sys.argv) != 2:
        print("usage: random_designs_test.py PATH/TO/navivor-calc",
              file=sys.stderr)
        return 2
    program = sys.argv[1]
    seed = int(os.environ.get("NAVIVOR_SEED") or random.randrange(1 << 32))
    count = int(os.environ.get("NAVIVOR_DESIGNS") or 300)
    print("seed %d, %d designs (set NAVIVOR_SEED and NAVIVOR_DESIGNS to "
          "repeat)" % (seed, count))
    sys.stdout.flush()
    rng = random.Random(seed)
    passed = failed = 0
    for number in range(count):
        design = random_design(rng)
        args = design.arguments()
        expected = model.run(design)
        actual = subprocess.run([program] + args, capture_output=True,
                                timeout=60)
        if (actual.returncode == expected.exit_status()
                and actual.stdout == expected.stdout()
                and actual.stderr == expected.stderr()):
            wrong = json_mismatch(program, args, actual, expected,
                                  design.separator) \
                if number < JSON_DESIGNS else None
            if wrong is None:
                passed += 1
                continue
            failed += 1
            if failed <= SHOWN_MISMATCHES:
                print("JSON MISMATCH in design %d:" % number)
                print("  navivor-calc --format json "
                      + " ".join(shlex.quote(a) for a in args))
                print(wrong)
            continue
        failed += 1
        if failed <= SHOWN_MISMATCHES:
            print("MISMATCH in design %d:" % number)
            print("  navivor-calc " + " ".join(shlex.quote(a) for a in args))
            print("--- expected (status %d)" % expected.exit_status())
            print(show(expected.stdout()) + show(expected.stderr()), end="")
            print("--- navivor-calc (status %d)" % actual.returncode)
            print(show(actual.stdout) + show(actual.stderr), end="")
            print("---")
            sys.stdout.flush()
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
