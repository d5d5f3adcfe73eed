// The conversion engine and the records of the conversion screens, without
// any window: the edge cases of each screen, conversions worked out by hand
// from the unit sizes and formulas, every pair of every screen against the
// expected values in conversion/*.txt, and the two click flows.
#include "conversion.h"
#include "qtnumbers.h"
#include "quantities.h"

#include <QFile>
#include <QSet>
#include <QtTest>

#include <cstdlib>

using convert::ClickFlow;
using convert::NumberFormat;
using convert::Quantity;

namespace {

const QString kInvalid = QStringLiteral("Ошибка! Вы ввели неправильное значение!!!");
const QString kTooLarge = QStringLiteral("Ошибка! Значение для округления слишком большое!");

// Two units of a guarded-reading screen; the pair "Паскаль" to "Бар" has
// two rules, the later one right.
Quantity readingFixture(ClickFlow flow)
{
    const QString bar = QStringLiteral("Бар");
    const QString pascal = QStringLiteral("Паскаль");
    Quantity quantity{QStringLiteral("Давление"), QStringLiteral("Перевод"), {bar, pascal}, {}, false,
                      NumberFormat::Fixed, flow};
    quantity.rules = {
        {bar, bar, {}},
        {bar, pascal, {{convert::Step::Multiply, 100000.0L}}},
        {pascal, bar, {{convert::Step::Multiply, 1.0L}}},
        {pascal, bar, {{convert::Step::Divide, 100000.0L}}},
    };
    return quantity;
}

const Quantity &quantityNamed(const QString &name)
{
    static const Quantity reading = readingFixture(ClickFlow::GuardedReading);
    static const Quantity conversion = readingFixture(ClickFlow::GuardedConversion);
    if (name == u"mass")
        return convert::mass();
    if (name == u"length")
        return convert::length();
    if (name == u"temperature")
        return convert::temperature();
    if (name == u"information")
        return convert::information();
    if (name == u"speed")
        return convert::speed();
    if (name == u"reading")
        return reading;
    if (name == u"conversion")
        return conversion;
    qFatal("no quantity %s", qPrintable(name));
}

// The rounding text of a click: the information screen has none and reads
// its hidden label's "1".
QString roundingFor(const QString &screen, const QString &rounding)
{
    return screen == u"information" ? QStringLiteral("1") : rounding;
}

// The cases a click is checked on, one row each: the screen's record (or a
// fixture), the controls' texts, and the answer line and messages the click
// gives.
void clickColumns()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("rounding");
    QTest::addColumn<QString>("answer");  // empty: the answer line is left as it was
    QTest::addColumn<QStringList>("messages");
}

