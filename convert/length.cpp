// Length: metric, old Russian, English and nautical units, sized in metres.
// Every pair is the quotient of the two sizes.
#include "quantities.h"

namespace convert {

namespace {

Quantity build()
{
    const std::vector<UnitFactor> units = {
        {QStringLiteral("Метр"), 1.0L},
        {QStringLiteral("Километр"), 1000.0L},
        {QStringLiteral("Сантиметр"), 0.01L},
        {QStringLiteral("Миллиметр"), 0.001L},
        {QStringLiteral("Микрон"), 0.000001L},
        {QStringLiteral("Верста"), 1066.8L},
        {QStringLiteral("Сажень"), 2.1336L},
        {QStringLiteral("Аршин"), 0.7112L},
        {QStringLiteral("Вершок"), 0.04445L},
        {QStringLiteral("Фут"), 0.3048L},
        {QStringLiteral("Дюйм"), 0.0254L},
        {QStringLiteral("Линия"), 0.00254L},
        {QStringLiteral("Точка"), 0.000254L},
        {QStringLiteral("Англ. миля"), 1609.34L},
        {QStringLiteral("Фурлонг"), 201.168L},
        {QStringLiteral("Цепь"), 20.1168L},
        {QStringLiteral("Поль,род или пэрч"), 5.0292L},
        {QStringLiteral("Ярд"), 0.9144L},
        {QStringLiteral("Морская миля"), 1853.2L},
    };
    return {QStringLiteral("Меры длины"), QStringLiteral("Перевод длин"), unitNames(units),
            rulesFromFactors(units, {}), true, NumberFormat::Fixed, ClickFlow::GuardedConversion};
}

}  // namespace

const Quantity &length()
{
    static const Quantity quantity = build();
    return quantity;
}

}  // namespace convert
