// Area: metric, old Russian and English units, sized in square kilometres.
// Every pair is the quotient of the two sizes.
#include "quantities.h"

namespace convert {

namespace {

Quantity build()
{
    const std::vector<UnitFactor> units = {
        {QStringLiteral("Квадратный километр"), 1.0L},
        {QStringLiteral("Гектар"), 0.01L},
        {QStringLiteral("Ар"), 0.0001L},
        {QStringLiteral("Квадратный метр"), 0.000001L},
        {QStringLiteral("Квадратный дециметер"), 1e-8L},
        {QStringLiteral("Квадратный сантиметер"), 1e-10L},
        {QStringLiteral("Квадратный миллиметер"), 1e-12L},
        {QStringLiteral("Квадратная верста"), 1.138L},
        {QStringLiteral("Квадратный сажень"), 0.000004552L},
        {QStringLiteral("Квадратный фут"), 9.29e-8L},
        {QStringLiteral("Квадратный дюйм"), 6.452e-10L},
        {QStringLiteral("Квадратная миля"), 2.58999L},
        {QStringLiteral("Квадратный ярд"), 8.36127e-7L},
    };
    return {QStringLiteral("Меры площади"), QStringLiteral("Перевод мер площадей"), unitNames(units),
            rulesFromFactors(units, {}), true, NumberFormat::Fixed, ClickFlow::GuardedConversion};
}

}  // namespace

const Quantity &areaMeasures()
{
    static const Quantity quantity = build();
    return quantity;
}

}  // namespace convert