// The edge cases of the engine and of each screen.
void exampleRows()
{
    const QStringList none;
    const QStringList invalid{kInvalid};

    // The engine's own cases.
    QTest::newRow("same unit keeps the value") << "mass" << "2,5" << "Килограмм" << "Килограмм" << "3"
                                               << "Ответ: 2,500  Килограмм" << none;
    QTest::newRow("mass drops the sign") << "mass" << "-5" << "Грамм" << "Грамм" << "0" << "Ответ: 5  Грамм" << none;
    QTest::newRow("temperature keeps the sign") << "temperature" << "-40" << "Цельсий" << "Фаренгейт" << "0"
                                                << "Ответ: -40  Фаренгейт" << none;
    QTest::newRow("rounding 25 gives 18 places") << "length" << "1,5" << "Метр" << "Метр" << "25"
                                                 << "Ответ: 1,500000000000000000  Метр" << none;
    QTest::newRow("negative rounding counts as 0") << "length" << "1234,5" << "Метр" << "Метр" << "-2"
                                                   << "Ответ: 1235  Метр" << none;
    QTest::newRow("rounding with a leading blank") << "speed" << "2" << "Узлов" << "Узлов" << " 1"
                                                   << "Ответ: 2,0  Узлов" << none;
    QTest::newRow("value with blanks around") << "speed" << " 2,5 " << "Узлов" << "Узлов" << "1"
                                              << "Ответ: 2,5  Узлов" << none;
    QTest::newRow("point under a comma locale") << "mass" << "2.5" << "Грамм" << "Грамм" << "0" << "" << invalid;
    for (const char *screen : {"mass", "length", "temperature", "information", "speed"}) {
        const Quantity &quantity = quantityNamed(QString::fromLatin1(screen));
        QTest::addRow("%s: empty value", screen) << screen << "" << quantity.units[1] << quantity.units[0] << "2"
                                                 << "" << invalid;
        QTest::addRow("%s: letters", screen) << screen << "abc" << quantity.units[0] << quantity.units[1] << "2"
                                             << "" << invalid;
        if (quantity.format == NumberFormat::Fixed)
            QTest::addRow("%s: rounding abc", screen) << screen << "1" << quantity.units[0] << quantity.units[1]
                                                      << "abc" << "" << invalid;
    }
    QTest::newRow("rounding 3,0") << "mass" << "1" << "Грамм" << "Карат" << "3,0" << "" << invalid;
    QTest::newRow("rounding beyond 32 bits") << "mass" << "1" << "Грамм" << "Карат" << "2147483648" << ""
                                             << invalid;
    QTest::newRow("lists without a rule: bad rounding not read")
        << "mass" << "1" << "Килограммы" << "Грамм" << "abc" << "" << none;
    QTest::newRow("tonnes to milligrams beyond the double range")
        << "mass" << "1E300" << "Метрич. тонна" << "Миллиграм" << "2" << "Ответ: INF  Миллиграм" << none;
    QTest::newRow("negative temperature beyond the double range")
        << "temperature" << "-1E308" << "Цельсий" << "Фаренгейт" << "2" << "Ответ: -INF  Фаренгейт" << none;

    // Mass.
    QTest::newRow("mass -3 kg to g") << "mass" << "-3" << "Килограмм" << "Грамм" << "0" << "Ответ: 3000  Грамм"
                                     << none;
    QTest::newRow("mass pood to kg") << "mass" << "1" << "Пуд" << "Килограмм" << "2" << "Ответ: 16,38  Килограмм"
                                     << none;
    QTest::newRow("mass English ton to trade pound") << "mass" << "1" << "Англ. тонна" << "Торговый фунт" << "4"
                                                     << "Ответ: 2239,9999  Торговый фунт" << none;
    QTest::newRow("mass gram to carat") << "mass" << "1" << "Грамм" << "Карат" << "0" << "Ответ: 5  Карат" << none;
    QTest::newRow("mass carat to gram") << "mass" << "1" << "Карат" << "Грамм" << "1" << "Ответ: 0,2  Грамм" << none;
    QTest::newRow("mass pound to kg") << "mass" << "1" << "Фунт" << "Килограмм" << "8"
                                      << "Ответ: 0,40951241  Килограмм" << none;
    QTest::newRow("mass trade pound to kg") << "mass" << "1" << "Торговый фунт" << "Килограмм" << "8"
                                            << "Ответ: 0,45359243  Килограмм" << none;
    QTest::newRow("mass dolya to pennyweight (by the unit sizes)")
        << "mass" << "1" << "Доля" << "Пеннивейт" << "10" << "Ответ: 0,0285498600  Пеннивейт" << none;
    QTest::newRow("mass pennyweight to dolya") << "mass" << "1" << "Пеннивейт" << "Доля" << "10"
                                               << "Ответ: 35,0264414414  Доля" << none;
    QTest::newRow("mass pennyweight to tonne") << "mass" << "1" << "Пеннивейт" << "Метрич. тонна" << "10"
                                               << "Ответ: 0,0000015552  Метрич. тонна" << none;
    QTest::newRow("mass 1000 pennyweight to tonne") << "mass" << "1000" << "Пеннивейт" << "Метрич. тонна" << "10"
                                                    << "Ответ: 0,0015551742  Метрич. тонна" << none;

    // Length.
    QTest::newRow("length -2 km to m") << "length" << "-2" << "Километр" << "Метр" << "0" << "Ответ: 2000  Метр"
                                       << none;
    QTest::newRow("length verst to m") << "length" << "1" << "Верста" << "Метр" << "1" << "Ответ: 1066,8  Метр"
                                       << none;
    QTest::newRow("length verst to sazhen") << "length" << "1" << "Верста" << "Сажень" << "0"
                                            << "Ответ: 500  Сажень" << none;
    QTest::newRow("length yard to yard") << "length" << "1" << "Ярд" << "Ярд" << "0" << "Ответ: 1  Ярд" << none;
    QTest::newRow("length yard to foot") << "length" << "1" << "Ярд" << "Фут" << "0" << "Ответ: 3  Фут" << none;
    QTest::newRow("length foot to yard") << "length" << "1" << "Фут" << "Ярд" << "10" << "Ответ: 0,3333333333  Ярд"
                                         << none;
    QTest::newRow("length mile to furlong") << "length" << "1" << "Англ. миля" << "Фурлонг" << "10"
                                            << "Ответ: 7,9999801161  Фурлонг" << none;
    QTest::newRow("length mile to m") << "length" << "1" << "Англ. миля" << "Метр" << "2" << "Ответ: 1609,34  Метр"
                                      << none;
    QTest::newRow("length nautical mile to mile") << "length" << "1" << "Морская миля" << "Англ. миля" << "10"
                                                  << "Ответ: 1,1515279556  Англ. миля" << none;
    QTest::newRow("length micron to km") << "length" << "1" << "Микрон" << "Километр" << "10"
                                         << "Ответ: 0,0000000010  Километр" << none;
    QTest::newRow("length 1E303 versts to points") << "length" << "1E303" << "Верста" << "Точка" << "0"
                                                   << "Ответ: INF  Точка" << none;

    // Temperature, Kelvin 273.15 above Celsius.
    QTest::newRow("temperature 100 C to F") << "temperature" << "100" << "Цельсий" << "Фаренгейт" << "0"
                                            << "Ответ: 212  Фаренгейт" << none;
    QTest::newRow("temperature 100 C to R") << "temperature" << "100" << "Цельсий" << "Реомюр" << "0"
                                            << "Ответ: 80  Реомюр" << none;
    QTest::newRow("temperature 100 C to K") << "temperature" << "100" << "Цельсий" << "Кельвин" << "2"
                                            << "Ответ: 373,15  Кельвин" << none;
    QTest::newRow("temperature 0 K to C") << "temperature" << "0" << "Кельвин" << "Цельсий" << "2"
                                          << "Ответ: -273,15  Цельсий" << none;
    QTest::newRow("temperature 32 F to C") << "temperature" << "32" << "Фаренгейт" << "Цельсий" << "0"
                                           << "Ответ: 0  Цельсий" << none;
    QTest::newRow("temperature 212 F to R") << "temperature" << "212" << "Фаренгейт" << "Реомюр" << "0"
                                            << "Ответ: 80  Реомюр" << none;
    QTest::newRow("temperature 80 R to F") << "temperature" << "80" << "Реомюр" << "Фаренгейт" << "0"
                                           << "Ответ: 212  Фаренгейт" << none;
    QTest::newRow("temperature 80 R to C") << "temperature" << "80" << "Реомюр" << "Цельсий" << "0"
                                           << "Ответ: 100  Цельсий" << none;
    QTest::newRow("temperature 0 K to F") << "temperature" << "0" << "Кельвин" << "Фаренгейт" << "3"
                                          << "Ответ: -459,670  Фаренгейт" << none;
    QTest::newRow("temperature -500 C to K") << "temperature" << "-500" << "Цельсий" << "Кельвин" << "2"
                                             << "Ответ: -226,85  Кельвин" << none;

    // Information, in the general format.
    const auto info = [](const char *name, const char *value, const char *from, const char *to, const char *number) {
        QTest::newRow(name) << "information" << value << from << to << "1"
                            << QStringLiteral("Ответ: %1  %2").arg(QLatin1String(number), QString::fromUtf8(to))
                            << QStringList{};
    };
    info("information kilobyte to bit", "1", "килобайт", "бит", "8192");
    info("information bit to byte", "1", "бит", "байт", "0,125");
    info("information bit to kilobit", "1", "бит", "килобит", "0,0009765625");
    info("information bit to megabit", "1", "бит", "мегабит", "9,5367431640625E-7");
    info("information 1536 megabytes to gigabytes", "1536", "мегабайт", "гигабайт", "1,5");
    info("information -1 byte to bits", "-1", "байт", "бит", "-8");
    info("information petabyte to bit", "1", "петабайт", "бит", "9007199254740992");
    info("information exabit to bit", "1", "эксабит", "бит", "1,15292150460684698E18");
    info("information exabyte to bit", "1", "эксабайт", "бит", "9,22337203685477581E18");
    info("information bit to exabyte", "1", "бит", "эксабайт", "1,08420217248550443E-19");
    info("information 0,1 bit to bit", "0,1", "бит", "бит", "0,100000000000000006");
    info("information 1,1 kilobit to bit", "1,1", "килобит", "бит", "1126,40000000000009");

    // Speed, with "M / сек." to "Узлов" 1.9438 and "Англ. миль / ч." to "Узлов" 0.869.
    QTest::newRow("speed 10 m/s to km/h") << "speed" << "10" << "M / сек." << "Км. / ч." << "0"
                                          << "Ответ: 36  Км. / ч." << none;
    QTest::newRow("speed 36 km/h to m/s") << "speed" << "36" << "Км. / ч." << "M / сек." << "4"
                                          << "Ответ: 10,0008  M / сек." << none;
    QTest::newRow("speed m/s to knots") << "speed" << "1" << "M / сек." << "Узлов" << "4" << "Ответ: 1,9438  Узлов"
                                        << none;
    QTest::newRow("speed knots to m/s") << "speed" << "1" << "Узлов" << "M / сек." << "4"
                                        << "Ответ: 0,5148  M / сек." << none;
    QTest::newRow("speed 100 mph to knots") << "speed" << "100" << "Англ. миль / ч." << "Узлов" << "1"
                                            << "Ответ: 86,9  Узлов" << none;
    QTest::newRow("speed -5 km/h to km/h") << "speed" << "-5" << "Км. / ч." << "Км. / ч." << "0"
                                           << "Ответ: -5  Км. / ч." << none;
    QTest::newRow("speed m/s to versts per hour") << "speed" << "1" << "M / сек." << "Врс. / ч." << "3"
                                                  << "Ответ: 3,375  Врс. / ч." << none;
}

