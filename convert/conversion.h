// The conversion engine shared by the conversion screens: each screen is one
// Quantity record (its texts, units and pair table, and three switches), and
// one click of "Перевести" is `convert::click` on that record. No widgets.
#pragma once

#include "outcome.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace convert {

// One step of a rule's formula, applied to the running value.
struct Step {
    enum Op { Multiply, Divide, Add, Subtract };
    Op op;
    long double constant;
};

// A rule fires when the from-list shows `from` and the to-list shows `to`.
// Its formula is its steps applied to x from left to right in extended
// precision; no steps is x itself.
struct Rule {
    QString from;
    QString to;
    std::vector<Step> steps;
};

// How the answer number is written: fixed notation with the digits of the
// rounding list, or the general format with the digits of the hidden label.
enum class NumberFormat { Fixed, General };

// Guarded conversion: a bad value or rounding text ends the click with a
// message. Guarded reading: the value and the rounding digits are read
// first, a bad one is reported and the click goes on with 0 in its place.
enum class ClickFlow { GuardedConversion, GuardedReading };

struct Quantity {
    QString caption;
    QString heading;
    QStringList units;       // both lists, in order
    std::vector<Rule> rules;  // the pair table, visited in order
    bool signDrop = false;    // the value's absolute value is converted
    NumberFormat format = NumberFormat::Fixed;
    ClickFlow flow = ClickFlow::GuardedConversion;
};

// A unit and its size in the quantity's base unit.
struct UnitFactor {
    QString unit;
    long double factor;
};

// The pair table of units with one size each: every ordered pair in list
// order. A pair listed in `deviations` takes that rule; otherwise a unit to
// itself is x, and (a, b) is x x (factor(a) / factor(b)), the quotient
// taken once in extended precision.
std::vector<Rule> rulesFromFactors(const std::vector<UnitFactor> &units, const std::vector<Rule> &deviations);

// The units of a list of unit factors.
QStringList unitNames(const std::vector<UnitFactor> &units);

// One cell of a matrix table: the steps of its pair's rule. A number is one
// multiplication by that constant, used as written; `kSame` is the value
// itself; `chain` is a fixed sequence of steps.
struct Cell {
    Cell(long double constant) : steps{{Step::Multiply, constant}} {}
    // A constant must be written in extended precision (with the L suffix):
    // a double literal would lose its last digits on the way in.
    Cell(double) = delete;
    explicit Cell(std::vector<Step> chain) : steps(std::move(chain)) {}

    std::vector<Step> steps;
};

inline const Cell kSame{std::vector<Step>{}};

inline Cell chain(std::initializer_list<Step> steps) { return Cell(std::vector<Step>(steps)); }

// The pair table of a matrix: row a, column b is the rule from units[a] to
// units[b], in list order (all pairs from the first unit first).
std::vector<Rule> rulesFromMatrix(const QStringList &units, const std::vector<std::vector<Cell>> &cells);

// The rule's formula at x, rounded to a double (beyond the range of double:
// an infinity).
double apply(const Rule &rule, double x);

// The rules of the table that fire for the pair, in table order.
std::vector<const Rule *> rulesFor(const Quantity &quantity, const QString &from, const QString &to);

// The number a click shows for a value already read: after the sign drop,
// the last rule that fires for the pair (every rule is visited, so a later
// one overwrites an earlier answer); none when no rule fires.
std::optional<double> convertValue(const Quantity &quantity, double value, const QString &from, const QString &to);

// What a click reads: the value field, the two lists, and the rounding text
// (on a screen without a rounding list, the hidden label's "1").
struct Request {
    QString value;
    QString from;
    QString to;
    QString rounding;
};

// What a click shows: the messages, in order, before the answer line; no
// answer line when the click leaves it as it was.
using calc::Outcome;

Outcome click(const Quantity &quantity, const Request &request, QChar decimalSeparator);

inline const QString kRoundingTooLarge = QStringLiteral("Ошибка! Значение для округления слишком большое!");

}  // namespace convert
