// The four operations on two common fractions of whole numbers, as the
// fraction screen performs them: inputs and result are reduced by a bounded
// trial division by 5, 3 and 2 (not by the greatest common divisor), and a
// click shows the unreduced result before the reduced one. No widgets.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace fractions {

// The screen's working values: doubles holding whole numbers, kept between
// clicks and overwritten by the next one.
struct Values {
    double n1 = 0;
    double d1 = 0;
    double n2 = 0;
    double d2 = 0;
    double an = 0;  // the result
    double ad = 0;
};

enum class Operation { Add, Subtract, Multiply, Divide };

// The texts of the four input fields.
struct Inputs {
    QString n1;
    QString d1;
    QString n2;
    QString d2;
};

// What a step shows, in order: a message box, or a result written into the
// two result fields.
struct Message {
    QString text;
    bool operator==(const Message &) const = default;
};
struct Shown {
    QString numerator;
    QString denominator;
    bool operator==(const Shown &) const = default;
};
using Effect = std::variant<Message, Shown>;
using Effects = std::vector<Effect>;

// The whole-number view of a working value: rounded to the nearest whole
// number (ties to even) and taken as a signed 32-bit integer; nothing when
// that integer does not exist (out of range, or not a number).
std::optional<std::int32_t> wholeNumber(double value);

// Six passes, each dividing n and d by 5, then 3, then 2 where both are
// divisible (0 is divisible by everything; signs are kept). Each test takes
// the whole-number views afresh. Returns false, with n and d as far as they
// got, when a value cannot be taken as a 32-bit whole number.
bool reduce(double &n, double &d);

// The result as the screen writes it: whole numbers, no decimals.
Shown shown(double numerator, double denominator, QChar decimalSeparator);

// The three internal steps of the screen. The first two reduce an input
// fraction in the working values only; the third reduces the result and
// shows it. A value beyond the 32-bit range gives the message instead.
Effects reduceFirst(Values &values);
Effects reduceSecond(Values &values);
Effects reduceAnswer(Values &values, QChar decimalSeparator);

// Combines the (reduced) input fractions into the result; with equal
// denominators a sum or difference keeps the denominator.
void combine(Values &values, Operation operation);

// One click of an operation button: the denominators read and checked for
// 0, the four inputs read and reduced, the result shown unreduced, then
// reduced. A text that is not a whole number, or a zero denominator, ends
// the click with the message.
Effects click(Values &values, Operation operation, const Inputs &inputs, QChar decimalSeparator);

}  // namespace fractions
