#include "positivity.h"

#include "qtnumbers.h"
#include "texts.h"

#include <algorithm>
#include <cmath>

namespace calc {

std::optional<double> parseInput(const InputText &input, QChar decimalSeparator)
{
    if (input.kind == InputKind::Whole) {
        const auto whole = StrToInt(input.text);
        if (!whole)
            return std::nullopt;
        return double(*whole);
    }
    return StrToFloat(input.text, decimalSeparator);
}

std::optional<int> roundingDigits(const QString &text)
{
    const auto digits = StrToInt(text);
    if (!digits)
        return std::nullopt;
    return std::max(*digits, 0);
}

Outcome computePositive(const std::vector<InputText> &inputs, const QString &rounding, const Formula &formula,
                        const PositivityTexts &texts, QChar decimalSeparator)
{
    Outcome outcome;
    std::vector<double> values;
    values.reserve(inputs.size());
    for (const InputText &input : inputs) {
        const auto value = parseInput(input, decimalSeparator);
        if (!value) {
            outcome.messages << texts.conversionFailure;
            return outcome;
        }
        values.push_back(*value);
    }
    const auto positive = [](double v) { return v > 0; };
    if (std::any_of(values.begin(), values.end(), positive)) {
        const double result = std::fabs(formula(values));
        // The rounding text is read only when there is something to show.
        const auto digits = roundingDigits(rounding);
        if (!digits) {
            outcome.messages << texts.conversionFailure;
            return outcome;
        }
        outcome.answer = kAnswerPrefix + FloatToStrF(result, *digits, decimalSeparator);
    }
    if (!std::all_of(values.begin(), values.end(), positive))
        outcome.messagesAfter << texts.invalid;
    return outcome;
}

}  // namespace calc
