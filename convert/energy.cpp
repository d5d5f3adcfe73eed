// Energy: fourteen units from the electronvolt to the quad and the TNT
// equivalents. Each pair has its own constant of up to seven significant
// digits; the joule and the watt-second are the same size.
#include "quantities.h"

namespace convert {

namespace {

Quantity build()
{
    const QStringList units = {
        QStringLiteral("Джоуль"),
        QStringLiteral("Килокалория"),
        QStringLiteral("Калория"),
        QStringLiteral("Ват час"),
        QStringLiteral("Ват секунда"),
        QStringLiteral("Метр-килограмм"),
        QStringLiteral("Эрг"),
        QStringLiteral("Электронвольт"),
        QStringLiteral("Квад"),
        QStringLiteral("Терм"),
        QStringLiteral("Британская терм. ед."),
        QStringLiteral("Фут-фунт"),
        QStringLiteral("Килограмм тротила"),
        QStringLiteral("Америк. тонна тротила"),
    };
    // Row: from-unit, column: to-unit. The metre-kilogram (kilogram-force
    // metre) is 9.80665 J; its row and column are the quotients of the
    // sizes to seven significant digits.
    const std::vector<std::vector<Cell>> cells = {
        // Джоуль
        {kSame, 2.388459e-4L, 0.2388459L, 2.777778e-4L, kSame, 0.1019716L, 1e7L, 6.24145e18L, 9.478134e-19L,
         9.478134e-9L, 9.478134e-4L, 0.7375825L, 2.168224e-7L, 2.390057e-10L},
        // Килокалория
        {4186.8L, kSame, 1000.0L, 1.163L, 4186.8L, 426.9348L, 4.1868e10L, 2.61317e22L, 3.968305e-15L, 3.968305e-5L,
         3.968305L, 3088.11L, 9.077918e-4L, 1.000669e-6L},
        // Калория
        {4.1868L, 0.001L, kSame, 0.001163L, 4.1868L, 0.4269348L, 4.1868e7L, 2.61317e19L, 3.968305e-18L,
         3.968305e-8L, 0.003968305L, 3.08811L, 9.077918e-7L, 1.000669e-9L},
        // Ват час
        {3600.0L, 0.8598452L, 859.8452L, kSame, 3600.0L, 367.0978L, 3.6e10L, 2.246922e22L, 3.412128e-15L,
         3.412128e-5L, 3.412128L, 2655.297L, 7.805605e-4L, 8.604206e-7L},
        // Ват секунда
        {kSame, 2.388459e-4L, 0.2388459L, 2.777778e-4L, kSame, 0.1019716L, 1e7L, 6.24145e18L, 9.478134e-19L,
         9.478134e-9L, 9.478134e-4L, 0.7375825L, 2.168224e-7L, 2.390057e-10L},
        // Метр-килограмм
        {9.80665L, 0.002342278L, 2.342278L, 0.002724069L, 9.80665L, kSame, 9.80665e7L, 6.120771e19L,
         9.294874e-18L, 9.294874e-8L, 0.009294874L, 7.233211L, 2.126301e-6L, 2.343846e-9L},
        // Эрг
        {1e-7L, 2.388459e-11L, 2.388459e-8L, 2.777778e-11L, 1e-7L, 1.019716e-8L, kSame, 6.24145e11L,
         9.478134e-26L, 9.478134e-16L, 9.478134e-11L, 7.375825e-8L, 2.168224e-14L, 2.390057e-17L},
        // Электронвольт
        {1.602192e-19L, 3.826769e-23L, 3.826769e-20L, 4.450533e-23L, 1.602192e-19L, 1.633781e-20L, 1.602192e-12L,
         kSame, 1.518579e-37L, 1.518579e-27L, 1.518579e-22L, 1.181749e-19L, 3.47391e-26L, 3.82933e-29L},
        // Квад
        {1.05506e18L, 2.519968e14L, 2.519968e17L, 2.930722e14L, 1.05506e18L, 1.075862e17L, 1.05506e25L,
         6.585104e36L, kSame, 1e10L, 1e15L, 7.781938e17L, 2.287606e11L, 2.521654e8L},
        // Терм
        {1.05506e8L, 25199.68L, 2.519968e7L, 29307.22L, 1.05506e8L, 1.075862e7L, 1.05506e15L, 6.585104e26L, 1e-10L,
         kSame, 100000.0L, 7.781938e7L, 22.87606L, 0.02521654L},
        // Британская терм. ед.
        {1055.06L, 0.2519968L, 251.9968L, 0.2930722L, 1055.06L, 107.5862L, 1.05506e10L, 6.585104e21L, 1e-15L,
         1e-5L, kSame, 778.1938L, 2.287606e-4L, 2.521654e-7L},
        // Фут-фунт
        {1.355781L, 3.238226e-4L, 0.3238226L, 3.766057e-4L, 1.355781L, 0.1382512L, 1.355781e7L, 8.462037e18L,
         1.285027e-18L, 1.285027e-8L, 0.001285027L, kSame, 2.939635e-7L, 3.240393e-10L},
        // Килограмм тротила
        {4612070.0L, 1101.574L, 1101574.0L, 1281.131L, 4612070.0L, 470300.3L, 4.61207e13L, 2.878601e25L,
         4.371382e-12L, 0.04371382L, 4371.382L, 3401783.0L, kSame, 0.001102311L},
        // Америк. тонна тротила
        {4.184e9L, 999331.2L, 9.993312e8L, 1162222.0L, 4.184e9L, 4.266493e8L, 4.184e16L, 2.611423e28L,
         3.965651e-9L, 39.65651L, 3965651.0L, 3.086045e9L, 907.1847L, kSame},
    };
    return {QStringLiteral("Единицы энергии"), QStringLiteral("Перевод единиц энергии"), units,
            rulesFromMatrix(units, cells), false, NumberFormat::Fixed, ClickFlow::GuardedReading};
}

}  // namespace

const Quantity &energy()
{
    static const Quantity quantity = build();
    return quantity;
}

}  // namespace convert
