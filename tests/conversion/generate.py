#!/usr/bin/env python3
"""Expected answers of the conversion screens, worked out exactly.

Run by hand after changing a table here (python3 generate.py); it rewrites
the data files beside it, which are committed and read by tst_conversion.

The tables below are this script's own transcription of each screen's unit
sizes, pair matrices and formulas, kept apart from the program's records so
that a wrong constant in either shows up as a failing row. The arithmetic is
that of the program, done with exact fractions:

- every constant is the 80-bit extended value nearest to it (64-bit mantissa,
  round half to even); a quotient of two unit sizes or a fraction such as
  1/60 is the extended quotient of its (extended) parts, rounded once;
- the value read is the double nearest to its text;
- every step of a formula is rounded to extended, and the result of the last
  step to a double (so a result may be rounded twice); a result beyond the
  range of a double is an infinity.

Each line of a screen's data file is: from-unit, to-unit, value, and the
double the conversion gives, with 18 significant digits ("%.17e"),
separated by tabs. Every ordered pair of units appears at value 1 and at
value -0.7. forms.txt adds, for the pairs whose arithmetic form decides the
last digits, a value where a plausible other form would give another double.
"""

from fractions import Fraction
import os
import random

VALUES = ("1", "-0.7")


def rounded(q, bits, min_exponent):
    """q rounded to `bits` significant bits, half to even; no quantum below
    2**min_exponent (the subnormals)."""
    if q == 0:
        return Fraction(0)
    sign = -1 if q < 0 else 1
    a = abs(q)
    e = a.numerator.bit_length() - a.denominator.bit_length()
    if Fraction(2) ** e > a:
        e -= 1
    quantum = max(e - (bits - 1), min_exponent)
    scaled = a / Fraction(2) ** quantum
    n = scaled.numerator // scaled.denominator
    rest = scaled - n
    if rest > Fraction(1, 2) or (rest == Fraction(1, 2) and n % 2 == 1):
        n += 1
    return sign * n * Fraction(2) ** quantum


def extended(q):
    return rounded(q, 64, -16445)


DOUBLE_OVERFLOW = Fraction(2) ** 1024


def double(q):
    """A double, or the float infinities beyond its range."""
    d = rounded(q, 53, -1074)
    if abs(d) >= DOUBLE_OVERFLOW:
        return float("inf") if d > 0 else float("-inf")
    return d


def constant(text):
    """The extended value of a decimal ("0.2963", "1.450377e-4") or of a
    fraction ("5/18", quotient of the extended parts rounded once)."""
    if "/" in text:
        a, b = text.split("/")
        return extended(extended(Fraction(a)) / extended(Fraction(b)))
    return extended(Fraction(text))


def run(steps, x):
    """A formula's steps applied left to right to the double x."""
    y = Fraction(x)
    for op, k in steps:
        if op == "*":
            y = extended(y * k)
        elif op == "/":
            y = extended(y / k)
        elif op == "+":
            y = extended(y + k)
        elif op == "-":
            y = extended(y - k)
        else:
            raise ValueError(op)
    return double(y)


def times(text):
    return [("*", constant(text))]


SAME = "="


class Screen:
    def __init__(self, name, units, rules, sign_drop):
        self.name = name
        self.units = units
        self.rules = rules  # (from, to, steps) in table order
        self.sign_drop = sign_drop

    def convert(self, a, b, x):
        if self.sign_drop:
            x = abs(x)
        matching = [steps for (f, t, steps) in self.rules if f == a and t == b]
        if not matching:
            raise KeyError((self.name, a, b))
        return run(matching[-1], x)  # the later rule's answer stays


def by_factors(units, special=None):
    """Every ordered pair in list order: a unit to itself is the value, a
    pair listed in `special` takes its steps, any other pair (a, b) is one
    multiplication by size(a) / size(b)."""
    special = special or {}
    rules = []
    for a, fa in units:
        for b, fb in units:
            if (a, b) in special:
                steps = special[(a, b)]
            elif a == b:
                steps = []
            else:
                steps = [("*", extended(constant(fa) / constant(fb)))]
            rules.append((a, b, steps))
    return [u for u, _ in units], rules


def by_matrix(units, rows):
    """Row a, column b: the rule from units[a] to units[b]. A cell is "=",
    a decimal or fraction to multiply by, or a list of steps."""
    assert len(rows) == len(units)
    rules = []
    for a, row in zip(units, rows):
        assert len(row) == len(units), a
        for b, cell in zip(units, row):
            if cell == SAME:
                steps = []
            elif isinstance(cell, list):
                steps = cell
            else:
                steps = times(cell)
            rules.append((a, b, steps))
    return rules


