#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Independent reference model of the Navivor calculations.

Every value is held as an exact rational (fractions.Fraction); the binary
formats are reproduced by explicit rounding functions:

  round_to_extended(x)  64-bit significand, 15-bit exponent, subnormals,
                        round to nearest, ties to even
  round_to_double(x)    53-bit significand, 11-bit exponent, subnormals,
                        round to nearest, ties to even

Each arithmetic step that the program performs in extended precision is
written as the exact operation followed by round_to_extended; the points
where a value is kept as a double apply round_to_double to that extended
result.  Arithmetic failures are raised as CalcError with the message the
program shows.

The model predicts what `navivor-calc` prints (built-in Russian texts,
UTF-8, CR LF line ends) for a given set of inputs: exit status, stdout
bytes and stderr bytes.  Run it as a script with the same options as
navivor-calc to print the predicted report.
"""

from fractions import Fraction
import math
import sys

# ---------------------------------------------------------------------------
# Errors


class CalcError(Exception):
    """An error that ends the calculation; `message` is the text shown."""

    def __init__(self, message):
        super().__init__(message)
        self.message = message


INVALID = "Invalid floating point operation"
ZERO_DIVIDE = "Floating point division by zero"
OVERFLOW = "Floating point overflow"


def conversion_error(text):
    return CalcError("'%s' is not a valid floating point value" % text)


# ---------------------------------------------------------------------------
# Binary rounding


def _round_half_even(x):
    """Nearest integer to the Fraction x, ties to even."""
    q, r = divmod(x.numerator, x.denominator)  # floor division
    twice = 2 * r
    if twice > x.denominator or (twice == x.denominator and q % 2 == 1):
        q += 1
    return q


def _floor_log2(a):
    """floor(log2(a)) for a positive Fraction."""
    e = a.numerator.bit_length() - a.denominator.bit_length()
    # 2^e <= a < 2^(e+1) must hold; the estimate is off by at most one.
    if e >= 0:
        if a.numerator < a.denominator << e:
            e -= 1
    else:
        if a.numerator << -e < a.denominator:
            e -= 1
    return e


def _pow2(e):
    return Fraction(1 << e) if e >= 0 else Fraction(1, 1 << -e)


def _round_binary(x, precision, emin, emax):
    if x == 0:
        return Fraction(0)
    a = abs(x)
    e = max(_floor_log2(a), emin)
    q = e - (precision - 1)          # exponent of the last significand bit
    m = _round_half_even(a / _pow2(q))
    result = m * _pow2(q)
    if result >= _pow2(emax + 1):
        raise CalcError(OVERFLOW)
    return result if x > 0 else -result


EXT_EMIN, EXT_EMAX = -16382, 16383
DBL_EMIN, DBL_EMAX = -1022, 1023


def round_to_extended(x):
    return _round_binary(Fraction(x), 64, EXT_EMIN, EXT_EMAX)


def round_to_double(x):
    return _round_binary(Fraction(x), 53, DBL_EMIN, DBL_EMAX)


def is_extended_denormal(x):
    return x != 0 and abs(x) < _pow2(EXT_EMIN)


# Shorthands for one operation in extended.
def e_add(a, b):
    return round_to_extended(a + b)


def e_mul(a, b):
    return round_to_extended(a * b)


def e_div(a, b):
    if b == 0:
        raise CalcError(INVALID if a == 0 else ZERO_DIVIDE)
    return round_to_extended(Fraction(a) / b)


def e_sqrt(a):
    """Square root rounded to extended; a negative operand is invalid."""
    a = Fraction(a)
    if a < 0:
        raise CalcError(INVALID)
    if a == 0:
        return Fraction(0)
    # The root of an extended value is always a normal extended value.
    e = _floor_log2(a) // 2
    q = e - 63
    # sqrt(a) / 2^q = sqrt(a / 4^q); find its nearest integer.
    v = a / _pow2(2 * q)
    k = math.isqrt(v.numerator // v.denominator)   # floor(sqrt(v))
    # sqrt(v) >= k + 1/2  <=>  v >= k^2 + k + 1/4
    half = Fraction(4 * k * k + 4 * k + 1, 4)
    if v > half or (v == half and k % 2 == 1):
        k += 1
    return round_to_extended(k * _pow2(q))


def round_int(x):
    """Round: nearest 64-bit integer, ties to even; outside the range invalid."""
    r = _round_half_even(Fraction(x))
    if r < -(1 << 63) or r > (1 << 63) - 1:
        raise CalcError(INVALID)
    return r


def nearest_extended(decimal):
    return round_to_extended(Fraction(decimal))


def nearest_double(decimal):
    return round_to_double(Fraction(decimal))


C_3_14 = nearest_extended("3.14")
C_1_05 = nearest_extended("1.05")
C_1_3 = nearest_extended("1.3")
C_1_2 = nearest_extended("1.2")
C_0_1 = nearest_extended("0.1")

B_TABLE = [  # upper bound of the band (inclusive), induction factor
    (10, nearest_double("0.7")),
    (30, nearest_double("0.8")),
    (50, nearest_double("0.9")),
    (100, nearest_double("1.0")),
]
B_ABOVE = nearest_double("1.2")


def induction_factor(p):
    for bound, b in B_TABLE:
        if p <= bound:
            return b
    return B_ABOVE


# ---------------------------------------------------------------------------
# Number text


def parse_number(text, sep):
    """Value of a number text (an extended value) or the conversion error."""
    i, n = 0, len(text)
    while i < n and text[i] == " ":
        i += 1
    negative = False
    if i < n and text[i] in "+-":
        negative = text[i] == "-"
        i += 1
    mantissa_digits = []
    fraction_count = 0
    seen = False
    while i < n and text[i].isascii() and text[i].isdigit():
        mantissa_digits.append(text[i])
        i += 1
        seen = True
    if i < n and text[i] == sep:
        i += 1
        seen = True
        while i < n and text[i].isascii() and text[i].isdigit():
            mantissa_digits.append(text[i])
            fraction_count += 1
            i += 1
    if not seen:
        raise conversion_error(text)
    exponent = 0
    if i < n and text[i] in "eE":
        i += 1
        exp_negative = False
        if i < n and text[i] in "+-":
            exp_negative = text[i] == "-"
            i += 1
        while (i < n and text[i].isascii() and text[i].isdigit()
               and exponent < 500):
            exponent = exponent * 10 + int(text[i])
            i += 1
        if exp_negative:
            exponent = -exponent
    while i < n and text[i] == " ":
        i += 1
    if i != n:
        raise conversion_error(text)
    m = _digits_value("".join(mantissa_digits))
    x = exponent - fraction_count
    value = Fraction(m) * (Fraction(10) ** x)
    try:
        value = round_to_extended(value)
    except CalcError:
        raise conversion_error(text)
    return -value if negative else value


def _digits_value(digits):
    """Integer value of a digit string of any length."""
    value = 0
    for start in range(0, len(digits), 1000):
        chunk = digits[start:start + 1000]
        value = value * 10 ** len(chunk) + int(chunk)
    return value


def _decimal_exponent(a):
    """E with 10^(E-1) <= a < 10^E for a positive Fraction a."""
    bits = a.numerator.bit_length() - a.denominator.bit_length()
    e = int(bits * 0.30102999566398120)
    while a >= Fraction(10) ** e:
        e += 1
    while a < Fraction(10) ** (e - 1):
        e -= 1
    return e


def format_number(x, sep):
    """Number-to-text conversion, general format, 15 significant digits."""
    x = Fraction(x)
    if x == 0 or is_extended_denormal(x):
        return "0"
    a = abs(x)
    e = _decimal_exponent(a)
    d18 = _round_half_even(a * Fraction(10) ** (18 - e))
    if d18 == 10 ** 18:
        d18 = 10 ** 17
        e += 1
    d15 = d18 // 1000
    if (d18 // 100) % 10 >= 5:
        d15 += 1
        if d15 == 10 ** 15:
            d15 = 10 ** 14
            e += 1
    digits = str(d15).rstrip("0")
    sign = "-" if x < 0 else ""
    if -3 <= e <= 15:
        if e <= 0:
            return sign + "0" + sep + "0" * (-e) + digits
        if len(digits) <= e:
            return sign + digits + "0" * (e - len(digits))
        return sign + digits[:e] + sep + digits[e:]
    text = sign + digits[0]
    if len(digits) > 1:
        text += sep + digits[1:]
    return text + "E" + ("-" if e - 1 < 0 else "") + str(abs(e - 1))


def format_int(i):
    return str(i)


# ---------------------------------------------------------------------------
# Report texts (built-in; trailing blanks of looked-up texts dropped)

MES1 = "Введите значение толщины пластин сердечника !"
MES3 = "Недостаточное сечение сердечника !!!"
MES4 = "Требуемое сечение сердечника не менее "
MES5 = " мм. кв."
MES6 = "РАСЧЕТ ТРАНСФОРМАТОРА С Ш-ОБРАЗНЫМ СЕРДЕЧНИКОМ "
MES7 = "Частота тока, Гц - "
MES8 = "Напряжение первичной обмотки, В -"
MES9 = "Площадь сечения сердечника в месте распол. обмотки, мм.кв. -"
MES10 = "Мощность нагрузки, Вт -"
MES11 = "ПЕРВИЧНАЯ ОБМОТКА :"
MES12 = "Количество витков :"
MES13 = "Расчетный диаметр провода, мм.:"
MES14 = "ВТОРИЧНЫЕ ОБМОТКИ :"
MES15 = "Обмотка"
MES16 = "Расчетное напряжение, В -"
MES17 = "Расчетный ток, А -"


def text(builtin):
    """Text lookup without a language file: the built-in text, trailing
    blanks removed, leading blanks kept."""
    return builtin.rstrip(" ")


FILL1 = "ЗАПОЛНЕНИЕ ОКНА СЕРДЕЧНИКА"
FILL2 = "Площадь окна сердечника :"
FILL3 = "Принятый диаметр провода первичной обмотки : "
FILL4 = "Принятый диаметр провода вторичной обмотки "
FILL5 = "Заполнение окна : "
FILL6 = "Требуемая площадь окна : "


# ---------------------------------------------------------------------------
# The calculations


class Design:
    """Inputs of one navivor-calc run (texts exactly as passed)."""

    def __init__(self, primary="220", secondaries=None, frequency=50, core=1,
                 window=1, thickness=None, diameters=None, separator=","):
        self.primary = primary
        self.secondaries = list(secondaries) if secondaries else [("12", "2")]
        self.frequency = frequency
        self.core = core
        self.window = window
        self.thickness = thickness
        self.diameters = list(diameters or [])
        self.separator = separator

    def arguments(self):
        args = ["--separator", self.separator, "--primary", self.primary]
        for u, i in self.secondaries:
            args += ["--secondary", u + ":" + i]
        args += ["--frequency", str(self.frequency), "--core", str(self.core),
                 "--window", str(self.window)]
        if self.thickness is not None:
            args += ["--thickness", self.thickness]
        for d in self.diameters:
            args += ["--diameter", d]
        return args


class Outcome:
    def __init__(self):
        self.lines = []
        self.error = None      # message of the error that ended the run
        self.message = None    # the thickness message
        # Internals, for the design generator.
        self.trace = {"ties": 0, "near ties": 0}

    def exit_status(self):
        return 1 if (self.error is not None or self.message is not None) else 0

    def stdout(self):
        return "".join(line + "\r\n" for line in self.lines).encode("utf-8")

    def stderr(self):
        if self.message is not None:
            return (self.message + "\n").encode("utf-8")
        if self.error is not None:
            shown = self.error
            if shown and shown[-1] > ".":
                shown += "."
            return (shown + "\n").encode("utf-8")
        return b""


class _Calculator:
    def __init__(self, design, outcome):
        self.d = design
        self.out = outcome
        self.sep = design.separator
        self.primary = design.primary
        self.volts = [u for u, _ in design.secondaries]
        self.amps = [i for _, i in design.secondaries]
        self.store_primary = Fraction(0)
        self.store = [Fraction(0)] * 50

    def value(self, t):
        return parse_number(t, self.sep)

    def round(self, x):
        if x.denominator == 2:
            self.out.trace["ties"] += 1
        elif abs(x - math.floor(x) - Fraction(1, 2)) < Fraction(1, 1 << 30):
            self.out.trace["near ties"] += 1
        return round_int(x)

    def emit(self, line):
        self.out.lines.append(line)

    def press_checks(self):
        thickness = self.d.thickness
        if thickness is None:
            thickness = "0" + self.sep + "1"
        if thickness == "" or not self.value(thickness) > 0:
            self.out.message = text(MES1)
            return False
        if self.value(self.primary) < C_0_1:
            self.primary = format_number(C_0_1, self.sep)
        return True

    def winding(self):
        sep, tr = self.sep, self.out.trace
        p = Fraction(0)
        for k in range(len(self.volts)):
            if self.volts[k] == "":
                self.volts[k] = "0"
                u = Fraction(0)
            else:
                u = round_to_double(self.value(self.volts[k]))
            if self.amps[k] == "":
                self.amps[k] = "0"
                i = Fraction(0)
            else:
                i = round_to_double(self.value(self.amps[k]))
            p = round_to_double(e_add(e_mul(u, i), p))
        tr["P"] = p
        b = induction_factor(p)
        r = round_to_double(e_sqrt(p))
        tr["R"] = r
        s, f = self.d.core, self.d.frequency
        if not e_div(s, 100) >= r:
            self.emit(text(MES3))
            smin = self.round(e_mul(r, 100)) + 1
            self.emit(text(MES4) + " " + format_number(smin, sep) + " "
                      + text(MES5))
            return False
        t = e_mul(f, b)
        n = round_to_double(e_div(2200, e_mul(e_div(s, 10000), t)))
        n = round_to_double(e_div(n, 100))
        tr["n"] = n
        self.emit(text(MES6))
        self.emit(text(MES7) + " " + format_int(f))
        self.emit(text(MES8) + " " + self.primary)
        self.emit(text(MES9) + " " + format_int(s))
        self.emit(text(MES10) + " " + format_number(p, sep))
        self.emit(" ")
        self.emit(text(MES11))
        self.emit(" ")
        u1 = self.value(self.primary)
        n1 = self.round(e_mul(u1, n))
        self.emit(text(MES12) + " " + format_number(n1, sep))
        self.store_primary = round_to_double(n1)
        c = e_div(e_div(e_mul(2, p), u1), C_3_14)
        m = self.round(e_mul(e_sqrt(c), 1000))
        d1 = round_to_double(e_div(m, 1000))
        self.emit(text(MES13) + " " + format_number(d1, sep))
        self.emit(" ")
        self.emit(text(MES14))
        self.emit(" ")
        for k in range(len(self.volts)):
            self.emit(text(MES15) + " " + format_int(k + 1))
            uk = self.value(self.volts[k])
            tk = self.round(e_mul(e_mul(uk, n), C_1_05))
            self.store[k] = round_to_double(tk)
            self.emit(text(MES16) + " " + self.volts[k])
            self.emit(text(MES17) + " " + self.amps[k])
            self.emit(text(MES12) + " " + format_number(tk, sep))
            ik = self.value(self.amps[k])
            c = e_div(e_mul(ik, 2), C_3_14)
            m = self.round(e_mul(e_sqrt(c), 1000))
            dk = round_to_double(e_div(m, 1000))
            self.emit(text(MES13) + " " + format_number(dk, sep) + " мм.")
            self.emit(" ")
        return True

    def fill(self, diameters):
        sep, tr = self.sep, self.out.trace
        w = self.d.window
        if diameters[0] == "":
            diameters[0] = "0"
        self.emit(FILL1)
        self.emit(FILL2 + format_int(w) + " мм. кв.")
        self.emit(FILL3 + diameters[0] + " мм.")
        d1 = self.value(diameters[0])
        q = round_to_double(e_mul(e_mul(d1, d1), self.store_primary))
        for k in range(1, len(self.volts) + 1):
            if diameters[k] == "":
                diameters[k] = "0"
            dk = self.value(diameters[k])
            q = round_to_double(
                e_add(e_mul(e_mul(dk, dk), self.store[k - 1]), q))
            self.emit(FILL4 + format_int(k) + " : " + diameters[k] + " мм.")
        tr["Q"] = q
        if w >= q:
            wp = e_div(w, 100)
            a = self.round(e_add(e_mul(C_1_3, q), 10))
            tr["A"] = a
            fill = e_div(self.round(e_mul(e_div(a, wp), 100)), 100)
            self.emit(FILL5 + format_number(fill, sep) + " %")
        else:
            wreq = e_mul(self.round(e_mul(C_1_3, q)), C_1_2)
            self.emit(FILL6 + format_number(wreq, sep) + " мм.кв.")


def run(design):
    """Predict one navivor-calc run; returns an Outcome."""
    out = Outcome()
    calc = _Calculator(design, out)
    try:
        if not calc.press_checks():
            return out
        sufficient = calc.winding()
        out.trace["sufficient"] = sufficient
        if sufficient and design.diameters:
            cells = [""] * (len(design.secondaries) + 1)
            cells[:len(design.diameters)] = design.diameters
            if not calc.press_checks():
                return out
            calc.fill(cells)
    except CalcError as error:
        out.error = error.message
    return out


# ---------------------------------------------------------------------------
# Command line


def parse_arguments(argv):
    """The navivor-calc options the model understands, as a Design."""
    d = Design(secondaries=[("12", "2")], separator=".")
    secondaries = []
    i = 0
    while i < len(argv):
        option = argv[i]
        if i + 1 >= len(argv):
            raise SystemExit("option %s needs a value" % option)
        value = argv[i + 1]
        i += 2
        if option == "--primary":
            d.primary = value
        elif option == "--secondary":
            if ":" not in value:
                raise SystemExit("--secondary takes VOLTAGE:CURRENT")
            u, _, c = value.partition(":")
            secondaries.append((u, c))
        elif option == "--frequency":
            d.frequency = int(value)
        elif option == "--core":
            d.core = int(value)
        elif option == "--window":
            d.window = int(value)
        elif option == "--thickness":
            d.thickness = value
        elif option == "--diameter":
            d.diameters.append(value)
        elif option == "--separator":
            d.separator = value
        else:
            raise SystemExit("unknown option %s (the model reads --primary, "
                             "--secondary, --frequency, --core, --window, "
                             "--thickness, --diameter and --separator)"
                             % option)
    if secondaries:
        d.secondaries = secondaries
    return d


def main(argv=None):
    argv = sys.argv[1:] if argv is None else argv
    outcome = run(parse_arguments(argv))
    sys.stdout.flush()
    sys.stdout.buffer.write(outcome.stdout())
    sys.stdout.buffer.flush()
    sys.stderr.buffer.write(outcome.stderr())
    sys.stderr.buffer.flush()
    return outcome.exit_status()


if __name__ == "__main__":
    sys.exit(main())
