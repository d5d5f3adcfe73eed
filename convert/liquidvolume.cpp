// Volume of liquids: litre multiples, old Russian measures and English and
// trade measures, sized in litres. Every pair is the quotient of the two
// sizes.
#include "quantities.h"

namespace convert {

namespace {

Quantity build()
{
    // The quarter is 64 imperial gallons (8 bushels); the chetvert and the
    // shtof keep their rounded sizes 3.075 and 1.2299.
    const std::vector<UnitFactor> units = {
        {QStringLiteral("Гектолитр"), 100.0L},
        {QStringLiteral("Декалитр"), 10.0L},
        {QStringLiteral("Литр"), 1.0L},
        {QStringLiteral("Сантилитр"), 0.01L},
        {QStringLiteral("Миллилитр"), 0.001L},
        {QStringLiteral("Бочка"), 491.96L},
        {QStringLiteral("Ведро"), 12.2994L},
        {QStringLiteral("Четверть"), 3.075L},
        {QStringLiteral("Шторф"), 1.2299L},
        {QStringLiteral("Водочная бутылка"), 0.61497L},
        {QStringLiteral("Чарка"), 0.122994L},
        {QStringLiteral("Шкалик"), 0.061497L},
        {QStringLiteral("Квартер"), 290.94976L},
        {QStringLiteral("Бушель"), 36.368L},
        {QStringLiteral("Баррель нефтяной"), 159.0L},
        {QStringLiteral("Галлон"), 4.546L},
        {QStringLiteral("Кварта"), 1.1365L},
        {QStringLiteral("Пинта"), 0.56825L},
        {QStringLiteral("Джиль"), 0.14206L},
    };
    return {QStringLiteral("Меры объёма жидкостей"), QStringLiteral("Перевод объёмов"), unitNames(units),
            rulesFromFactors(units, {}), true, NumberFormat::Fixed, ClickFlow::GuardedConversion};
}

}  // namespace

const Quantity &liquidVolume()
{
    static const Quantity quantity = build();
    return quantity;
}

}  // namespace convert
