#include "system.h"

#include "extended.h"
#include "qtnumbers.h"
#include "texts.h"

namespace solve {

namespace {

struct Equation {
    double a;
    double b;
    double c;
};

// Y of a·X + b·Y = c at x, in extended precision.
QPointF pointAt(const Equation &e, double x)
{
    return {x, calc::toDouble((static_cast<long double>(e.c) - static_cast<long double>(e.a) * x) / e.b)};
}

SystemOutcome failure()
{
    SystemOutcome outcome;
    outcome.messages << calc::kInvalidValue;
    return outcome;
}

}  // namespace

SystemOutcome linearSystem(const SystemRequest &request, QChar separator)
{
    // Read in the order a1, a2, b1, b2, c1, c2.
    double k[6];
    const QString *texts[6] = {&request.a1, &request.a2, &request.b1, &request.b2, &request.c1, &request.c2};
    for (int i = 0; i < 6; ++i) {
        const auto value = calc::StrToInt(*texts[i]);
        if (!value)
            return failure();
        k[i] = *value;
    }
    for (double value : k) {
        if (value == 0)
            return failure();
    }
    const Equation first{k[0], k[2], k[4]};
    const Equation second{k[1], k[3], k[5]};

    // The quotients of the coefficients, compared exactly.
    const long double qa = static_cast<long double>(first.a) / second.a;
    const long double qb = static_cast<long double>(first.b) / second.b;
    const long double qc = static_cast<long double>(first.c) / second.c;
    bool unique = false;
    SystemOutcome outcome;
    if (qa != qb) {
        outcome.verdict = kUniqueSolution;
        unique = true;
    }
    if (qc == qa && qa == qb && qb == qc)
        outcome.verdict = kInfinitelyMany;
    if (qa == qb && qb != qc && qc != qa)
        outcome.verdict = kNoSolution;

    if (!unique) {
        outcome.xLine = kXLine;
        outcome.yLine = kYLine;
    } else {
        // Cramer's rule.
        using L = long double;
        const double dx = calc::toDouble(L(first.c) * second.b - L(first.b) * second.c);
        const double dy = calc::toDouble(L(first.a) * second.c - L(first.c) * second.a);
        const double d = calc::toDouble(L(first.a) * second.b - L(first.b) * second.a);
        const double x = calc::toDouble(L(dx) / d);
        const double y = calc::toDouble(L(dy) / d);
        // The rounding text is read only here, once the verdict is out.
        const auto digits = calc::StrToInt(request.rounding);
        if (!digits) {
            outcome.messages << calc::kInvalidValue;
            return outcome;
        }
        outcome.xLine = QStringLiteral("Ответ: X= ") + calc::FloatToStrF(x, *digits, separator);
        outcome.yLine = QStringLiteral("Y= ") + calc::FloatToStrF(y, *digits, separator);
    }

    outcome.plot = SystemPlot{{pointAt(first, -4), pointAt(first, 4)}, {pointAt(second, -4), pointAt(second, 4)}};
    return outcome;
}

}  // namespace solve
