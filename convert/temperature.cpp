// Temperature: four scales related by offsets, so every pair has its own
// formula.
#include "quantities.h"

namespace convert {

namespace {

// Kelvin is Celsius shifted by this.
constexpr long double kKelvinOffset = 273.15L;
constexpr long double kFiveNinths = 5.0L / 9.0L;
constexpr long double kFourNinths = 4.0L / 9.0L;

Quantity build()
{
    const QString celsius = QStringLiteral("Цельсий");
    const QString fahrenheit = QStringLiteral("Фаренгейт");
    const QString reaumur = QStringLiteral("Реомюр");
    const QString kelvin = QStringLiteral("Кельвин");
    using S = Step;
    std::vector<Rule> rules = {
        {celsius, celsius, {}},
        {celsius, fahrenheit, {{S::Multiply, 1.8L}, {S::Add, 32.0L}}},
        {celsius, reaumur, {{S::Multiply, 0.8L}}},
        {celsius, kelvin, {{S::Add, kKelvinOffset}}},

        {fahrenheit, celsius, {{S::Subtract, 32.0L}, {S::Multiply, kFiveNinths}}},
        {fahrenheit, fahrenheit, {}},
        {fahrenheit, reaumur, {{S::Subtract, 32.0L}, {S::Multiply, kFourNinths}}},
        {fahrenheit, kelvin, {{S::Subtract, 32.0L}, {S::Multiply, kFiveNinths}, {S::Add, kKelvinOffset}}},

        {reaumur, celsius, {{S::Multiply, 1.25L}}},
        {reaumur, fahrenheit, {{S::Multiply, 2.25L}, {S::Add, 32.0L}}},
        {reaumur, reaumur, {}},
        {reaumur, kelvin, {{S::Multiply, 1.25L}, {S::Add, kKelvinOffset}}},

        {kelvin, celsius, {{S::Subtract, kKelvinOffset}}},
        {kelvin, fahrenheit, {{S::Subtract, kKelvinOffset}, {S::Multiply, 1.8L}, {S::Add, 32.0L}}},
        {kelvin, reaumur, {{S::Subtract, kKelvinOffset}, {S::Multiply, 0.8L}}},
        {kelvin, kelvin, {}},
    };
    return {QStringLiteral("Температура"), QStringLiteral("Перевод температур"),
            {celsius, fahrenheit, reaumur, kelvin}, std::move(rules), false, NumberFormat::Fixed,
            ClickFlow::GuardedConversion};
}

}  // namespace

const Quantity &temperature()
{
    static const Quantity quantity = build();
    return quantity;
}

}  // namespace convert
