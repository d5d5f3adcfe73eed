// Angle: ten units from the full circle to the artillery mils. Each pair has
// its own constant: a rounded decimal of up to seven significant digits, or
// a fraction taken once in extended precision.
#include "quantities.h"

namespace convert {

namespace {

Quantity build()
{
    const QStringList units = {
        QStringLiteral("Окружность"), QStringLiteral("Минута"),   QStringLiteral("Секунда"),
        QStringLiteral("Градус"),     QStringLiteral("Град"),     QStringLiteral("Секстант"),
        QStringLiteral("Радиан"),     QStringLiteral("Румб"),     QStringLiteral("Русская тысячная"),
        QStringLiteral("Немецкая тысячная"),
    };
    // Row: from-unit, column: to-unit.
    const std::vector<std::vector<Cell>> cells = {
        {kSame, 21600.0L, 1296000.0L, 360.0L, 400.0L, 6.0L, 6.283185L, 32.0L, 6000.0L, 6400.0L},
        {4.62963e-5L, kSame, 60.0L, 1.0L / 60.0L, 1.0L / 54.0L, 1.0L / 3600.0L, 2.908882e-4L, 1.0L / 675.0L,
         5.0L / 18.0L, 8.0L / 27.0L},
        {7.716049e-7L, 1.0L / 60.0L, kSame, 1.0L / 3600.0L, 3.08642e-4L, 4.62963e-6L, 4.848137e-6L, 2.469136e-5L,
         0.00462963L, 0.004938272L},
        {1.0L / 360.0L, 60.0L, 3600.0L, kSame, 10.0L / 9.0L, 1.0L / 60.0L, 0.01745329L, 4.0L / 45.0L, 50.0L / 3.0L,
         160.0L / 9.0L},
        {0.0025L, 54.0L, 3240.0L, 0.9L, kSame, 0.015L, 0.01570796L, 0.08L, 15.0L, 16.0L},
        {1.0L / 6.0L, 3600.0L, 216000.0L, 60.0L, 200.0L / 3.0L, kSame, 1.047198L, 16.0L / 3.0L, 1000.0L,
         3200.0L / 3.0L},
        {0.1591549L, 3437.747L, 206264.8L, 57.29578L, 63.66198L, 0.9549296L, kSame, 5.092958L, 954.9297L,
         1018.592L},
        {0.03125L, 675.0L, 40500.0L, 11.25L, 12.5L, 0.1875L, 0.1963495L, kSame, 187.5L, 200.0L},
        {1.0L / 6000.0L, 3.6L, 216.0L, 0.06L, 1.0L / 15.0L, 0.001L, 0.001047198L, 2.0L / 375.0L, kSame,
         16.0L / 15.0L},
        {1.5625e-4L, 3.375L, 202.5L, 0.05625L, 0.0625L, 9.375e-4L, 9.817477e-4L, 0.005L, 0.9375L, kSame},
    };
    return {QStringLiteral("Угловая мера"), QStringLiteral("Перевод угловых мер"), units,
            rulesFromMatrix(units, cells), false, NumberFormat::Fixed, ClickFlow::GuardedReading};
}

}  // namespace

const Quantity &angle()
{
    static const Quantity quantity = build();
    return quantity;
}

}  // namespace convert
