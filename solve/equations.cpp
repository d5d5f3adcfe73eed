#include "equations.h"

#include "extended.h"
#include "qtnumbers.h"
#include "texts.h"

#include <cmath>

namespace solve {

namespace {

struct Coefficients {
    double a;
    double b;
    double c;
    int digits;
};

// The rounding text first, so that a bad one fails before anything is
// shown, then a, b and c. Nothing when a text is not a number.
std::optional<Coefficients> read(const EquationRequest &request, QChar separator)
{
    const auto digits = calc::StrToInt(request.rounding);
    if (!digits)
        return std::nullopt;
    const auto a = calc::StrToFloat(request.a, separator);
    if (!a)
        return std::nullopt;
    const auto b = calc::StrToFloat(request.b, separator);
    if (!b)
        return std::nullopt;
    const auto c = calc::StrToFloat(request.c, separator);
    if (!c)
        return std::nullopt;
    return Coefficients{*a, *b, *c, *digits};
}

// D = (b·b) − ((4·a)·c), in extended precision.
double discriminant(const Coefficients &k)
{
    const long double b = k.b;
    return calc::toDouble(b * b - 4.0L * k.a * k.c);
}

// (−b ∓ √D) ÷ (2·a), in extended precision.
double root(const Coefficients &k, double d, bool plus)
{
    const long double sqrtD = std::sqrt(static_cast<long double>(d));
    const long double b = k.b;
    return calc::toDouble((plus ? -b + sqrtD : -b - sqrtD) / (2.0L * k.a));
}

EquationOutcome failure()
{
    EquationOutcome outcome;
    outcome.messages << calc::kInvalidValue;
    return outcome;
}

}  // namespace

EquationOutcome quadratic(const EquationRequest &request, QChar separator)
{
    const auto k = read(request, separator);
    if (!k)
        return failure();
    EquationOutcome outcome;
    const double d = discriminant(*k);
    outcome.discriminant = QStringLiteral("D= ") + calc::FloatToStrF(d, 0, separator);
    if (d < 0) {
        outcome.roots = {kNoSolutions, kNoSolutions};
        return outcome;
    }
    outcome.roots = {
        QStringLiteral("X1= ") + calc::FloatToStrF(root(*k, d, false), k->digits, separator),
        QStringLiteral("X2= ") + calc::FloatToStrF(root(*k, d, true), k->digits, separator),
    };
    return outcome;
}

EquationOutcome biquadratic(const EquationRequest &request, QChar separator)
{
    const auto k = read(request, separator);
    if (!k)
        return failure();
    EquationOutcome outcome;
    const double d = discriminant(*k);
    outcome.discriminant = QStringLiteral("D= ") + calc::FloatToStrF(d, 0, separator);
    if (d < 0) {
        outcome.roots = {kNoSolutions, kNoSolutions, kNoSolutions, kNoSolutions};
        return outcome;
    }

    double t1;
    double t2;
    if (k->a == 0 && k->b != 0) {
        // b·t + c = 0: one t for both pairs.
        t1 = t2 = calc::toDouble(-static_cast<long double>(k->c) / k->b);
    } else {
        t1 = root(*k, d, false);
        t2 = root(*k, d, true);
    }

    // The two roots of one t, or "Нет решений" twice; an undefined t fails
    // the test.
    const auto pair = [&](double t) -> std::pair<QString, QString> {
        if (!(t >= 0))
            return {kNoSolutions, kNoSolutions};
        const double s = calc::toDouble(std::sqrt(static_cast<long double>(t)));
        return {QStringLiteral("X= ") + calc::FloatToStrF(s, k->digits, separator),
                QStringLiteral("X= ") + calc::FloatToStrF(-s, k->digits, separator)};
    };
    const auto [plus1, minus1] = pair(t1);
    const auto [plus2, minus2] = pair(t2);
    outcome.roots = {plus1, plus2, minus1, minus2};
    return outcome;
}

}  // namespace solve
