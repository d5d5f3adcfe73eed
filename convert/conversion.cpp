#include "conversion.h"

#include "extended.h"

#include "qtnumbers.h"
#include "texts.h"

#include <cmath>
#include <limits>

namespace convert {

// The tables' constants and their last digits are those of the 64-bit
// mantissa of extended precision.
static_assert(std::numeric_limits<long double>::digits == 64, "extended precision long double required");

namespace {

using calc::toDouble;

const QString kBeforeUnit = QStringLiteral("  ");

// The largest rounding digits the guarded-reading flow passes on.
constexpr std::int32_t kRoundingLimit = 100'000'000;

QString answerLine(const Quantity &quantity, double y, int digits, QChar separator, const QString &to)
{
    const QString number = quantity.format == NumberFormat::General ? calc::FloatToStrGeneral(y, digits, separator)
                                                                    : calc::FloatToStrF(y, digits, separator);
    return calc::kAnswerPrefix + number + kBeforeUnit + to;
}

Outcome guardedConversion(const Quantity &quantity, const Request &request, QChar separator)
{
    Outcome outcome;
    const auto value = calc::StrToFloat(request.value, separator);
    if (!value) {
        outcome.messages << calc::kInvalidValue;
        return outcome;
    }
    const auto y = convertValue(quantity, *value, request.from, request.to);
    if (!y)
        return outcome;
    // The rounding text is read only once a rule fires.
    const auto digits = calc::StrToInt(request.rounding);
    if (!digits) {
        outcome.messages << calc::kInvalidValue;
        return outcome;
    }
    outcome.answer = answerLine(quantity, *y, *digits, separator, request.to);
    return outcome;
}

Outcome guardedReading(const Quantity &quantity, const Request &request, QChar separator)
{
    Outcome outcome;
    double x = 0;
    std::int32_t digits = 0;
    if (const auto value = calc::StrToFloat(request.value, separator)) {
        x = *value;
        if (const auto rounding = calc::StrToInt(request.rounding))
            digits = *rounding;
        else
            outcome.messages << calc::kInvalidValue;
    } else {
        outcome.messages << calc::kInvalidValue;
    }
    if (digits >= kRoundingLimit) {
        outcome.messages << kRoundingTooLarge;
        return outcome;
    }
    if (const auto y = convertValue(quantity, x, request.from, request.to))
        outcome.answer = answerLine(quantity, *y, digits, separator, request.to);
    return outcome;
}

}  // namespace

std::vector<Rule> rulesFromFactors(const std::vector<UnitFactor> &units, const std::vector<Rule> &deviations)
{
    std::vector<Rule> rules;
    rules.reserve(units.size() * units.size());
    for (const UnitFactor &a : units) {
        for (const UnitFactor &b : units) {
            const Rule *deviation = nullptr;
            for (const Rule &rule : deviations)
                if (rule.from == a.unit && rule.to == b.unit)
                    deviation = &rule;
            if (deviation)
                rules.push_back(*deviation);
            else if (a.unit == b.unit)
                rules.push_back({a.unit, b.unit, {}});
            else
                rules.push_back({a.unit, b.unit, {{Step::Multiply, a.factor / b.factor}}});
        }
    }
    return rules;
}

QStringList unitNames(const std::vector<UnitFactor> &units)
{
    QStringList names;
    for (const UnitFactor &unit : units)
        names << unit.unit;
    return names;
}

std::vector<Rule> rulesFromMatrix(const QStringList &units, const std::vector<std::vector<Cell>> &cells)
{
    const auto n = std::size_t(units.size());
    if (cells.size() != n)
        qFatal("a matrix table needs a row for each of its %zu units", n);
    std::vector<Rule> rules;
    rules.reserve(n * n);
    for (std::size_t a = 0; a < n; ++a) {
        if (cells[a].size() != n)
            qFatal("row %zu of a matrix table needs %zu cells", a + 1, n);
        for (std::size_t b = 0; b < n; ++b)
            rules.push_back({units[qsizetype(a)], units[qsizetype(b)], cells[a][b].steps});
    }
    return rules;
}

double apply(const Rule &rule, double x)
{
    long double y = x;
    for (const Step &step : rule.steps) {
        switch (step.op) {
        case Step::Multiply:
            y *= step.constant;
            break;
        case Step::Divide:
            y /= step.constant;
            break;
        case Step::Add:
            y += step.constant;
            break;
        case Step::Subtract:
            y -= step.constant;
            break;
        }
    }
    return toDouble(y);
}

std::vector<const Rule *> rulesFor(const Quantity &quantity, const QString &from, const QString &to)
{
    std::vector<const Rule *> matching;
    for (const Rule &rule : quantity.rules)
        if (rule.from == from && rule.to == to)
            matching.push_back(&rule);
    return matching;
}

std::optional<double> convertValue(const Quantity &quantity, double value, const QString &from, const QString &to)
{
    const double x = quantity.signDrop ? std::fabs(value) : value;
    const std::vector<const Rule *> rules = rulesFor(quantity, from, to);
    if (rules.empty())
        return std::nullopt;
    return apply(*rules.back(), x);
}

Outcome click(const Quantity &quantity, const Request &request, QChar decimalSeparator)
{
    return quantity.flow == ClickFlow::GuardedReading ? guardedReading(quantity, request, decimalSeparator)
                                                      : guardedConversion(quantity, request, decimalSeparator);
}

}  // namespace convert
