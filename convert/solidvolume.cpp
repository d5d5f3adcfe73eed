// Volume of solids: metric, old Russian and English units, sized in cubic
// metres. Every pair is the quotient of the two sizes.
#include "quantities.h"

namespace convert {

namespace {

Quantity build()
{
    const std::vector<UnitFactor> units = {
        {QStringLiteral("Кубический метр"), 1.0L},
        {QStringLiteral("Кубический дециметер"), 0.001L},
        {QStringLiteral("Кубический сантиметер"), 0.000001L},
        {QStringLiteral("Кубический миллиметер"), 1e-9L},
        {QStringLiteral("Кубическая сажень"), 9.7127L},
        {QStringLiteral("Кубический аршин"), 0.359729L},
        {QStringLiteral("Кубический фут"), 0.0283168L},  // 0.3048 m cubed
        {QStringLiteral("Кубический дюйм"), 0.0000163871L},
        {QStringLiteral("Кубический ярд"), 0.764555L},
    };
    return {QStringLiteral("Меры объёма тел"), QStringLiteral("Перевод объёмов"), unitNames(units),
            rulesFromFactors(units, {}), true, NumberFormat::Fixed, ClickFlow::GuardedConversion};
}

}  // namespace

const Quantity &solidVolume()
{
    static const Quantity quantity = build();
    return quantity;
}

}  // namespace convert