def mass():
    units = [
        ("Килограмм", "1"),
        ("Метрич. тонна", "1000"),
        ("Метрич. центнер", "100"),
        ("Грамм", "0.001"),
        ("Миллиграм", "0.000001"),
        ("Карат", "0.0002"),
        ("Пуд", "16.38"),
        ("Фунт", "0.40951241"),
        ("Лот", "0.012797"),
        ("Золотник", "0.004266"),
        ("Доля", "0.0000444"),
        ("Англ. тонна", "1016.047"),
        ("Англ. центнер", "50.802352"),
        ("Торговый фунт", "0.45359243"),
        ("Торговая унция", "0.028349527"),
        ("Пеннивейт", "0.001555174"),
        ("Гран", "0.000064798919"),
    ]
    c = constant
    special = {
        ("Килограмм", "Метрич. тонна"): [("/", c("1000"))],
        ("Килограмм", "Метрич. центнер"): [("/", c("100"))],
        ("Килограмм", "Карат"): [("*", c("1000000")), ("/", c("200"))],
        ("Метрич. тонна", "Карат"): [("*", c("1000000000")), ("/", c("200"))],
        ("Метрич. центнер", "Карат"): [("*", c("100000000")), ("/", c("200"))],
        # "Доля" to "Пеннивейт" follows the unit sizes (mended from a
        # mistyped 0.00004447 in place of the grain's 0.0000444).
        ("Торговый фунт", "Фунт"): times("0.453592432/0.40951241"),
        ("Пеннивейт", "Метрич. тонна"): times("0.0000015551742"),
    }
    names, rules = by_factors(units, special)
    return Screen("mass", names, rules, True)


def length():
    units = [
        ("Метр", "1"),
        ("Километр", "1000"),
        ("Сантиметр", "0.01"),
        ("Миллиметр", "0.001"),
        ("Микрон", "0.000001"),
        ("Верста", "1066.8"),
        ("Сажень", "2.1336"),
        ("Аршин", "0.7112"),
        ("Вершок", "0.04445"),
        ("Фут", "0.3048"),
        ("Дюйм", "0.0254"),
        ("Линия", "0.00254"),
        ("Точка", "0.000254"),
        ("Англ. миля", "1609.34"),
        ("Фурлонг", "201.168"),
        ("Цепь", "20.1168"),
        ("Поль,род или пэрч", "5.0292"),
        ("Ярд", "0.9144"),
        ("Морская миля", "1853.2"),
    ]
    names, rules = by_factors(units)
    return Screen("length", names, rules, True)


def temperature():
    units = ["Цельсий", "Фаренгейт", "Реомюр", "Кельвин"]
    c = constant
    kelvin = c("273.15")  # mended from 273.09
    five_ninths = c("5/9")
    four_ninths = c("4/9")
    rows = [
        [SAME, [("*", c("1.8")), ("+", c("32"))], [("*", c("0.8"))], [("+", kelvin)]],
        [[("-", c("32")), ("*", five_ninths)], SAME, [("-", c("32")), ("*", four_ninths)],
         [("-", c("32")), ("*", five_ninths), ("+", kelvin)]],
        [[("*", c("1.25"))], [("*", c("2.25")), ("+", c("32"))], SAME, [("*", c("1.25")), ("+", kelvin)]],
        [[("-", kelvin)], [("-", kelvin), ("*", c("1.8")), ("+", c("32"))], [("-", kelvin), ("*", c("0.8"))], SAME],
    ]
    return Screen("temperature", units, by_matrix(units, rows), False)


def information():
    # Sizes in bits: powers of 1024, a byte of 8 bits. Every step of the
    # chains is exact, so a pair is x times a power of two.
    units = []
    for kind, bits in (("бит", 1), ("байт", 8)):
        prefixes = ["", "кило", "мега", "гига", "тера", "пета", "экса"]
        for k, prefix in enumerate(prefixes):
            units.append((prefix + kind, bits * 1024 ** k))
    rules = []
    for a, fa in units:
        for b, fb in units:
            rules.append((a, b, [] if a == b else [("*", Fraction(fa, fb))]))
    return Screen("information", [u for u, _ in units], rules, False)


