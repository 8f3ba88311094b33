#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Independent model of the winding sheet's will-it-work figures and of the
capacitor-input rectifier run in time, written from the rules alone.

It takes what navivor-calc's JSON says the sheet was worked out for (the core,
the allowances, each winding's turns, wire and current) and works out again the
layering, the resistances, the fit, the core's loss and magnetising current,
the settled temperature, efficiency and regulation; and, for a --dc winding,
the rectifier's steady state from the winding's voltage and resistance.
Floating point throughout: the comparison allows the tolerances it states.
"""

import math

# EN 10106 grades: guaranteed W/kg at 1.5 T 50 Hz, conventional density, and the
# typical curve (Modelica Standard Library ElectricSheet fits) they take.
CURVES = {
    "M350-50A": (1210, 1.16, 24630, 2.44, 14),
    "M530-50A": (2120, 1.25, 12400, 1.6, 13.5),
    "M700-100A": (1120, 1.2, 20750, 3.55, 13.15),
    "M940-100A": (680, 1.26, 17760, 3.13, 13.9),
}
GRADES = {
    "M270-35A": (0.35, 2.70, 7.65, "M350-50A"),
    "M330-35A": (0.35, 3.30, 7.65, "M350-50A"),
    "M350-50A": (0.50, 3.50, 7.65, "M350-50A"),
    "M400-50A": (0.50, 4.00, 7.70, "M350-50A"),
    "M530-50A": (0.50, 5.30, 7.70, "M530-50A"),
    "M800-50A": (0.50, 8.00, 7.80, "M700-100A"),
    "M800-65A": (0.65, 8.00, 7.80, "M700-100A"),
    "M1000-65A": (0.65, 10.00, 7.80, "M940-100A"),
    "M700-100A": (1.00, 7.00, 7.80, "M700-100A"),
    "M1000-100A": (1.00, 10.00, 7.80, "M940-100A"),
}
STACKING = {0.35: 0.95, 0.50: 0.97, 0.65: 0.97, 1.00: 0.98}
MU0 = 4e-7 * math.pi


def default_grade(thickness):
    if not thickness > 0:
        thickness = 0.5
    nearest = min(sorted({g[0] for g in GRADES.values()}),
                  key=lambda t: abs(t - thickness))
    names = sorted((n for n, g in GRADES.items() if g[0] == nearest),
                   key=lambda n: GRADES[n][1])
    return names[len(names) // 2]


def field_strength(curve, b):
    mu_i, b_max, c_a, c_b, n = CURVES[curve]
    bn = abs(b) / b_max
    mu_r = 1 + (mu_i - 1 + c_a * bn) / (1 + c_b * bn + bn ** n)
    return b / (MU0 * mu_r)


def rows(sheet, temperature):
    """The windings laid on the bobbin with the copper at the temperature."""
    core, allow = sheet["core"], sheet["allowances"]
    a, s, w, h = (core[k] for k in ("tongueWidth", "stackHeight",
                                     "windowWidth", "windowHeight"))
    windings = [sheet["primary"]] + sheet["secondaries"]
    out = []
    inner = allow["bobbinWall"]
    length_of_bobbin = h - 2 * allow["bobbinWall"]
    for wd in windings:
        turns, od = wd["turns"], wd["overallDiameter"]
        fitting = math.floor(length_of_bobbin / od) if length_of_bobbin > 0 else 0
        per_layer = min(fitting, max(turns, 1))
        layers = -(-turns // max(per_layer, 1))
        build = layers * (od + allow["layerInsulation"])
        mean_turn = 2 * (a + s) + 8 * (inner + build / 2)
        length = turns * mean_turn / 1000
        section = math.pi * wd["diameter"] ** 2 / 4
        r20 = length / 58 / section
        out.append({"turns": turns, "build": build, "lies": per_layer > 0,
                    "r": r20 * (1 + 0.00393 * (temperature - 20))})
        inner += build
    return out, inner


def performance(sheet, primary_voltage, frequency, thickness, ambient=25,
                insulation_class=130, steel=None, bulge=1, inter=0.4, wrap=0.4,
                held=None):
    core = sheet["core"]
    a, s, w, h = (core[k] for k in ("tongueWidth", "stackHeight",
                                     "windowWidth", "windowHeight"))
    currents = [x["current"] for x in sheet["secondaries"]]
    name = steel or default_grade(thickness)
    t, loss15, density, curve = GRADES[name]
    stacking = STACKING[t]
    result = {"steel": name}

    laid, total_build = rows(sheet, 20)
    depth = sheet["allowances"]["bobbinWall"] + wrap \
        + bulge * sum(r["build"] for r in laid) + (inter if len(laid) > 1 else 0)
    result["fillPercent"] = 100 * depth / w
    if not all(r["lies"] for r in laid) or result["fillPercent"] > 100:
        result["fit"] = "does-not-fit"
    else:
        result["fit"] = "tight" if result["fillPercent"] > 90 else "fits"

    n1 = laid[0]["turns"]
    i1 = sum(i * r["turns"] / n1 for i, r in zip(currents, laid[1:]))
    mass = ((2 * a + 2 * w) * (h + a) - 2 * w * h) * s * stacking * density / 1e6
    b = primary_voltage / (math.sqrt(2) * math.pi * frequency * n1 * a * s * 1e-6) / stacking
    path = (2 * w + 2 * h + 2.5 * a) / 1000
    result["coreMassKg"] = mass
    result["coreLossW"] = {}
    result["magnetisingCurrentA"] = {}
    for key, factor in (("nominal", 1), ("plus10", 1.1)):
        bk = b * factor
        result["coreLossW"][key] = loss15 * (bk / 1.5) ** 1.6 * frequency / 50 * mass
        # The RMS over a whole period, sampled finely.
        samples = 4000
        mean_square = sum(
            (field_strength(curve, bk * math.sin(2 * math.pi * (k + 0.5) / samples))
             * path / n1) ** 2 for k in range(samples)) / samples
        result["magnetisingCurrentA"][key] = math.sqrt(mean_square)

    surface = 2 * ((2 * a + 2 * w) * (h + a) + (2 * a + 2 * w) * (s + 2 * total_build)
                   + (h + a) * (s + 2 * total_build)) / 100

    def losses(temperature):
        laid_t, _ = rows(sheet, temperature)
        r1 = laid_t[0]["r"]
        copper = i1 * i1 * r1 + sum(i * i * r["r"] for i, r in zip(currents, laid_t[1:]))
        return copper, laid_t

    def rise_at(temperature):
        copper, _ = losses(temperature)
        return 450 * ((copper + result["coreLossW"]["nominal"]) / surface) ** 0.826

    if held is not None:
        temperature = held
    else:
        # The settled temperature as the root of T = ambient + rise(T), by bisection.
        low, high = ambient, 220.0
        if ambient + rise_at(high) >= high:
            low = high
        for _ in range(100):
            mid = (low + high) / 2
            if ambient + rise_at(mid) > mid:
                low = mid
            else:
                high = mid
        temperature = (low + high) / 2
    copper, laid_t = losses(temperature)
    rise = rise_at(temperature)
    result["temperatureRiseK"] = rise
    result["windingTemperature"] = temperature
    result["copperLossW"] = copper
    volts_per_turn = (primary_voltage - i1 * laid_t[0]["r"]) / n1
    output = 0
    regulation = []
    for i, r in zip(currents, laid_t[1:]):
        no_load = primary_voltage * r["turns"] / n1
        loaded = volts_per_turn * r["turns"] - i * r["r"]
        output += loaded * i
        regulation.append(100 * (no_load - loaded) / loaded)
    result["efficiency"] = 100 * output / (output + copper + result["coreLossW"]["nominal"])
    result["regulationPercent"] = regulation
    result["aboveInsulationClass"] = ambient + rise > insulation_class
    return result


def rectifier(kind, open_voltage, resistance, frequency, diode_drop, load_current,
              capacitance_uf, mains=1.0, steps=2000):
    """Steady state of the capacitor-input rectifier: while the diodes conduct,
    the capacitor follows the exact response to a source rising in a straight
    line over the step; otherwise it discharges in a straight line. The periodic
    state is found by the Illinois form of regula falsi on the voltage a period
    starts and ends at."""
    peak = math.sqrt(2) * open_voltage * mains
    r, drop, both = resistance, diode_drop, True
    if kind == "bridge":
        drop = 2 * diode_drop
    elif kind == "centre-tap":
        peak, r = peak / 2, resistance / 2
    else:
        both = False
    c = capacitance_uf * 1e-6
    dt = 1 / (frequency * steps)
    decay = math.exp(-dt / (r * c))
    tau = r * c

    def source(k):
        sine = math.sin(2 * math.pi * k / steps)
        return (abs(sine) if both else max(sine, 0)) * peak - drop

    sources = [(source(k), source(k + 1)) for k in range(steps)]

    def period(v, record=None):
        for e0, e1 in sources:
            i = 0
            v_next = v - load_current * dt / c
            if max(e0, e1) > v:
                slope = (e1 - e0) / dt
                particular0 = e0 - load_current * r - slope * tau
                charged = particular0 + slope * dt + (v - particular0) * decay
                i = (e1 - charged) / r
                if i > 0:
                    v_next = charged
                else:
                    i = 0
            v = max(v_next, 0)
            if record is not None:
                record.append((v, i))
        return v

    low, high = 0.0, max(peak - drop, 0.0)
    g_low, g_high = period(low) - low, period(high) - high
    side = 0
    for _ in range(200):
        if g_low <= 0 or g_high >= 0 or high - low < 1e-9:
            break
        mid = (low * g_high - high * g_low) / (g_high - g_low)
        g_mid = period(mid) - mid
        if g_mid > 0:
            low, g_low = mid, g_mid
            if side == 1:
                g_high /= 2
            side = 1
        else:
            high, g_high = mid, g_mid
            if side == -1:
                g_low /= 2
            side = -1
    start = low if g_low <= 0 else (high if g_high >= 0 else (low + high) / 2)
    record = []
    period(start, record)
    values = [v for v, _ in record]
    currents = [i for _, i in record]
    mean_square = sum(i * i for i in currents) / steps
    if kind == "centre-tap":
        mean_square /= 2
    return {"averageV": sum(values) / steps, "troughV": min(values),
            "rippleV": max(values) - min(values),
            "windingRmsA": math.sqrt(mean_square), "diodePeakA": max(currents)}
