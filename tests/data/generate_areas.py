#!/usr/bin/env python3
"""Expected areas for tst_areas, worked out apart from the program.

Each formula is evaluated in the order the screens define, every step
rounded to the x87 extended format (64-bit mantissa, ties to even), the
result then rounded to a double, exactly as the program stores it. The
constants are the extended values nearest to their decimal texts. Beside a
few rows worked by hand, the script searches for inputs that tell the
extended evaluation apart from one in doubles, and inputs whose result moves
when a constant is one extended unit larger or smaller, so that a formula
computed in doubles, or a constant changed in a late digit, fails a row.

Run by hand; it rewrites areas.txt beside it:  python3 generate_areas.py
"""
from fractions import Fraction as F
import math
import os
import random

PI_TEXT = "3.14159265358979323851"
PI4_TEXT = "0.785398163397448309628"
PI8_TEXT = "0.392699081698724154814"


def round_bits(x, bits):
    """x rounded to `bits` significant bits, ties to even (no range limits)."""
    if x == 0:
        return F(0)
    sign = -1 if x < 0 else 1
    x = abs(x)
    e = math.floor(math.log2(x.numerator) - math.log2(x.denominator))
    # fix e so that 2^e <= x < 2^(e+1)
    while F(2) ** e > x:
        e -= 1
    while F(2) ** (e + 1) <= x:
        e += 1
    scale = F(2) ** (bits - 1 - e)
    scaled = x * scale
    n = scaled.numerator // scaled.denominator
    rest = scaled - n
    if rest > F(1, 2) or (rest == F(1, 2) and n % 2 == 1):
        n += 1
    return sign * F(n) / scale


def ext(x):
    return round_bits(F(x), 64)


def dbl(x):
    return round_bits(F(x), 53)