def speed():
    units = ["M / сек.", "Врс. / ч.", "Км. / ч.", "Англ. миль / ч.", "Узлов"]
    rows = [
        # "M / сек." to "Узлов" mended from 1.9043 (1 m/s is 1.94384 knots).
        ["1", "3.375", "3.6", "2.237", "1.9438"],
        ["0.2963", "1", "1.0668", "0.6629", "0.5757"],
        ["0.2778", "0.9374", "1", "0.6214", "0.5396"],
        # "Англ. миль / ч." to "Узлов" mended from 0.863 (1 mph is 0.868976 knots).
        ["0.447", "1.5086", "1.6093", "1", "0.869"],
        ["0.5148", "1.7372", "1.8532", "1.1516", "1"],
    ]
    return Screen("speed", units, by_matrix(units, rows), False)


def pressure():
    units = ["Бар", "Паскаль", "Кг. силы на кв. м.", "Фунт на кв. дюйм", "Фунт на кв. фут",
             "Дюйм ртутного ст.", "Миллиметр рт. ст.", "Метр водяного ст.", "Дюйм водяного ст.",
             "Физическая атм.", "Техническая атм."]
    rows = [
        ['=', '100000', '10197.16', '14.50377', '2088.543', '29.53007', '750.0638', '10.19744', '401.4742', '0.9869233', '1.019716'],
        ['1e-5', '=', '0.1019716', '1.450377e-4', '0.02088543', '2.953007e-4', '0.007500638', '1.019744e-4', '0.004014742', '9.869233e-6', '1.019716e-5'],
        ['9.80665e-5', '9.80665', '=', '0.001422334', '0.2048161', '0.00289591', '0.07355613', '0.001000028', '0.03937117', '9.678411e-5', '1e-4'],
        ['0.06894757', '6894.757', '703.0696', '=', '144', '2.036027', '51.71507', '0.703089', '27.68067', '0.06804596', '0.07030696'],
        ['4.788026e-4', '47.88026', '4.882428', '0.006944444', '=', '0.01413907', '0.3591325', '0.004882562', '0.1922269', '4.725414e-4', '4.882428e-4'],
        ['0.03386379', '3386.379', '345.3145', '0.4911527', '70.72599', '=', '25.4', '0.3453241', '13.59544', '0.03342096', '0.03453145'],
        ['0.00133322', '133.322', '13.59506', '0.01933672', '2.784488', '0.03937008', '=', '0.01359544', '0.5352534', '0.001315786', '0.001359506'],
        ['0.09806379', '9806.379', '999.9724', '1.422295', '204.8105', '2.895831', '73.5541', '=', '39.37008', '0.09678144', '0.09999724'],
        ['0.00249082', '249.082', '25.3993', '0.03612629', '5.202186', '0.0735541', '1.868274', '0.0254', '=', '0.002458248', '0.00253993'],
        ['1.01325', '101325', '10332.27', '14.69595', '2116.217', '29.92134', '760.0021', '10.33256', '406.7937', '=', '1.033227'],
        ['0.980665', '98066.5', '10000', '14.22334', '2048.161', '28.9591', '735.5613', '10.00028', '393.7117', '0.9678411', '='],
    ]
    rules = by_matrix(units, rows)
    # "Фунт на кв. дюйм" to "Техническая атм." is in the table twice.
    at = rules.index(("Фунт на кв. дюйм", "Техническая атм.", times("0.07030696")))
    rules.insert(at + 1, ("Фунт на кв. дюйм", "Техническая атм.", times("0.07030696")))
    return Screen("pressure", units, rules, False)


def force():
    units = ["Мегадин", "Вес килограмма", "Вес фунта", "Вес фунта англ."]
    rows = [
        ['=', '1.01971', '2.49004', '2.24811'],
        # Mended from 2.24808 and 2.49007: the quotients of the unit sizes
        # 0.98067 / 0.4016 and 0.98067 / 0.44481.
        ['0.98067', '=', '2.44191', '2.20469'],
        ['0.4016', '0.40951', '=', '0.90281'],
        ['0.44481', '0.45359', '1.10764', '='],
    ]
    return Screen("force", units, by_matrix(units, rows), False)


def power():
    units = ["Кгм/сек.", "Лош. сила(ЛС)", "Англ. лош. сила(HP)", "Международный киловатт(KW)"]
    rows = [
        ['=', '0.01333', '0.01315', '0.00981'],
        ['75', '=', '0.9863', '0.7355'],
        ['76.05', '1.0139', '=', '0.7457'],
        ['101.98', '1.36', '1.341', '='],
    ]
    return Screen("power", units, by_matrix(units, rows), False)


