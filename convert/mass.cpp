// Mass: metric, old Russian, English and troy units, sized in kilograms.
#include "quantities.h"

namespace convert {

namespace {

const QString kKilogram = QStringLiteral("Килограмм");
const QString kTonne = QStringLiteral("Метрич. тонна");
const QString kCentner = QStringLiteral("Метрич. центнер");
const QString kCarat = QStringLiteral("Карат");
const QString kPound = QStringLiteral("Фунт");
const QString kTradePound = QStringLiteral("Торговый фунт");
const QString kPennyweight = QStringLiteral("Пеннивейт");

Quantity build()
{
    const std::vector<UnitFactor> units = {
        {kKilogram, 1.0L},
        {kTonne, 1000.0L},
        {kCentner, 100.0L},
        {QStringLiteral("Грамм"), 0.001L},
        {QStringLiteral("Миллиграм"), 0.000001L},
        {kCarat, 0.0002L},
        {QStringLiteral("Пуд"), 16.38L},
        {kPound, 0.40951241L},
        {QStringLiteral("Лот"), 0.012797L},
        {QStringLiteral("Золотник"), 0.004266L},
        {QStringLiteral("Доля"), 0.0000444L},
        {QStringLiteral("Англ. тонна"), 1016.047L},
        {QStringLiteral("Англ. центнер"), 50.802352L},
        {kTradePound, 0.45359243L},
        {QStringLiteral("Торговая унция"), 0.028349527L},
        {kPennyweight, 0.001555174L},
        {QStringLiteral("Гран"), 0.000064798919L},
    };
    // Pairs computed in another form than the factor quotient, and the two
    // whose constants are the table's own.
    const std::vector<Rule> deviations = {
        {kKilogram, kTonne, {{Step::Divide, 1000.0L}}},
        {kKilogram, kCentner, {{Step::Divide, 100.0L}}},
        {kKilogram, kCarat, {{Step::Multiply, 1000000.0L}, {Step::Divide, 200.0L}}},
        {kTonne, kCarat, {{Step::Multiply, 1000000000.0L}, {Step::Divide, 200.0L}}},
        {kCentner, kCarat, {{Step::Multiply, 100000000.0L}, {Step::Divide, 200.0L}}},
        {kTradePound, kPound, {{Step::Multiply, 0.453592432L / 0.40951241L}}},
        {kPennyweight, kTonne, {{Step::Multiply, 0.0000015551742L}}},
    };
    return {QStringLiteral("Меры массы"), QStringLiteral("Перевод единиц масс"), unitNames(units),
            rulesFromFactors(units, deviations), true, NumberFormat::Fixed, ClickFlow::GuardedConversion};
}

}  // namespace

const Quantity &mass()
{
    static const Quantity quantity = build();
    return quantity;
}

}  // namespace convert
