#!/usr/bin/env python3
"""Expected answers of the progression screens, worked independently of the
program: exact rationals, each extended-precision operation rounded to a
64-bit significand, logarithms and powers of two taken to 200 bits and then
rounded, the result stored as a double and written with 18 significant
digits as the answer line writes it. Run by hand; its output rows are
copied into tst_progressions.cpp."""
from fractions import Fraction as F
import mpmath

mpmath.mp.prec = 200


def rnd(x, bits):
    """x rounded to `bits` significant bits, ties to even."""
    x = F(x)
    if x == 0:
        return x
    sign = -1 if x < 0 else 1
    x = abs(x)
    e = x.numerator.bit_length() - x.denominator.bit_length()
    while F(2) ** e > x:
        e -= 1
    while F(2) ** (e + 1) <= x:
        e += 1
    scale = F(2) ** (bits - 1 - e)
    m = x * scale
    q, r = divmod(m.numerator, m.denominator)
    if 2 * r > m.denominator or (2 * r == m.denominator and q % 2):
        q += 1
    return sign * F(q) / scale


def ext(x):
    return rnd(x, 64)


def dbl(x):
    return rnd(x, 53)


def typed(text):
    """A typed number as the parser gives it: the nearest double."""
    return F(float(text.replace(',', '.')))


def mp(x):
    return mpmath.mpf(x.numerator) / x.denominator


def _exact(x):
    """The exact value of an mpmath number."""
    sign, man, exp, _ = mpmath.mpf(x)._mpf_
    value = F(man) * F(2) ** exp if exp >= 0 else F(man, 2 ** -exp)
    return -value if sign else value


LOG2E = ext(_exact(1 / mpmath.log(2)))


def ln(x):
    return ext(_exact(mpmath.log(mp(x))))


def exp2(x):
    return ext(_exact(mpmath.power(2, mp(x))))


def power(q, e):
    """q^e through ln and exp, each step in extended precision."""
    y = ext(ext(e * ln(q)) * LOG2E)
    return exp2(y)


def fmt(x, digits):
    """Fixed notation with 18 significant digits and `digits` places."""
    from decimal import Decimal, ROUND_HALF_EVEN, ROUND_HALF_UP, getcontext
    getcontext().prec = 400
    d = Decimal(x.numerator) / Decimal(x.denominator)
    if d == 0:
        return '0' + (',' + '0' * digits if digits else '')
    neg = d < 0
    d = abs(d)
    exp = d.adjusted()
    d18 = d.quantize(Decimal(1).scaleb(exp - 17), rounding=ROUND_HALF_EVEN)
    keep = min(18, exp + 1 + digits)
    q = Decimal(1).scaleb(exp + 1 - keep)
    cut = d18.quantize(q, rounding=ROUND_HALF_UP)
    if cut == 0:
        return '0' + (',' + '0' * digits if digits else '')
    if exp + 1 > 18:
        # Scientific form: the significant digits without trailing zeros.
        sig = str(d18.scaleb(-exp).quantize(Decimal(1).scaleb(-17))).replace('.', '').rstrip('0')
        e = str(exp).zfill(digits) if digits <= 4 else str(exp)
        return ('-' if neg else '') + sig[0] + (',' + sig[1:] if len(sig) > 1 else '') + 'E' + e
    text = format(cut, 'f')
    if '.' in text:
        whole, frac = text.split('.')
    else:
        whole, frac = text, ''
    frac = (frac + '0' * digits)[:digits]
    return ('-' if neg else '') + whole + ((',' + frac) if digits else '')


def row(name, prefix, value, digits):
    print(f'{name}: "{prefix}{fmt(dbl(value), digits)}"')


# Arithmetic sums in extended precision: the sum of two doubles is kept exactly.
a1, an, n = typed('0,1'), typed('0,2'), typed('3')
row('sum (1) 0,1 0,2 3', 'Ответ: Sn = ', ext(ext(ext(a1 + an) / 2) * n), 18)
a1, d, n = typed('0,1'), typed('0,2'), typed('3')
row('sum (2) 0,1 0,2 3', 'Ответ: Sn = ', ext(ext(ext(2 * a1) + ext(ext(n - 1) * d)) / 2 * n), 18)
ai, i, aj, j = typed('0,1'), typed('1'), typed('0,7'), typed('4')
row('difference 0,1 1 0,7 4', 'Ответ: d = ', ext(ext(aj - ai) / ext(j - i)), 18)
a1, d, n = typed('0,1'), typed('0,7'), typed('4')
row('term 0,1 0,7 4', 'Ответ: ', ext(ext(ext(n - 1) * d) + a1), 18)

# Geometric powers through ln and exp, beside the correctly rounded power.
for b1, q, n in [('1', '10', '23'), ('1', '10', '301'), ('1', '1,1', '100'), ('3', '2', '4'),
                 ('1', '0,5', '40'), ('1', '7', '300'), ('2', '1,5', '51'),
                 ('1', '1,5', '327'), ('1', '2,5', '166')]:
    B1, Q, N = typed(b1), typed(q), typed(n)
    lnpath = ext(power(Q, ext(N - 1)) * B1)
    exact = _exact(mp(Q) ** (mp(N) - 1) * mp(B1))
    row(f'term {b1} {q} {n} (ln path)', 'Ответ: ', lnpath, 18)
    row(f'term {b1} {q} {n} (exact)  ', 'Ответ: ', exact, 18)
for b1, q, n in [('1', '2', '10'), ('1', '1,1', '100'), ('1', '3', '40'), ('1', '1,5', '334'),
                 ('1', '2,5', '194')]:
    B1, Q, N = typed(b1), typed(q), typed(n)
    lnpath = ext(ext(ext(power(Q, N) - 1) * B1) / ext(Q - 1))
    exact = _exact((mp(Q) ** mp(N) - 1) * mp(B1) / (mp(Q) - 1))
    row(f'sum (2) {b1} {q} {n} (ln path)', 'Ответ: ', lnpath, 18)
    row(f'sum (2) {b1} {q} {n} (exact)  ', 'Ответ: ', exact, 18)
