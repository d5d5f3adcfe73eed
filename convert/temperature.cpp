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
    const QStringList units = {QStringLiteral("Цельсий"), QStringLiteral("Фаренгейт"), QStringLiteral("Реомюр"),
                               QStringLiteral("Кельвин")};
    using S = Step;
    // Row: from-scale, column: to-scale; each formula in its own form.
    const std::vector<std::vector<Cell>> cells = {
        {kSame, chain({{S::Multiply, 1.8L}, {S::Add, 32.0L}}), 0.8L, chain({{S::Add, kKelvinOffset}})},
        {chain({{S::Subtract, 32.0L}, {S::Multiply, kFiveNinths}}), kSame,
         chain({{S::Subtract, 32.0L}, {S::Multiply, kFourNinths}}),
         chain({{S::Subtract, 32.0L}, {S::Multiply, kFiveNinths}, {S::Add, kKelvinOffset}})},
        {1.25L, chain({{S::Multiply, 2.25L}, {S::Add, 32.0L}}), kSame,
         chain({{S::Multiply, 1.25L}, {S::Add, kKelvinOffset}})},
        {chain({{S::Subtract, kKelvinOffset}}),
         chain({{S::Subtract, kKelvinOffset}, {S::Multiply, 1.8L}, {S::Add, 32.0L}}),
         chain({{S::Subtract, kKelvinOffset}, {S::Multiply, 0.8L}}), kSame},
    };
    return {QStringLiteral("Температура"), QStringLiteral("Перевод температур"), units,
            rulesFromMatrix(units, cells), false, NumberFormat::Fixed, ClickFlow::GuardedConversion};
}

}  // namespace

const Quantity &temperature()
{
    static const Quantity quantity = build();
    return quantity;
}

}  // namespace convert