// Worked with exact fractions: each constant, quotient of two unit
// sizes and step rounded to a 64-bit mantissa, the result to a double,
// and the double's 18 significant digits.
void handWorkedRows()
{
    QTest::newRow("centner to carat multiplies by 10^8 then divides by 200") << "mass" << "2,1208714451162347" << "Метрич. центнер" << "Карат" << "18" << "Ответ: 1060435,722558117240000000  Карат" << QStringList{};
    QTest::newRow("kilogram to carat multiplies by 10^6 then divides by 200") << "mass" << "1,5" << "Килограмм" << "Карат" << "0" << "Ответ: 7500  Карат" << QStringList{};
    QTest::newRow("kilogram to tonne divides by 1000") << "mass" << "-2500" << "Килограмм" << "Метрич. тонна" << "1" << "Ответ: 2,5  Метрич. тонна" << QStringList{};
    QTest::newRow("tonne to carat") << "mass" << "0,003" << "Метрич. тонна" << "Карат" << "2" << "Ответ: 15000,00  Карат" << QStringList{};
    QTest::newRow("trade pound to pound uses its own constant") << "mass" << "1" << "Торговый фунт" << "Фунт" << "16" << "Ответ: 1,1076402593025203  Фунт" << QStringList{};
    QTest::newRow("pound to trade pound follows the factors") << "mass" << "1" << "Фунт" << "Торговый фунт" << "16" << "Ответ: 0,9028202035911401  Торговый фунт" << QStringList{};
    QTest::newRow("pennyweight to tonne uses its own constant") << "mass" << "1" << "Пеннивейт" << "Метрич. тонна" << "16" << "Ответ: 0,0000015551742000  Метрич. тонна" << QStringList{};
    QTest::newRow("tonne to pennyweight follows the factors") << "mass" << "1" << "Метрич. тонна" << "Пеннивейт" << "10" << "Ответ: 643014,8652176542  Пеннивейт" << QStringList{};
    QTest::newRow("dolya to pennyweight follows the factors") << "mass" << "1" << "Доля" << "Пеннивейт" << "18" << "Ответ: 0,028549860015663842  Пеннивейт" << QStringList{};
    QTest::newRow("pennyweight to dolya") << "mass" << "1" << "Пеннивейт" << "Доля" << "10" << "Ответ: 35,0264414414  Доля" << QStringList{};
    QTest::newRow("grain to pood, quotient once in extended") << "mass" << "677" << "Гран" << "Пуд" << "18" << "Ответ: 0,002678197079548229  Пуд" << QStringList{};
    QTest::newRow("English hundredweight to trade pound") << "mass" << "1" << "Англ. центнер" << "Торговый фунт" << "10" << "Ответ: 111,9999996473  Торговый фунт" << QStringList{};
    QTest::newRow("a unit to itself keeps the double") << "mass" << "0,1" << "Лот" << "Лот" << "18" << "Ответ: 0,100000000000000006  Лот" << QStringList{};
    QTest::newRow("milligram to tonne") << "mass" << "7" << "Миллиграм" << "Метрич. тонна" << "18" << "Ответ: 0,000000007000000000  Метрич. тонна" << QStringList{};
    QTest::newRow("mile to yard, quotient once in extended") << "length" << "0,16" << "Англ. миля" << "Ярд" << "18" << "Ответ: 281,599300087489041000  Ярд" << QStringList{};
    QTest::newRow("verst to sazhen") << "length" << "1" << "Верста" << "Сажень" << "18" << "Ответ: 500,000000000000000000  Сажень" << QStringList{};
    QTest::newRow("sazhen to arshin") << "length" << "1" << "Сажень" << "Аршин" << "18" << "Ответ: 3,000000000000000000  Аршин" << QStringList{};
    QTest::newRow("foot to yard") << "length" << "1" << "Фут" << "Ярд" << "18" << "Ответ: 0,333333333333333315  Ярд" << QStringList{};
    QTest::newRow("inch to point") << "length" << "3" << "Дюйм" << "Точка" << "18" << "Ответ: 300,000000000000000000  Точка" << QStringList{};
    QTest::newRow("yard to rod") << "length" << "11" << "Ярд" << "Поль,род или пэрч" << "18" << "Ответ: 2,000000000000000000  Поль,род или пэрч" << QStringList{};
    QTest::newRow("chain to yard") << "length" << "1" << "Цепь" << "Ярд" << "18" << "Ответ: 22,000000000000000000  Ярд" << QStringList{};
    QTest::newRow("arshin to vershok") << "length" << "2,5" << "Аршин" << "Вершок" << "10" << "Ответ: 40,0000000000  Вершок" << QStringList{};
    QTest::newRow("mile to nautical mile") << "length" << "1" << "Англ. миля" << "Морская миля" << "18" << "Ответ: 0,868411396503345534  Морская миля" << QStringList{};
    QTest::newRow("verst to point near the top of the range") << "length" << "1E300" << "Верста" << "Точка" << "0" << "Ответ: 4,20000000000000029E306  Точка" << QStringList{};
    QTest::newRow("negative kilometres") << "length" << "-0,5" << "Километр" << "Сантиметр" << "0" << "Ответ: 50000  Сантиметр" << QStringList{};
    QTest::newRow("micron to millimetre") << "length" << "1234,5" << "Микрон" << "Миллиметр" << "18" << "Ответ: 1,234499999999999930  Миллиметр" << QStringList{};
    QTest::newRow("Celsius to Fahrenheit, 1.8 in extended") << "temperature" << "84" << "Цельсий" << "Фаренгейт" << "18" << "Ответ: 183,199999999999989000  Фаренгейт" << QStringList{};
    QTest::newRow("Kelvin to Fahrenheit, offset then 1.8") << "temperature" << "334,82" << "Кельвин" << "Фаренгейт" << "18" << "Ответ: 143,006000000000000000  Фаренгейт" << QStringList{};
    QTest::newRow("Kelvin to Fahrenheit at absolute zero") << "temperature" << "0" << "Кельвин" << "Фаренгейт" << "18" << "Ответ: -459,670000000000016000  Фаренгейт" << QStringList{};
    QTest::newRow("Celsius to Kelvin at the double of -273.15") << "temperature" << "-273,15" << "Цельсий" << "Кельвин" << "18" << "Ответ: 0,000000000000022732  Кельвин" << QStringList{};
    QTest::newRow("Celsius to Kelvin") << "temperature" << "100" << "Цельсий" << "Кельвин" << "18" << "Ответ: 373,149999999999977000  Кельвин" << QStringList{};
    QTest::newRow("Kelvin to Celsius") << "temperature" << "300" << "Кельвин" << "Цельсий" << "18" << "Ответ: 26,850000000000001400  Цельсий" << QStringList{};
    QTest::newRow("Fahrenheit to Celsius, 5/9 in extended") << "temperature" << "98,6" << "Фаренгейт" << "Цельсий" << "18" << "Ответ: 37,000000000000000000  Цельсий" << QStringList{};
    QTest::newRow("Fahrenheit to Celsius, 5/9 not in double") << "temperature" << "451" << "Фаренгейт" << "Цельсий" << "15" << "Ответ: 232,777777777777771  Цельсий" << QStringList{};
    QTest::newRow("Fahrenheit to Reaumur, 4/9 in extended") << "temperature" << "50" << "Фаренгейт" << "Реомюр" << "18" << "Ответ: 8,000000000000000000  Реомюр" << QStringList{};
    QTest::newRow("Fahrenheit to Kelvin") << "temperature" << "0" << "Фаренгейт" << "Кельвин" << "18" << "Ответ: 255,372222222222234000  Кельвин" << QStringList{};
    QTest::newRow("Reaumur to Kelvin") << "temperature" << "-10" << "Реомюр" << "Кельвин" << "4" << "Ответ: 260,6500  Кельвин" << QStringList{};
    QTest::newRow("Reaumur to Fahrenheit") << "temperature" << "0,4" << "Реомюр" << "Фаренгейт" << "18" << "Ответ: 32,899999999999998600  Фаренгейт" << QStringList{};
    QTest::newRow("Kelvin to Reaumur") << "temperature" << "373,15" << "Кельвин" << "Реомюр" << "18" << "Ответ: 79,999999999999985800  Реомюр" << QStringList{};
    QTest::newRow("Celsius to Reaumur") << "temperature" << "-37" << "Цельсий" << "Реомюр" << "18" << "Ответ: -29,600000000000001400  Реомюр" << QStringList{};
    QTest::newRow("kilobit to byte") << "information" << "3" << "килобит" << "байт" << "1" << "Ответ: 384  байт" << QStringList{};
    QTest::newRow("gigabyte to megabit") << "information" << "1" << "гигабайт" << "мегабит" << "1" << "Ответ: 8192  мегабит" << QStringList{};
    QTest::newRow("bit to gigabyte") << "information" << "5" << "бит" << "гигабайт" << "1" << "Ответ: 5,82076609134674072E-10  гигабайт" << QStringList{};
    QTest::newRow("exabyte to bit beyond the double range") << "information" << "1E300" << "эксабайт" << "бит" << "1" << "Ответ: INF  бит" << QStringList{};
    QTest::newRow("terabit to kilobyte") << "information" << "0,3" << "терабит" << "килобайт" << "1" << "Ответ: 40265318,3999999985  килобайт" << QStringList{};
    QTest::newRow("petabit to exabyte") << "information" << "1" << "петабит" << "эксабайт" << "1" << "Ответ: 0,0001220703125  эксабайт" << QStringList{};
    QTest::newRow("megabyte to bit") << "information" << "-2,5" << "мегабайт" << "бит" << "1" << "Ответ: -20971520  бит" << QStringList{};
    QTest::newRow("byte to terabyte") << "information" << "1E12" << "байт" << "терабайт" << "1" << "Ответ: 0,909494701772928238  терабайт" << QStringList{};
    QTest::newRow("gigabit to gigabit") << "information" << "12345678901234567890" << "гигабит" << "гигабит" << "1" << "Ответ: 1,23456789012345672E19  гигабит" << QStringList{};
    QTest::newRow("bit to exabit") << "information" << "3" << "бит" << "эксабит" << "1" << "Ответ: 2,60208521396521064E-18  эксабит" << QStringList{};
    QTest::newRow("exabit to kilobit") << "information" << "0,7" << "эксабит" << "килобит" << "1" << "Ответ: 788129934789836,75  килобит" << QStringList{};
    QTest::newRow("kilobyte to megabyte") << "information" << "1E-5" << "килобайт" << "мегабайт" << "1" << "Ответ: 9,7656250000000008E-9  мегабайт" << QStringList{};
    QTest::newRow("metres per second to miles per hour") << "speed" << "84" << "M / сек." << "Англ. миль / ч." << "18" << "Ответ: 187,907999999999987000  Англ. миль / ч." << QStringList{};
    QTest::newRow("versts per hour to knots") << "speed" << "322" << "Врс. / ч." << "Узлов" << "18" << "Ответ: 185,375400000000013000  Узлов" << QStringList{};
    QTest::newRow("km per hour to metres per second") << "speed" << "36" << "Км. / ч." << "M / сек." << "18" << "Ответ: 10,000799999999999900  M / сек." << QStringList{};
    QTest::newRow("metres per second to knots") << "speed" << "1" << "M / сек." << "Узлов" << "18" << "Ответ: 1,943799999999999970  Узлов" << QStringList{};
    QTest::newRow("miles per hour to knots") << "speed" << "100" << "Англ. миль / ч." << "Узлов" << "18" << "Ответ: 86,900000000000005700  Узлов" << QStringList{};
    QTest::newRow("knots to metres per second") << "speed" << "1" << "Узлов" << "M / сек." << "18" << "Ответ: 0,514800000000000035  M / сек." << QStringList{};
    QTest::newRow("knots to versts per hour") << "speed" << "-2,5" << "Узлов" << "Врс. / ч." << "4" << "Ответ: -4,3430  Врс. / ч." << QStringList{};
    QTest::newRow("versts per hour to km per hour") << "speed" << "7" << "Врс. / ч." << "Км. / ч." << "18" << "Ответ: 7,467600000000000020  Км. / ч." << QStringList{};
    QTest::newRow("km per hour to miles per hour") << "speed" << "1" << "Км. / ч." << "Англ. миль / ч." << "18" << "Ответ: 0,621399999999999952  Англ. миль / ч." << QStringList{};
    QTest::newRow("miles per hour to km per hour") << "speed" << "1" << "Англ. миль / ч." << "Км. / ч." << "18" << "Ответ: 1,609299999999999950  Км. / ч." << QStringList{};
    QTest::newRow("metres per second to versts per hour") << "speed" << "0,1" << "M / сек." << "Врс. / ч." << "18" << "Ответ: 0,337500000000000022  Врс. / ч." << QStringList{};
    QTest::newRow("km per hour to versts per hour") << "speed" << "100" << "Км. / ч." << "Врс. / ч." << "18" << "Ответ: 93,739999999999994900  Врс. / ч." << QStringList{};
}