def area():
    units = [
        ("Квадратный километр", "1"),
        ("Гектар", "0.01"),
        ("Ар", "0.0001"),
        ("Квадратный метр", "0.000001"),
        ("Квадратный дециметер", "1e-8"),
        ("Квадратный сантиметер", "1e-10"),
        ("Квадратный миллиметер", "1e-12"),
        ("Квадратная верста", "1.138"),
        ("Квадратный сажень", "0.000004552"),
        ("Квадратный фут", "9.29e-8"),
        ("Квадратный дюйм", "6.452e-10"),
        ("Квадратная миля", "2.58999"),
        ("Квадратный ярд", "8.36127e-7"),
    ]
    names, rules = by_factors(units)
    return Screen("area", names, rules, True)


def solid_volume():
    units = [
        ("Кубический метр", "1"),
        ("Кубический дециметер", "0.001"),
        ("Кубический сантиметер", "0.000001"),
        ("Кубический миллиметер", "1e-9"),
        ("Кубическая сажень", "9.7127"),
        ("Кубический аршин", "0.359729"),
        ("Кубический фут", "0.0283168"),  # mended from 0.0283468 (0.3048 cubed)
        ("Кубический дюйм", "0.0000163871"),
        ("Кубический ярд", "0.764555"),
    ]
    names, rules = by_factors(units)
    return Screen("solid-volume", names, rules, True)


def liquid_volume():
    units = [
        ("Гектолитр", "100"),
        ("Декалитр", "10"),
        ("Литр", "1"),
        ("Сантилитр", "0.01"),
        ("Миллилитр", "0.001"),
        ("Бочка", "491.96"),
        ("Ведро", "12.2994"),
        ("Четверть", "3.075"),
        ("Шторф", "1.2299"),
        ("Водочная бутылка", "0.61497"),
        ("Чарка", "0.122994"),
        ("Шкалик", "0.061497"),
        ("Квартер", "290.94976"),  # mended from 13.2261324 (8 bushels, 64 gallons)
        ("Бушель", "36.368"),
        ("Баррель нефтяной", "159"),
        ("Галлон", "4.546"),
        ("Кварта", "1.1365"),
        ("Пинта", "0.56825"),
        ("Джиль", "0.14206"),
    ]
    names, rules = by_factors(units)
    return Screen("liquid-volume", names, rules, True)


def angle():
    units = ["Окружность", "Минута", "Секунда", "Градус", "Град", "Секстант", "Радиан", "Румб",
             "Русская тысячная", "Немецкая тысячная"]
    rows = [
        ['=', '21600', '1296000', '360', '400', '6', '6.283185', '32', '6000', '6400'],
        ['4.62963e-5', '=', '60', '1/60', '1/54', '1/3600', '2.908882e-4', '1/675', '5/18', '8/27'],
        ['7.716049e-7', '1/60', '=', '1/3600', '3.08642e-4', '4.62963e-6', '4.848137e-6', '2.469136e-5', '0.00462963', '0.004938272'],
        ['1/360', '60', '3600', '=', '10/9', '1/60', '0.01745329', '4/45', '50/3', '160/9'],
        ['0.0025', '54', '3240', '0.9', '=', '0.015', '0.01570796', '0.08', '15', '16'],
        ['1/6', '3600', '216000', '60', '200/3', '=', '1.047198', '16/3', '1000', '3200/3'],
        ['0.1591549', '3437.747', '206264.8', '57.29578', '63.66198', '0.9549296', '=', '5.092958', '954.9297', '1018.592'],
        ['0.03125', '675', '40500', '11.25', '12.5', '0.1875', '0.1963495', '=', '187.5', '200'],
        ['1/6000', '3.6', '216', '0.06', '1/15', '0.001', '0.001047198', '2/375', '=', '16/15'],
        ['1.5625e-4', '3.375', '202.5', '0.05625', '0.0625', '9.375e-4', '9.817477e-4', '0.005', '0.9375', '='],
    ]
    return Screen("angle", units, by_matrix(units, rows), False)


