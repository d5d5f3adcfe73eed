#include "fractions.h"

#include "qtnumbers.h"
#include "texts.h"

#include <cmath>

namespace fractions {

namespace {

constexpr int kPasses = 6;
constexpr std::int32_t kPrimes[] = {5, 3, 2};

// Extended precision for the products, so that a sum of two products of
// 32-bit numbers is exact before it is stored as a double.
double product(double a, double b) { return static_cast<double>(static_cast<long double>(a) * b); }

double sumOfProducts(double a, double b, double c, double d, int sign)
{
    return static_cast<double>(static_cast<long double>(a) * b + sign * (static_cast<long double>(c) * d));
}

Effects failure() { return {Message{calc::kInvalidValue}}; }

}  // namespace

std::optional<std::int32_t> wholeNumber(double value)
{
    const double rounded = std::nearbyint(value);
    // Checked before the conversion: converting a double outside the range
    // of the integer type is undefined.
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

bool reduce(double &n, double &d)
{
    for (int pass = 0; pass < kPasses; ++pass) {
        for (const std::int32_t prime : kPrimes) {
            const auto wholeN = wholeNumber(n);
            const auto wholeD = wholeNumber(d);
            if (!wholeN || !wholeD)
                return false;
            if (*wholeN % prime == 0 && *wholeD % prime == 0) {
                n /= prime;
                d /= prime;
            }
        }
    }
    return true;
}

Shown shown(double numerator, double denominator, QChar decimalSeparator)
{
    return {calc::FloatToStrF(numerator, 0, decimalSeparator), calc::FloatToStrF(denominator, 0, decimalSeparator)};
}

Effects reduceFirst(Values &values)
{
    return reduce(values.n1, values.d1) ? Effects{} : failure();
}

Effects reduceSecond(Values &values)
{
    return reduce(values.n2, values.d2) ? Effects{} : failure();
}

Effects reduceAnswer(Values &values, QChar decimalSeparator)
{
    if (!reduce(values.an, values.ad))
        return failure();
    return {shown(values.an, values.ad, decimalSeparator)};
}

void combine(Values &values, Operation operation)
{
    switch (operation) {
    case Operation::Add:
    case Operation::Subtract: {
        const int sign = operation == Operation::Add ? 1 : -1;
        if (values.d1 == values.d2) {
            values.an = static_cast<double>(static_cast<long double>(values.n1) +
                                            sign * static_cast<long double>(values.n2));
            values.ad = values.d1;
        } else {
            values.an = sumOfProducts(values.n1, values.d2, values.n2, values.d1, sign);
            values.ad = product(values.d1, values.d2);
        }
        break;
    }
    case Operation::Multiply:
        values.an = product(values.n1, values.n2);
        values.ad = product(values.d1, values.d2);
        break;
    case Operation::Divide:
        values.an = product(values.n1, values.d2);
        values.ad = product(values.d1, values.n2);
        break;
    }
}

Effects click(Values &values, Operation operation, const Inputs &inputs, QChar decimalSeparator)
{
    // The denominators first: a bad text or a 0 ends the click at once.
    const auto d1 = calc::StrToInt(inputs.d1);
    if (!d1)
        return failure();
    const auto d2 = calc::StrToInt(inputs.d2);
    if (!d2 || *d1 == 0 || *d2 == 0)
        return failure();

    // Then all four, each stored as it is read.
    const QString *texts[] = {&inputs.n1, &inputs.n2, &inputs.d1, &inputs.d2};
    double *targets[] = {&values.n1, &values.n2, &values.d1, &values.d2};
    for (int k = 0; k < 4; ++k) {
        const auto whole = calc::StrToInt(*texts[k]);
        if (!whole)
            return failure();
        *targets[k] = *whole;
    }

    Effects effects = reduceFirst(values);
    for (Effect &effect : reduceSecond(values))
        effects.push_back(std::move(effect));
    combine(values, operation);
    effects.push_back(shown(values.an, values.ad, decimalSeparator));
    for (Effect &effect : reduceAnswer(values, decimalSeparator))
        effects.push_back(std::move(effect));
    return effects;
}

}  // namespace fractions