// Both click flows on a small fixture.
void flowRows()
{
    const QStringList none;
    const QStringList invalid{kInvalid};
    QTest::newRow("reading: empty value answers for 0")
        << "reading" << "" << "Бар" << "Бар" << "3" << "Ответ: 0  Бар" << invalid;
    QTest::newRow("reading: bad value, bad rounding not read")
        << "reading" << "abc" << "Бар" << "Паскаль" << "abc" << "Ответ: 0  Паскаль" << invalid;
    QTest::newRow("reading: bad value, rounding too large not read")
        << "reading" << "abc" << "Бар" << "Бар" << "100000000" << "Ответ: 0  Бар" << invalid;
    QTest::newRow("reading: bad rounding answers with no places")
        << "reading" << "2,5" << "Бар" << "Бар" << "abc" << "Ответ: 3  Бар" << invalid;
    QTest::newRow("reading: rounding at the limit")
        << "reading" << "2,5" << "Бар" << "Бар" << "100000000" << "" << QStringList{kTooLarge};
    QTest::newRow("reading: rounding far above the limit")
        << "reading" << "2,5" << "Бар" << "Паскаль" << "2147483647" << "" << QStringList{kTooLarge};
    QTest::newRow("reading: rounding just below the limit")
        << "reading" << "2,5" << "Бар" << "Бар" << "99999999" << "Ответ: 2,500000000000000000  Бар" << none;
    QTest::newRow("reading: negative rounding passes")
        << "reading" << "2,5" << "Бар" << "Бар" << "-5" << "Ответ: 3  Бар" << none;
    QTest::newRow("reading: no sign drop")
        << "reading" << "-2" << "Бар" << "Паскаль" << "1" << "Ответ: -200000,0  Паскаль" << none;
    QTest::newRow("reading: beyond the double range")
        << "reading" << "1E305" << "Бар" << "Паскаль" << "0" << "Ответ: INF  Паскаль" << none;
    QTest::newRow("reading: the later of two rules stays")
        << "reading" << "1" << "Паскаль" << "Бар" << "5" << "Ответ: 0,00001  Бар" << none;
    QTest::newRow("reading: lists without a rule")
        << "reading" << "abc" << "Бар" << "Атмосфера" << "2" << "" << invalid;
    QTest::newRow("conversion: the later of two rules stays")
        << "conversion" << "1" << "Паскаль" << "Бар" << "5" << "Ответ: 0,00001  Бар" << none;
    QTest::newRow("conversion: bad value ends the click")
        << "conversion" << "" << "Бар" << "Бар" << "3" << "" << invalid;
    QTest::newRow("conversion: rounding far above the limit is capped")
        << "conversion" << "2,5" << "Бар" << "Бар" << "100000000" << "Ответ: 2,500000000000000000  Бар" << none;
}

}  // namespace