def energy():
    units = ["Джоуль", "Килокалория", "Калория", "Ват час", "Ват секунда", "Метр-килограмм", "Эрг",
             "Электронвольт", "Квад", "Терм", "Британская терм. ед.", "Фут-фунт", "Килограмм тротила",
             "Америк. тонна тротила"]
    left = [  # to units 1 to 7
        ['=', '2.388459e-4', '0.2388459', '2.777778e-4', '=', '0.1026082', '1e7'],
        ['4186.8', '=', '1000', '1.163', '4186.8', '429.6', '4.1868e10'],
        ['4.1868', '0.001', '=', '0.001163', '4.1868', '0.4296', '4.1868e7'],
        ['3600', '0.8598452', '859.8452', '=', '3600', '369.3895', '3.6e10'],
        ['=', '2.388459e-4', '0.2388459', '2.777778e-4', '=', '0.1026082', '1e7'],
        ['9.74581', '0.002327747', '2.327747', '0.002707169', '9.74581', '=', '9.74581e7'],
        ['1e-7', '2.388459e-11', '2.388459e-8', '2.777778e-11', '1e-7', '1.026082e-8', '='],
        ['1.602192e-19', '3.826769e-23', '3.826769e-20', '4.450533e-23', '1.602192e-19', '1.64398e-20', '1.602192e-12'],
        ['1.05506e18', '2.519968e14', '2.519968e17', '2.930722e14', '1.05506e18', '1.082578e17', '1.05506e25'],
        ['1.05506e8', '25199.68', '2.519968e7', '29307.22', '1.05506e8', '1.082578e7', '1.05506e15'],
        ['1055.06', '0.2519968', '251.9968', '0.2930722', '1055.06', '108.2578', '1.05506e10'],
        ['1.355781', '3.238226e-4', '0.3238226', '3.766057e-4', '1.355781', '0.1391142', '1.355781e7'],
        ['4612070', '1101.574', '1101574', '1281.131', '4612070', '473236.2', '4.61207e13'],
        ['4.184e9', '999331.2', '9.993312e8', '1162222', '4.184e9', '4.293127e8', '4.184e16'],
    ]
    right = [  # to units 8 to 14
        ['6.24145e18', '9.478134e-19', '9.478134e-9', '9.478134e-4', '0.7375825', '2.168224e-7', '2.390057e-10'],
        ['2.61317e22', '3.968305e-15', '3.968305e-5', '3.968305', '3088.11', '9.077918e-4', '1.000669e-6'],
        ['2.61317e19', '3.968305e-18', '3.968305e-8', '0.003968305', '3.08811', '9.077918e-7', '1.000669e-9'],
        ['2.246922e22', '3.412128e-15', '3.412128e-5', '3.412128', '2655.297', '7.805605e-4', '8.604206e-7'],
        ['6.24145e18', '9.478134e-19', '9.478134e-9', '9.478134e-4', '0.7375825', '2.168224e-7', '2.390057e-10'],
        ['6.082799e19', '9.237209e-18', '9.237209e-8', '0.009237209', '7.188339', '2.113109e-6', '2.329304e-9'],
        ['6.24145e11', '9.478134e-26', '9.478134e-16', '9.478134e-11', '7.375825e-8', '2.168224e-14', '2.390057e-17'],
        ['=', '1.518579e-37', '1.518579e-27', '1.518579e-22', '1.181749e-19', '3.47391e-26', '3.82933e-29'],
        ['6.585104e36', '=', '1e10', '1e15', '7.781938e17', '2.287606e11', '2.521654e8'],
        ['6.585104e26', '1e-10', '=', '100000', '7.781938e7', '22.87606', '0.02521654'],
        ['6.585104e21', '1e-15', '1e-5', '=', '778.1938', '2.287606e-4', '2.521654e-7'],
        ['8.462037e18', '1.285027e-18', '1.285027e-8', '0.001285027', '=', '2.939635e-7', '3.240393e-10'],
        ['2.878601e25', '4.371382e-12', '0.04371382', '4371.382', '3401783', '=', '0.001102311'],
        ['2.611423e28', '3.965651e-9', '39.65651', '3965651', '3.086045e9', '907.1847', '='],
    ]
    rows = [a + b for a, b in zip(left, right)]
    # "Метр-килограмм" is 9.80665 J (one kilogram-force metre), mended from
    # 9.74581: its row and its column are the quotients of the unit sizes,
    # to seven significant digits.
    mk = units.index("Метр-килограмм")
    rows[mk] = ['9.80665', '0.002342278', '2.342278', '0.002724069', '9.80665', '=', '9.80665e7',
                '6.120771e19', '9.294874e-18', '9.294874e-8', '0.009294874', '7.233211', '2.126301e-6',
                '2.343846e-9']
    column = ['0.1019716', '426.9348', '0.4269348', '367.0978', '0.1019716', '=', '1.019716e-8',
              '1.633781e-20', '1.075862e17', '1.075862e7', '107.5862', '0.1382512', '470300.3', '4.266493e8']
    for row, cell in zip(rows, column):
        row[mk] = cell
    return Screen("energy", units, by_matrix(units, rows), False)


