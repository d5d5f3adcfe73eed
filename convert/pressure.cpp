// Pressure: eleven units, each pair with its own constant of up to seven
// significant digits (close to, but not exactly, the quotient of the sizes).
#include "quantities.h"

#include <algorithm>

namespace convert {

namespace {

Quantity build()
{
    const QString psi = QStringLiteral("Фунт на кв. дюйм");
    const QString technicalAtmosphere = QStringLiteral("Техническая атм.");
    const QStringList units = {
        QStringLiteral("Бар"),
        QStringLiteral("Паскаль"),
        QStringLiteral("Кг. силы на кв. м."),
        psi,
        QStringLiteral("Фунт на кв. фут"),
        QStringLiteral("Дюйм ртутного ст."),
        QStringLiteral("Миллиметр рт. ст."),
        QStringLiteral("Метр водяного ст."),
        QStringLiteral("Дюйм водяного ст."),
        QStringLiteral("Физическая атм."),
        technicalAtmosphere,
    };
    // Row: from-unit, column: to-unit.
    const std::vector<std::vector<Cell>> cells = {
        {kSame, 100000.0L, 10197.16L, 14.50377L, 2088.543L, 29.53007L, 750.0638L, 10.19744L, 401.4742L, 0.9869233L,
         1.019716L},
        {1e-5L, kSame, 0.1019716L, 1.450377e-4L, 0.02088543L, 2.953007e-4L, 0.007500638L, 1.019744e-4L, 0.004014742L,
         9.869233e-6L, 1.019716e-5L},
        {9.80665e-5L, 9.80665L, kSame, 0.001422334L, 0.2048161L, 0.00289591L, 0.07355613L, 0.001000028L,
         0.03937117L, 9.678411e-5L, 1e-4L},
        {0.06894757L, 6894.757L, 703.0696L, kSame, 144.0L, 2.036027L, 51.71507L, 0.703089L, 27.68067L, 0.06804596L,
         0.07030696L},
        {4.788026e-4L, 47.88026L, 4.882428L, 0.006944444L, kSame, 0.01413907L, 0.3591325L, 0.004882562L,
         0.1922269L, 4.725414e-4L, 4.882428e-4L},
        {0.03386379L, 3386.379L, 345.3145L, 0.4911527L, 70.72599L, kSame, 25.4L, 0.3453241L, 13.59544L,
         0.03342096L, 0.03453145L},
        {0.00133322L, 133.322L, 13.59506L, 0.01933672L, 2.784488L, 0.03937008L, kSame, 0.01359544L, 0.5352534L,
         0.001315786L, 0.001359506L},
        {0.09806379L, 9806.379L, 999.9724L, 1.422295L, 204.8105L, 2.895831L, 73.5541L, kSame, 39.37008L,
         0.09678144L, 0.09999724L},
        {0.00249082L, 249.082L, 25.3993L, 0.03612629L, 5.202186L, 0.0735541L, 1.868274L, 0.0254L, kSame,
         0.002458248L, 0.00253993L},
        {1.01325L, 101325.0L, 10332.27L, 14.69595L, 2116.217L, 29.92134L, 760.0021L, 10.33256L, 406.7937L, kSame,
         1.033227L},
        {0.980665L, 98066.5L, 10000.0L, 14.22334L, 2048.161L, 28.9591L, 735.5613L, 10.00028L, 393.7117L,
         0.9678411L, kSame},
    };
    std::vector<Rule> rules = rulesFromMatrix(units, cells);
    // The table carries "Фунт на кв. дюйм" to "Техническая атм." twice, one
    // after the other; the second visit writes the same answer again.
    const auto first = std::find_if(rules.begin(), rules.end(), [&](const Rule &rule) {
        return rule.from == psi && rule.to == technicalAtmosphere;
    });
    const Rule repeated = *first;
    rules.insert(std::next(first), repeated);
    return {QStringLiteral("Давление"), QStringLiteral("Перевод единиц давления"), units, std::move(rules), false,
            NumberFormat::Fixed, ClickFlow::GuardedReading};
}

}  // namespace

const Quantity &pressure()
{
    static const Quantity quantity = build();
    return quantity;
}

}  // namespace convert