class TestConversion : public QObject
{
    Q_OBJECT
private slots:
    void records_data();
    void records();
    void click_data();
    void click();
    void everyPair_data();
    void everyPair();
    void golden_data();
    void golden();
};

void TestConversion::records_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("first");
    QTest::addColumn<bool>("signDrop");
    QTest::addColumn<bool>("general");

    QTest::newRow("mass") << "mass" << "Меры массы" << "Перевод единиц масс" << 17 << "Килограмм" << true << false;
    QTest::newRow("length") << "length" << "Меры длины" << "Перевод длин" << 19 << "Метр" << true << false;
    QTest::newRow("temperature") << "temperature" << "Температура" << "Перевод температур" << 4 << "Цельсий"
                                 << false << false;
    QTest::newRow("information") << "information" << "Единицы информации" << "Перевод единиц информации" << 14
                                 << "бит" << false << true;
    QTest::newRow("speed") << "speed" << "Скорость" << "Перевод скорости" << 5 << "M / сек." << false << false;
}

void TestConversion::records()
{
    QFETCH(QString, screen);
    QFETCH(QString, caption);
    QFETCH(QString, heading);
    QFETCH(int, units);
    QFETCH(QString, first);
    QFETCH(bool, signDrop);
    QFETCH(bool, general);

    const Quantity &quantity = quantityNamed(screen);
    QCOMPARE(quantity.caption, caption);
    QCOMPARE(quantity.heading, heading);
    QCOMPARE(quantity.units.size(), units);
    QCOMPARE(quantity.units.front(), first);
    QStringList distinct = quantity.units;
    QCOMPARE(distinct.removeDuplicates(), 0);
    QCOMPARE(quantity.signDrop, signDrop);
    QCOMPARE(quantity.format == NumberFormat::General, general);
    QCOMPARE(quantity.flow, ClickFlow::GuardedConversion);
}





