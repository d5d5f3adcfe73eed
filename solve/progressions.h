// The arithmetic and geometric progression screens as data: each screen is a
// list of modes, each mode one record (its item text, the fields and
// captions it shows and hides, the fields it reads, its formula and its
// answer prefix), and a click of "Решить" is `progressions::click` on the
// screen's record. No widgets.
#pragma once

#include "outcome.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <span>
#include <variant>
#include <vector>

namespace progressions {

// A formula's refusal: its message, and whether the answer line becomes
// "Ответ: ?" (otherwise it keeps its text).
struct Refusal {
    QString message;
    bool unknownAnswer = true;
};

// A formula's outcome: the value (stored as a double), or a refusal.
using Result = std::variant<double, Refusal>;

// The formula of a mode, given the values of its inputs in reading order.
using Formula = Result (*)(std::span<const double> inputs);

struct Mode {
    QString item;
    QStringList shown;   // controls made visible when the item is chosen
    QStringList hidden;  // controls hidden then; the others keep their state
    std::optional<QString> qText;  // written into the q field when chosen
    QStringList inputs;  // the fields read by a click, in order
    Formula formula;
    QString prefix;  // put before the answer number
};

struct Screen {
    QString caption;
    QString qField;  // the field that receives a mode's qText
    std::vector<Mode> modes;
    // Rounding digits from this value up are refused (the geometric screen
    // has no limit).
    std::optional<std::int32_t> roundingLimit;
};

const Screen &arithmetic();
const Screen &geometric();

// The first mode whose item text equals `item` exactly; nothing otherwise.
const Mode *modeFor(const Screen &screen, const QString &item);

// What a click shows: the messages, in order, before the answer line; no
// answer line when the click leaves it as it was.
using Outcome = calc::Outcome;

// One click of "Решить": the rounding text, then the selected item's inputs
// from `fields` (field name -> text; a missing field reads as empty).
Outcome click(const Screen &screen, const QString &item, const QHash<QString, QString> &fields,
              const QString &rounding, QChar decimalSeparator);

// q to the power `exponent` as the geometric screen takes it: through the
// natural logarithm and the exponential for q > 0; directly for q <= 0,
// where a whole exponent gives the signed power, 0 to a negative power an
// infinity and a non-whole power of a negative q no number.
long double power(long double q, long double exponent);

inline const QString kQIsOne = QStringLiteral("Ошибка! q не должно быть равно единице!!!");
inline const QString kQNotBelowOne = QStringLiteral("Ошибка! |q| должен быть меньше 1!!!");
inline const QString kUnknownAnswer = QStringLiteral("Ответ: ?");

}  // namespace progressions
