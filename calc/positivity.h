// The rule of the area and solid screens: parse the inputs in order; when at
// least one is greater than 0, show the absolute value of the formula; then,
// unless every input is greater than 0, report the input as invalid. A
// conversion failure (an input, or the rounding text when it is read) shows
// only its message and leaves the answer line as it was. No widgets.
#pragma once

#include "outcome.h"

#include <functional>
#include <vector>

namespace calc {

// How a field's text becomes a number: StrToFloat, or StrToInt taken as a double.
enum class InputKind { Real, Whole };

struct InputText {
    QString text;
    InputKind kind;
};

using Formula = std::function<double(const std::vector<double> &)>;

struct PositivityTexts {
    QString conversionFailure;
    QString invalid;
};

// The parsed value of a text, nothing on a conversion failure.
std::optional<double> parseInput(const InputText &input, QChar decimalSeparator);

// The rounding digits of a rounding list's text: its whole number, negative
// counts taken as 0; nothing when the text is not a whole number.
std::optional<int> roundingDigits(const QString &text);

Outcome computePositive(const std::vector<InputText> &inputs, const QString &rounding, const Formula &formula,
                        const PositivityTexts &texts, QChar decimalSeparator);

}  // namespace calc