void TestConversion::click_data()
{
    clickColumns();
    exampleRows();
    handWorkedRows();
    flowRows();
}

void TestConversion::click()
{
    QFETCH(QString, screen);
    QFETCH(QString, value);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, rounding);
    QFETCH(QString, answer);
    QFETCH(QStringList, messages);

    const convert::Outcome outcome =
        convert::click(quantityNamed(screen), {value, from, to, roundingFor(screen, rounding)}, QChar(u','));
    QCOMPARE(outcome.answer.value_or(QString()), answer);
    QCOMPARE(outcome.messages, messages);
}

void TestConversion::everyPair_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<bool>("zeroGivesZero");

    QTest::newRow("mass") << "mass" << true;
    QTest::newRow("length") << "length" << true;
    QTest::newRow("temperature") << "temperature" << false;
    QTest::newRow("information") << "information" << true;
    QTest::newRow("speed") << "speed" << true;
}

// Every ordered pair has exactly one rule, the table lists them pair by pair
// in list order, and every pair answers; 0 converts to 0 except where the
// scales have offsets (the temperature rows of `examples` cover those).
void TestConversion::everyPair()
{
    QFETCH(QString, screen);
    QFETCH(bool, zeroGivesZero);

    const Quantity &quantity = quantityNamed(screen);
    const qsizetype n = quantity.units.size();
    QCOMPARE(qsizetype(quantity.rules.size()), n * n);
    for (qsizetype a = 0; a < n; ++a) {
        for (qsizetype b = 0; b < n; ++b) {
            const QString &from = quantity.units[a];
            const QString &to = quantity.units[b];
            const QString pair = from + QStringLiteral(" -> ") + to;
            QCOMPARE(convert::rulesFor(quantity, from, to).size(), std::size_t(1));
            const convert::Rule &rule = quantity.rules[std::size_t(a * n + b)];
            QVERIFY2(rule.from == from && rule.to == to, qPrintable(pair));

            const convert::Outcome one = convert::click(quantity, {QStringLiteral("1"), from, to, QStringLiteral("1")},
                                                        QChar(u','));
            QVERIFY2(one.messages.isEmpty(), qPrintable(pair));
            QVERIFY2(one.answer && one.answer->startsWith(QStringLiteral("Ответ: ")) &&
                         one.answer->endsWith(QStringLiteral("  ") + to),
                     qPrintable(pair));
            if (a == b) {
                const QString same = quantity.format == NumberFormat::General ? QStringLiteral("1")
                                                                              : QStringLiteral("1,0");
                QCOMPARE(*one.answer, QStringLiteral("Ответ: ") + same + QStringLiteral("  ") + to);
            }

            const convert::Outcome zero = convert::click(
                quantity, {QStringLiteral("0"), from, to, QStringLiteral("0")}, QChar(u','));
            QVERIFY2(zero.answer, qPrintable(pair));
            if (zeroGivesZero || a == b)
                QCOMPARE(*zero.answer, QStringLiteral("Ответ: 0  ") + to);
        }
    }
}

