// Power: four units, each pair with its own constant; a pair and its reverse
// are not exact reciprocals.
#include "quantities.h"

namespace convert {

namespace {

Quantity build()
{
    const QStringList units = {QStringLiteral("Кгм/сек."), QStringLiteral("Лош. сила(ЛС)"),
                               QStringLiteral("Англ. лош. сила(HP)"), QStringLiteral("Международный киловатт(KW)")};
    // Row: from-unit, column: to-unit.
    const std::vector<std::vector<Cell>> cells = {
        {kSame, 0.01333L, 0.01315L, 0.00981L},
        {75.0L, kSame, 0.9863L, 0.7355L},
        {76.05L, 1.0139L, kSame, 0.7457L},
        {101.98L, 1.36L, 1.341L, kSame},
    };
    return {QStringLiteral("Единицы мощности"), QStringLiteral("Перевод единиц мощности"), units,
            rulesFromMatrix(units, cells), false, NumberFormat::Fixed, ClickFlow::GuardedConversion};
}

}  // namespace

const Quantity &power()
{
    static const Quantity quantity = build();
    return quantity;
}

}  // namespace convert