def isqrt_frac(x, bits):
    """sqrt(x) correctly rounded to `bits` bits (x >= 0)."""
    if x == 0:
        return F(0)
    # find e with 2^e <= sqrt(x) < 2^(e+1)
    e = (math.floor(math.log2(x.numerator) - math.log2(x.denominator))) // 2
    while F(2) ** (2 * e) > x:
        e -= 1
    while F(2) ** (2 * e + 2) <= x:
        e += 1
    # sqrt(x) * 2^(bits-1-e) with two guard bits, floor, then round
    shift = bits - 1 - e + 2
    target = x * F(2) ** (2 * shift)
    n = math.isqrt(target.numerator // target.denominator)
    # n = floor(sqrt(target)) unless the floor division lost an exact root
    exact = (F(n) ** 2 == target)
    low = n & 3
    n >>= 2
    if low > 2 or (low == 2 and (not exact or n % 2 == 1)):
        n += 1
    return F(n) / F(2) ** (shift - 2)


class Arith:
    """One precision: every operation rounded to it."""

    def __init__(self, rnd, sqrt):
        self.r = rnd
        self.sqrt_ = sqrt

    def mul(self, a, b):
        return self.r(a * b)

    def div(self, a, b):
        return self.r(F(a) / b)

    def add(self, a, b):
        return self.r(a + b)

    def sub(self, a, b):
        return self.r(a - b)

    def sqrt(self, a):
        if a < 0:
            return None  # NaN
        return self.sqrt_(a)


EXT = Arith(ext, lambda a: isqrt_frac(a, 64))
DBL = Arith(dbl, lambda a: isqrt_frac(a, 53))


def consts(A, pi_shift=0, pi4_shift=0, pi8_shift=0):
    """The constants held in A's precision, optionally moved by whole units
    of their last place (to find rows that notice a changed constant)."""
    def held(text, shift):
        c = A.r(F(text))
        if shift:
            ulp = c - round_bits(c - c / 2 ** 70, 64) if A is EXT else None
            # one unit in the last place of c in the extended format
            e = math.floor(math.log2(c))
            c = c + shift * F(2) ** (e - 63)
        return c
    return {"pi": held(PI_TEXT, pi_shift), "pi4": held(PI4_TEXT, pi4_shift), "pi8": held(PI8_TEXT, pi8_shift)}


def formulas(A, c):
    m, d, a_, s_, q = A.mul, A.div, A.add, A.sub, A.sqrt

    def three_sides(a, b, cc):
        A2, B2, C2 = m(a, a), m(b, b), m(cc, cc)
        if b == 0:
            return None
        proj = d(s_(a_(A2, B2), C2), m(2, b))
        root = q(s_(A2, m(proj, proj)))
        return None if root is None else m(d(b, 2), root)

    def diag_side(side, diag):
        root = q(s_(m(diag, diag), m(side, side)))
        return None if root is None else m(side, root)

    def polygon2(n, R, s):
        root = q(s_(m(R, R), d(m(s, s), 4)))
        return None if root is None else m(root, d(m(n, s), 2))

    return {
        "triangleBySideAndHeight": lambda s, h: d(m(s, h), 2),
        "triangleByThreeSides": three_sides,
        "rectangleByTwoSides": lambda a, b: m(a, b),
        "rectangleByDiagonalAndSide": diag_side,
        "squareBySide": lambda s: m(s, s),
        "squareByDiagonal": lambda dd: m(m(F(1, 2), dd), dd),
        "parallelogram": lambda s, h: m(s, h),
        "circleByRadius": lambda r: m(m(r, r), c["pi"]),
        "circleByDiameter": lambda dd: m(m(dd, dd), c["pi4"]),
        "trapezoid": lambda a, b, h: d(m(a_(a, b), h), 2),
        "polygonByInradius": lambda n, r, s: d(m(m(n, s), r), 2),
        "polygonByCircumradius": polygon2,
        "ellipse": lambda a, b: m(m(a, b), c["pi"]),
        "semicircleByRadius": lambda r: d(m(m(r, r), c["pi"]), 2),
        "semicircleByDiameter": lambda dd: m(m(dd, dd), c["pi8"]),
    }


WHOLE = {"triangleByThreeSides", "rectangleByDiagonalAndSide", "squareByDiagonal", "circleByDiameter",
         "semicircleByDiameter"}
ARITY = {"triangleBySideAndHeight": 2, "triangleByThreeSides": 3, "rectangleByTwoSides": 2,
         "rectangleByDiagonalAndSide": 2, "squareBySide": 1, "squareByDiagonal": 1, "parallelogram": 2,
         "circleByRadius": 1, "circleByDiameter": 1, "trapezoid": 3, "polygonByInradius": 3,
         "polygonByCircumradius": 3, "ellipse": 2, "semicircleByRadius": 1, "semicircleByDiameter": 1}
CONSTANT = {"circleByRadius": "pi", "ellipse": "pi", "semicircleByRadius": "pi", "circleByDiameter": "pi4",
            "semicircleByDiameter": "pi8"}


def stored(value):
    """The double the program stores, or None for NaN."""
    return None if value is None else dbl(value)


def text(value):
    return "NAN" if value is None else "%.17e" % float(value)


def evaluate(arith, name, inputs, **shift):
    return stored(formulas(arith, consts(arith, **shift))[name](*inputs))


def parse(t):
    return F(float(t)) if "." in t or "e" in t else F(int(t))


HAND = [
    ("triangleBySideAndHeight", ["4", "3"]),
    ("triangleByThreeSides", ["3", "4", "5"]),
    ("triangleByThreeSides", ["1", "2", "5"]),
    ("rectangleByDiagonalAndSide", ["3", "5"]),
    ("rectangleByDiagonalAndSide", ["5", "3"]),
    ("squareByDiagonal", ["10"]),
    ("squareBySide", ["2.5"]),
    ("circleByRadius", ["1"]),
    ("circleByDiameter", ["2"]),
    ("trapezoid", ["3", "5", "2"]),
    ("polygonByInradius", ["6", "1.7320508", "2"]),
    ("polygonByCircumradius", ["6", "2", "2"]),
    ("polygonByCircumradius", ["6", "2", "5"]),
    ("ellipse", ["2", "3"]),
    ("semicircleByRadius", ["2"]),
    ("semicircleByDiameter", ["2"]),
]


def random_input(rng, name):
    if name in WHOLE:
        return str(rng.randint(2, 999999))
    digits = rng.randint(3, 8)
    return ("%." + str(rng.randint(1, 5)) + "f") % (rng.randint(10 ** (digits - 1), 10 ** digits - 1) / 10 ** 3)


def search(rng, name, wanted, limit=400000):
    """Inputs for which `wanted(inputs)` holds, or None."""
    for _ in range(limit):
        inputs = [random_input(rng, name) for _ in range(ARITY[name])]
        if name == "triangleByThreeSides":
            a, b = sorted(int(x) for x in inputs[:2])
            inputs = [str(a), str(b), str(rng.randint(b - a + 1, a + b - 1))] if b - a + 1 < a + b - 1 else inputs
        if name == "rectangleByDiagonalAndSide":
            s, dd = sorted(int(x) for x in inputs)
            inputs = [str(s), str(dd)]
        if name == "polygonByCircumradius":
            n, R, s = inputs
            if float(s) >= 2 * float(R):
                continue
        values = [parse(t) for t in inputs]
        if wanted(values):
            return inputs
    return None


def main():
    rng = random.Random(1729)
    rows = []
    for name, inputs in HAND:
        rows.append((name, inputs, "worked by hand"))
    for name in ARITY:
        found = 0
        for attempt in range(3):
            inputs = search(rng, name, lambda v: evaluate(EXT, name, v) != evaluate(DBL, name, v))
            if inputs:
                rows.append((name, inputs, "extended and double evaluation differ"))
                found += 1
            if found == 2:
                break
        if name in CONSTANT:
            key = CONSTANT[name] + "_shift"
            for shift in (1, -1):
                inputs = search(rng, name, lambda v: evaluate(EXT, name, v) != evaluate(EXT, name, v, **{key: shift}))
                if inputs:
                    rows.append((name, inputs, "moves when the constant is %s by one unit" %
                                 ("larger" if shift > 0 else "smaller")))
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "areas.txt")
    with open(out, "w") as f:
        f.write("# formula\tinputs\texpected double (18 significant digits)\twhy\n")
        f.write("# written by generate_areas.py; do not edit by hand\n")
        for name, inputs, why in rows:
            value = evaluate(EXT, name, [parse(t) for t in inputs])
            f.write("%s\t%s\t%s\t%s\n" % (name, " ".join(inputs), text(value), why))
    print("%d rows" % len(rows))


if __name__ == "__main__":
    main()