void TestConversion::golden_data()
{
    QTest::addColumn<QString>("screen");
    for (const char *screen : {"mass", "length", "temperature", "information", "speed"})
        QTest::newRow(screen) << screen;
}

// Every ordered pair at the values the data file lists, against the doubles
// conversion/generate.py worked out with exact fractions from its own copy
// of the tables.
void TestConversion::golden()
{
    QFETCH(QString, screen);

    const QString path = QFINDTESTDATA(QStringLiteral("conversion/%1.txt").arg(screen));
    QVERIFY2(!path.isEmpty(), qPrintable(screen));
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(path));

    const Quantity &quantity = quantityNamed(screen);
    QSet<QString> values;
    QSet<QString> covered;
    QStringList wrong;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).chopped(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        QCOMPARE(fields.size(), 4);
        const QString &from = fields[0];
        const QString &to = fields[1];
        const auto value = calc::StrToFloat(fields[2], u'.');
        QVERIFY2(value, qPrintable(line));
        const QByteArray expectedText = fields[3].toLatin1();
        char *end = nullptr;
        const double expected = std::strtod(expectedText.constData(), &end);
        QVERIFY2(*end == '\0' && end != expectedText.constData(), qPrintable(line));
        // 18 significant digits name one double: the two must be equal.
        const auto y = convert::convertValue(quantity, *value, from, to);
        if (!y || *y != expected)
            wrong << QStringLiteral("%1 -> %2 at %3: %4, expected %5")
                         .arg(from, to, fields[2], y ? QString::asprintf("%.17e", *y) : QStringLiteral("no rule"),
                              fields[3]);
        values.insert(fields[2]);
        covered.insert(from + u'\t' + to + u'\t' + fields[2]);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("%1 wrong:\n").arg(wrong.size()) + wrong.join(u'\n')));

    // The file covers every ordered pair of the record at each of its values.
    QVERIFY(!values.isEmpty());
    for (const QString &value : std::as_const(values))
        for (const QString &from : quantity.units)
            for (const QString &to : quantity.units)
                QVERIFY2(covered.contains(from + u'\t' + to + u'\t' + value),
                         qPrintable(from + QStringLiteral(" -> ") + to + QStringLiteral(" at ") + value));
    QCOMPARE(covered.size(), values.size() * quantity.units.size() * quantity.units.size());
}



QTEST_GUILESS_MAIN(TestConversion)
#include "tst_conversion.moc"
