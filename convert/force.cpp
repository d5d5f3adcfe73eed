// Force: four units, each pair with its own constant of five or six
// significant digits.
#include "quantities.h"

namespace convert {

namespace {

Quantity build()
{
    const QStringList units = {QStringLiteral("Мегадин"), QStringLiteral("Вес килограмма"),
                               QStringLiteral("Вес фунта"), QStringLiteral("Вес фунта англ.")};
    // Row: from-unit, column: to-unit. A kilogram's weight is 0.98067
    // megadynes, a Russian pound's 0.4016 and an English pound's 0.44481, so
    // the kilogram converts to them by 0.98067 / 0.4016 and 0.98067 / 0.44481.
    const std::vector<std::vector<Cell>> cells = {
        {kSame, 1.01971L, 2.49004L, 2.24811L},
        {0.98067L, kSame, 2.44191L, 2.20469L},
        {0.4016L, 0.40951L, kSame, 0.90281L},
        {0.44481L, 0.45359L, 1.10764L, kSame},
    };
    return {QStringLiteral("Единицы сил"), QStringLiteral("Перевод единиц сил"), units,
            rulesFromMatrix(units, cells), false, NumberFormat::Fixed, ClickFlow::GuardedConversion};
}

}  // namespace

const Quantity &force()
{
    static const Quantity quantity = build();
    return quantity;
}

}  // namespace convert
