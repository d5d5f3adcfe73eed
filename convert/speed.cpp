// Speed: five units whose pairs each carry a factor of their own; a pair and
// its reverse are not exact reciprocals.
#include "quantities.h"

namespace convert {

namespace {

Quantity build()
{
    const QStringList units = {QStringLiteral("M / сек."), QStringLiteral("Врс. / ч."), QStringLiteral("Км. / ч."),
                               QStringLiteral("Англ. миль / ч."), QStringLiteral("Узлов")};
    // Row: from-unit, column: to-unit. 1 m/s is 1.94384 knots and 1 mph
    // 0.868976 knots, hence 1.9438 and 0.869.
    const std::vector<std::vector<Cell>> cells = {
        {kSame, 3.375L, 3.6L, 2.237L, 1.9438L},
        {0.2963L, kSame, 1.0668L, 0.6629L, 0.5757L},
        {0.2778L, 0.9374L, kSame, 0.6214L, 0.5396L},
        {0.447L, 1.5086L, 1.6093L, kSame, 0.869L},
        {0.5148L, 1.7372L, 1.8532L, 1.1516L, kSame},
    };
    return {QStringLiteral("Скорость"), QStringLiteral("Перевод скорости"), units, rulesFromMatrix(units, cells),
            false, NumberFormat::Fixed, ClickFlow::GuardedConversion};
}

}  // namespace

const Quantity &speed()
{
    static const Quantity quantity = build();
    return quantity;
}

}  // namespace convert
