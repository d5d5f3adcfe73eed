#include "progressions.h"

#include "extended.h"

#include "qtnumbers.h"
#include "texts.h"

#include <cmath>
#include <limits>

namespace progressions {

static_assert(std::numeric_limits<long double>::digits == 64, "extended precision long double required");

namespace {

// log2(e) to the 64 bits of extended precision.
constexpr long double kLog2E = 1.44269504088896340735992468100189214L;

using calc::toDouble;

Result value(long double x) { return toDouble(x); }

// e^x, taken as 2^(x * log2 e).
long double exponential(long double x) { return std::exp2(x * kLog2E); }

// --- Arithmetic progression -------------------------------------------------

Result difference(std::span<const double> x)
{
    const long double ai = x[0], i = x[1], aj = x[2], j = x[3];
    if (i == j)
        return Refusal{calc::kInvalidValue, false};
    return value((aj - ai) / (j - i));
}

Result arithmeticTerm(std::span<const double> x)
{
    const long double a1 = x[0], d = x[1], n = x[2];
    return value((n - 1) * d + a1);
}

Result arithmeticSumOfEnds(std::span<const double> x)
{
    const long double a1 = x[0], an = x[1], n = x[2];
    return value(((a1 + an) / 2) * n);
}

Result arithmeticSumOfTerms(std::span<const double> x)
{
    const long double a1 = x[0], d = x[1], n = x[2];
    return value(((2 * a1 + (n - 1) * d) / 2) * n);
}

// --- Geometric progression --------------------------------------------------

Result geometricTerm(std::span<const double> x)
{
    const long double b1 = x[0], q = x[1], n = x[2];
    return value(power(q, n - 1) * b1);
}

Result geometricSumOfEnds(std::span<const double> x)
{
    const long double b1 = x[0], q = x[1], bn = x[2];
    if (q == 1)
        return Refusal{kQIsOne};
    return value((bn * q - b1) / (q - 1));
}

Result geometricSumOfTerms(std::span<const double> x)
{
    const long double b1 = x[0], q = x[1], n = x[2];
    if (q == 1)
        return Refusal{kQIsOne};
    return value((power(q, n) - 1) * b1 / (q - 1));
}

Result infiniteSum(std::span<const double> x)
{
    const long double b1 = x[0], q = x[1];
    if (!(std::fabs(q) < 1))
        return Refusal{kQNotBelowOne};
    return value(b1 / (1 - q));
}

const QString kTermItem = QStringLiteral("n-ый член прогрессии");
const QString kSum1Item = QStringLiteral("Сумму n первых членов (1)");
const QString kSum2Item = QStringLiteral("Сумму n первых членов (2)");

const QString kAnswer = calc::kAnswerPrefix;
const QString kSumAnswer = QStringLiteral("Ответ: Sn = ");

Screen buildArithmetic()
{
    const QStringList twoTerms = {"Label2", "Label3", "Edit1", "Edit2", "Edit3", "Edit4"};
    return {
        QStringLiteral("Арифметическая прогрессия"),
        QString(),
        {
            {QStringLiteral("Разность прогрессии"),
             twoTerms,
             {"Edit5", "Edit6", "Edit7", "Label5", "Label8", "Label9", "Label10", "Label13", "Label14"},
             std::nullopt,
             {"Edit1", "Edit2", "Edit3", "Edit4"},
             difference,
             QStringLiteral("Ответ: d = ")},
            {kTermItem,
             {"Edit5", "Edit6", "Edit7", "Label5", "Label8", "Label9", "Label10"},
             twoTerms + QStringList{"Label13", "Label14"},
             std::nullopt,
             {"Edit5", "Edit7", "Edit6"},
             arithmeticTerm,
             kAnswer},
            {kSum1Item,
             {"Edit5", "Edit6", "Edit7", "Label5", "Label8", "Label13", "Label14", "Label10"},
             QStringList{"Label9"} + twoTerms,
             std::nullopt,
             {"Edit5", "Edit7", "Edit6"},
             arithmeticSumOfEnds,
             kSumAnswer},
            {kSum2Item,
             {"Edit5", "Edit6", "Edit7", "Label5", "Label8", "Label10", "Label9"},
             QStringList{"Label13", "Label14"} + twoTerms,
             std::nullopt,
             {"Edit5", "Edit7", "Edit6"},
             arithmeticSumOfTerms,
             kSumAnswer},
        },
        100'000'000,
    };
}

Screen buildGeometric()
{
    return {
        QStringLiteral("Геометрическая прогрессия"),
        QStringLiteral("Edit1"),
        {
            {kTermItem,
             {"Label14", "Label2", "Label8", "Label3", "Edit2"},
             {"Label5", "Label13"},
             std::nullopt,
             {"Edit5", "Edit1", "Edit2"},
             geometricTerm,
             kAnswer},
            {kSum1Item,
             {"Label14", "Label2", "Label8", "Label5", "Label13", "Edit2"},
             {"Label3"},
             std::nullopt,
             {"Edit5", "Edit1", "Edit2"},
             geometricSumOfEnds,
             kAnswer},
            {kSum2Item,
             {"Label14", "Label2", "Label8", "Label3", "Edit2"},
             {"Label5", "Label13"},
             std::nullopt,
             {"Edit5", "Edit1", "Edit2"},
             geometricSumOfTerms,
             kAnswer},
            {QStringLiteral("Сумма бесконечной геометр. прог. при  | q | < 1"),
             {"Label14", "Label2", "Label8"},
             {"Edit2", "Label3", "Label5", "Label13"},
             QStringLiteral("0,"),
             {"Edit5", "Edit1"},
             infiniteSum,
             QStringLiteral("Ответ: S = ")},
        },
        std::nullopt,
    };
}

}  // namespace

long double power(long double q, long double exponent)
{
    if (q > 0)
        return exponential(exponent * std::log(q));
    // q <= 0 (an entered -0 counts as 0): pow gives the signed power for a
    // whole exponent, 0 or an infinity for q = 0, and no number for a
    // non-whole power of a negative q.
    return std::pow(q == 0 ? 0.0L : q, exponent);
}

const Screen &arithmetic()
{
    static const Screen screen = buildArithmetic();
    return screen;
}

const Screen &geometric()
{
    static const Screen screen = buildGeometric();
    return screen;
}

const Mode *modeFor(const Screen &screen, const QString &item)
{
    for (const Mode &mode : screen.modes)
        if (mode.item == item)
            return &mode;
    return nullptr;
}

Outcome click(const Screen &screen, const QString &item, const QHash<QString, QString> &fields,
              const QString &rounding, QChar decimalSeparator)
{
    const Outcome failed{{calc::kInvalidValue}, kUnknownAnswer};
    const auto digits = calc::StrToInt(rounding);
    if (!digits || (screen.roundingLimit && *digits >= *screen.roundingLimit))
        return failed;

    const Mode *mode = modeFor(screen, item);
    if (!mode)
        return {};
    std::vector<double> inputs;
    for (const QString &field : mode->inputs) {
        const auto x = calc::StrToFloat(fields.value(field), decimalSeparator);
        if (!x)
            return failed;
        inputs.push_back(*x);
    }

    const Result result = mode->formula(inputs);
    if (const auto *refusal = std::get_if<Refusal>(&result)) {
        Outcome outcome{{refusal->message}, std::nullopt};
        if (refusal->unknownAnswer)
            outcome.answer = kUnknownAnswer;
        return outcome;
    }
    return {{}, mode->prefix + calc::FloatToStrF(std::get<double>(result), *digits, decimalSeparator)};
}

}  // namespace progressions