SCREENS = [mass, length, temperature, information, speed, pressure, force, power, area, solid_volume,
           liquid_volume, angle, energy]


def forms():
    """Pairs whose arithmetic form decides the last digits: the screen, the
    pair, a form the screen must not use (a list of steps), and what the
    row shows. forms.txt holds, for each, a value where the screen's form and
    this one give different doubles, with the screen's answer.

    Left out are the forms that give the same double as their alternative
    for every value tried: dividing by 1000 or 100 (against multiplying by
    0.001 or 0.01), the chains by 10^6 ... 10^9 then 200 (against one
    multiplication), and the angle fractions other than 50/3, 200/3 and
    3200/3 (against a division); their exact results never come close
    enough to a point half-way between two doubles."""
    c = constant

    def twice(a, b):
        return [("*", c(a)), ("/", c(b))]

    quotient = "the quotient of the sizes taken once"
    return [
        (mass, "Торговый фунт", "Фунт", twice("0.453592432", "0.40951241"), "one constant 0.453592432/0.40951241"),
        (mass, "Пуд", "Фунт", twice("16.38", "0.40951241"), quotient),
        (length, "Англ. миля", "Ярд", twice("1609.34", "0.9144"), quotient),
        (temperature, "Кельвин", "Фаренгейт", [("*", c("1.8")), ("-", c("459.67"))],
         "(x - 273.15) times 1.8 plus 32"),
        (area, "Квадратная верста", "Квадратный фут", twice("1.138", "9.29e-8"), quotient),
        (solid_volume, "Кубическая сажень", "Кубический аршин", twice("9.7127", "0.359729"), quotient),
        (liquid_volume, "Гектолитр", "Бочка", twice("100", "491.96"), quotient),
        (angle, "Градус", "Русская тысячная", twice("50", "3"), "times 50/3 as one constant"),
        (angle, "Секстант", "Град", twice("200", "3"), "times 200/3 as one constant"),
        (angle, "Секстант", "Немецкая тысячная", twice("3200", "3"), "times 3200/3 as one constant"),
    ]


def candidates():
    """Values to try, always the same ones in the same order: doubles
    between 0 and 1000 written with the fewest digits that name them."""
    draw = random.Random(1661)
    for _ in range(100000):
        yield repr(draw.random() * draw.choice((1, 10, 100, 1000)))


def write_forms(folder):
    lines = ["# Pairs whose arithmetic form shows: screen, from, to, value, the double shown, what the row shows. "
             "Written by generate.py; do not edit."]
    for make, a, b, wrong, note in forms():
        screen = make()
        for value in candidates():
            x = double(Fraction(value))
            right = screen.convert(a, b, x)
            if right != run(wrong, abs(x) if screen.sign_drop else x):
                break
        else:
            raise RuntimeError("no value tells the forms apart: %s %s %s" % (screen.name, a, b))
        lines.append("\t".join((screen.name, a, b, value, text(right), note)))
    with open(os.path.join(folder, "forms.txt"), "w", encoding="utf-8", newline="\n") as out:
        out.write("\n".join(lines) + "\n")


def text(d):
    if isinstance(d, float):  # an infinity
        return "inf" if d > 0 else "-inf"
    return "%.17e" % float(d)  # d is a double: float() is exact


def write(screen, folder):
    lines = ["# %s: from, to, value, the double shown (18 significant digits). "
             "Written by generate.py; do not edit." % screen.name]
    for value in VALUES:
        x = double(Fraction(value))
        for a in screen.units:
            for b in screen.units:
                lines.append("\t".join((a, b, value, text(screen.convert(a, b, x)))))
    with open(os.path.join(folder, screen.name + ".txt"), "w", encoding="utf-8", newline="\n") as out:
        out.write("\n".join(lines) + "\n")


def main():
    folder = os.path.dirname(os.path.abspath(__file__))
    for make in SCREENS:
        write(make(), folder)
    write_forms(folder)


if __name__ == "__main__":
    main()
