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

// The records of the thirteen screens, by the names the rows and the data
// files use, in the order of the main window's items.
struct Screen {
    const char *name;
    const Quantity &(*record)();
};

const Screen kScreens[] = {
    {"mass", convert::mass},
    {"length", convert::length},
    {"temperature", convert::temperature},
    {"information", convert::information},
    {"speed", convert::speed},
    {"pressure", convert::pressure},
    {"force", convert::force},
    {"power", convert::power},
    {"area", convert::areaMeasures},
    {"solid-volume", convert::solidVolume},
    {"liquid-volume", convert::liquidVolume},
    {"angle", convert::angle},
    {"energy", convert::energy},
};

const Quantity &quantityNamed(const QString &name)
{
    static const Quantity reading = readingFixture(ClickFlow::GuardedReading);
    static const Quantity conversion = readingFixture(ClickFlow::GuardedConversion);
    for (const Screen &screen : kScreens)
        if (name == QLatin1String(screen.name))
            return screen.record();
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
    // A bad value ends a guarded conversion; a guarded reading reports it
    // and answers for 0 with no places, and answers a bad rounding text with
    // no places.
    for (const Screen &screen : kScreens) {
        const Quantity &quantity = screen.record();
        const QStringList &units = quantity.units;
        const bool reading = quantity.flow == ClickFlow::GuardedReading;
        QTest::addRow("%s: empty value", screen.name)
            << screen.name << "" << units[1] << units[0] << "2" << (reading ? "Ответ: 0  " + units[0] : QString())
            << invalid;
        QTest::addRow("%s: letters", screen.name)
            << screen.name << "abc" << units[0] << units[1] << "2"
            << (reading ? "Ответ: 0  " + units[1] : QString()) << invalid;
        if (quantity.format == NumberFormat::Fixed)
            QTest::addRow("%s: rounding abc", screen.name)
                << screen.name << "1,6" << units[0] << units[0] << "abc"
                << (reading ? "Ответ: 2  " + units[0] : QString()) << invalid;
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

    const QStringList tooLarge{kTooLarge};
    const auto row = [](const char *name, const char *screen, const char *value, const char *from, const char *to,
                        const char *rounding, const char *number, const QStringList &messages = {}) {
        QTest::newRow(name) << screen << value << from << to << rounding
                            << (*number ? QStringLiteral("Ответ: %1  %2").arg(QLatin1String(number),
                                                                              QString::fromUtf8(to))
                                        : QString())
                            << messages;
    };

    // Pressure: each pair's own constant; guarded reading, no sign drop.
    row("pressure bar to bar", "pressure", "2,5", "Бар", "Бар", "2", "2,50");
    row("pressure -1 bar to pascal", "pressure", "-1", "Бар", "Паскаль", "0", "-100000");
    row("pressure pascal to kgf/m2", "pressure", "1", "Паскаль", "Кг. силы на кв. м.", "7", "0,1019716");
    row("pressure psi to kgf/m2", "pressure", "1", "Фунт на кв. дюйм", "Кг. силы на кв. м.", "4", "703,0696");
    row("pressure psi to at, the rule carried twice", "pressure", "1", "Фунт на кв. дюйм", "Техническая атм.", "8",
        "0,07030696");
    row("pressure bar to psi", "pressure", "1", "Бар", "Фунт на кв. дюйм", "5", "14,50377");
    row("pressure the constant, not the quotient of the sizes", "pressure", "1", "Физическая атм.",
        "Миллиметр рт. ст.", "4", "760,0021");
    row("pressure rounding 99999999 passes", "pressure", "1", "Бар", "Паскаль", "99999999",
        "100000,000000000000000000");
    row("pressure rounding 100000000 refused", "pressure", "1", "Бар", "Паскаль", "100000000", "", tooLarge);
    row("pressure negative rounding passes", "pressure", "1234,5", "Паскаль", "Паскаль", "-1", "1235");
    row("pressure empty value answers 0 bar", "pressure", "", "Бар", "Бар", "2", "0", invalid);
    row("pressure bad rounding answers with no places", "pressure", "2", "Бар", "Кг. силы на кв. м.", "x",
        "20394", invalid);
    row("pressure 1e308 bar to pascal", "pressure", "1e308", "Бар", "Паскаль", "0", "INF");
    row("pressure -1e308 bar to pascal", "pressure", "-1e308", "Бар", "Паскаль", "0", "-INF");

    // Force and power: each pair's own constant, "Вес килограмма" into the
    // pounds by the quotients of the sizes; guarded conversion.
    row("force English pound to pound", "force", "1", "Вес фунта англ.", "Вес фунта", "5", "1,10764");
    row("force pound to English pound", "force", "1", "Вес фунта", "Вес фунта англ.", "5", "0,90281");
    row("force kilogram to pound", "force", "1", "Вес килограмма", "Вес фунта", "5", "2,44191");
    row("force kilogram to English pound", "force", "1", "Вес килограмма", "Вес фунта англ.", "5", "2,20469");
    row("force -2 megadynes keep the sign", "force", "-2", "Мегадин", "Вес килограмма", "5", "-2,03942");
    row("force same unit", "force", "3,25", "Вес фунта", "Вес фунта", "2", "3,25");
    row("force rounding a letter", "force", "1", "Мегадин", "Вес фунта", "a", "", invalid);
    row("force rounding far above any limit", "force", "1", "Мегадин", "Мегадин", "100000000",
        "1,000000000000000000");
    row("power kgm/s to HP", "power", "1", "Кгм/сек.", "Англ. лош. сила(HP)", "5", "0,01315");
    row("power HP to kgm/s", "power", "1", "Англ. лош. сила(HP)", "Кгм/сек.", "2", "76,05");
    row("power kgm/s to metric horsepower, the constant", "power", "1", "Кгм/сек.", "Лош. сила(ЛС)", "7",
        "0,0133300");
    row("power metric horsepower to kgm/s", "power", "1", "Лош. сила(ЛС)", "Кгм/сек.", "0", "75");
    row("power kilowatt to HP", "power", "-10", "Международный киловатт(KW)", "Англ. лош. сила(HP)", "2",
        "-13,41");

    // Area: quotients of the sizes; sign drop.
    row("area -3 hectares to ares", "area", "-3", "Гектар", "Ар", "0", "300");
    row("area square verst to square foot", "area", "1", "Квадратная верста", "Квадратный фут", "7",
        "12249730,8934338");
    row("area square sazhen to square verst", "area", "1", "Квадратный сажень", "Квадратная верста", "6",
        "0,000004");
    row("area square foot to are", "area", "1", "Квадратный фут", "Ар", "6", "0,000929");
    row("area square decimetre to are", "area", "1", "Квадратный дециметер", "Ар", "4", "0,0001");
    row("area square millimetre to square inch", "area", "1", "Квадратный миллиметер", "Квадратный дюйм", "8",
        "0,00154991");
    row("area square decimetre to square inch", "area", "1", "Квадратный дециметер", "Квадратный дюйм", "3",
        "15,499");
    row("area square mile to are", "area", "1", "Квадратная миля", "Ар", "1", "25899,9");
    row("area same unit drops the sign", "area", "-2,5", "Квадратный ярд", "Квадратный ярд", "2", "2,50");

    // Volume of solids: quotients of the sizes, the cubic foot 0.0283168 m3.
    row("solid volume cubic inch to cubic centimetre", "solid-volume", "1", "Кубический дюйм",
        "Кубический сантиметер", "4", "16,3871");
    row("solid volume cubic inch to itself", "solid-volume", "7,5", "Кубический дюйм", "Кубический дюйм", "1",
        "7,5");
    row("solid volume cubic metre to cubic foot", "solid-volume", "1", "Кубический метр", "Кубический фут", "5",
        "35,31472");
    row("solid volume cubic foot to cubic inch", "solid-volume", "1", "Кубический фут", "Кубический дюйм", "2",
        "1727,99");
    row("solid volume cubic sazhen to cubic arshin", "solid-volume", "1", "Кубическая сажень", "Кубический аршин",
        "6", "27,000047");
    row("solid volume -2 cubic metres to cubic decimetres", "solid-volume", "-2", "Кубический метр",
        "Кубический дециметер", "0", "2000");

    // Volume of liquids: quotients of the sizes, the quarter 290.94976 l.
    row("liquid volume litre to pint", "liquid-volume", "1", "Литр", "Пинта", "4", "1,7598");
    row("liquid volume pint to pint", "liquid-volume", "1", "Пинта", "Пинта", "0", "1");
    row("liquid volume vedro to pint", "liquid-volume", "1", "Ведро", "Пинта", "2", "21,64");
    row("liquid volume gallon to pint", "liquid-volume", "1", "Галлон", "Пинта", "0", "8");
    row("liquid volume hectolitre to shtof", "liquid-volume", "1", "Гектолитр", "Шторф", "4", "81,3074");
    row("liquid volume barrel to vedro", "liquid-volume", "1", "Бочка", "Ведро", "4", "39,9987");
    row("liquid volume quarter to litre", "liquid-volume", "1", "Квартер", "Литр", "5", "290,94976");
    row("liquid volume quarter to gallon", "liquid-volume", "1", "Квартер", "Галлон", "0", "64");
    row("liquid volume quarter to bushel", "liquid-volume", "-1", "Квартер", "Бушель", "1", "8,0");
    row("liquid volume pint to gallon", "liquid-volume", "1", "Пинта", "Галлон", "3", "0,125");

    // Angle: each pair's own constant or fraction; guarded reading.
    row("angle 180 degrees to radians", "angle", "180", "Градус", "Радиан", "6", "3,141592");
    row("angle radian to degrees", "angle", "1", "Радиан", "Градус", "5", "57,29578");
    row("angle 90 minutes to degrees", "angle", "90", "Минута", "Градус", "1", "1,5");
    row("angle 30 Russian mils to grads", "angle", "30", "Русская тысячная", "Град", "0", "2");
    row("angle -1 rhumb to degrees", "angle", "-1", "Румб", "Градус", "2", "-11,25");
    row("angle minute to circle, the rounded constant", "angle", "1", "Минута", "Окружность", "10",
        "0,0000462963");
    row("angle rounding 100000000 refused", "angle", "1", "Градус", "Минута", "100000000", "", tooLarge);
    row("angle bad value answers 0", "angle", "x", "Градус", "Минута", "4", "0", invalid);

    // Energy: each pair's own constant, the metre-kilogram 9.80665 J;
    // guarded reading.
    row("energy kilogram of TNT to erg", "energy", "1", "Килограмм тротила", "Эрг", "0", "46120700000000");
    row("energy joule to electronvolt", "energy", "1", "Джоуль", "Электронвольт", "2", "6,24145E18");
    row("energy electronvolt to quad", "energy", "1", "Электронвольт", "Квад", "10", "0,0000000000");
    row("energy ton of TNT to kilogram of TNT", "energy", "1", "Америк. тонна тротила", "Килограмм тротила", "4",
        "907,1847");
    row("energy kilogram of TNT to ton of TNT", "energy", "1", "Килограмм тротила", "Америк. тонна тротила", "6",
        "0,001102");
    row("energy kilocalorie to metre-kilogram", "energy", "1", "Килокалория", "Метр-килограмм", "1", "426,9");
    row("energy metre-kilogram to joule", "energy", "1", "Метр-килограмм", "Джоуль", "5", "9,80665");
    row("energy metre-kilogram to foot-pound", "energy", "1", "Метр-килограмм", "Фут-фунт", "6", "7,233211");
    row("energy joule to watt-second", "energy", "2,5", "Джоуль", "Ват секунда", "2", "2,50");
    row("energy watt-second to joule", "energy", "2,5", "Ват секунда", "Джоуль", "2", "2,50");
    row("energy negative keeps the sign", "energy", "-2", "Ват час", "Джоуль", "0", "-7200");
    row("energy 1e300 quads to electronvolts", "energy", "1e300", "Квад", "Электронвольт", "0", "INF");
    row("energy -1e300 quads to electronvolts", "energy", "-1e300", "Квад", "Электронвольт", "0", "-INF");
    row("energy rounding 100000000 refused", "energy", "1", "Джоуль", "Эрг", "100000000", "", tooLarge);
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
    void forms_data();
    void forms();
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
    QTest::addColumn<bool>("reading");  // the guarded-reading flow

    QTest::newRow("mass") << "mass" << "Меры массы" << "Перевод единиц масс" << 17 << "Килограмм" << true << false
                          << false;
    QTest::newRow("length") << "length" << "Меры длины" << "Перевод длин" << 19 << "Метр" << true << false << false;
    QTest::newRow("temperature") << "temperature" << "Температура" << "Перевод температур" << 4 << "Цельсий"
                                 << false << false << false;
    QTest::newRow("information") << "information" << "Единицы информации" << "Перевод единиц информации" << 14
                                 << "бит" << false << true << false;
    QTest::newRow("speed") << "speed" << "Скорость" << "Перевод скорости" << 5 << "M / сек." << false << false
                           << false;
    QTest::newRow("pressure") << "pressure" << "Давление" << "Перевод единиц давления" << 11 << "Бар" << false
                              << false << true;
    QTest::newRow("force") << "force" << "Единицы сил" << "Перевод единиц сил" << 4 << "Мегадин" << false << false
                           << false;
    QTest::newRow("power") << "power" << "Единицы мощности" << "Перевод единиц мощности" << 4 << "Кгм/сек." << false
                           << false << false;
    QTest::newRow("area") << "area" << "Меры площади" << "Перевод мер площадей" << 13 << "Квадратный километр"
                          << true << false << false;
    QTest::newRow("solid-volume") << "solid-volume" << "Меры объёма тел" << "Перевод объёмов" << 9
                                  << "Кубический метр" << true << false << false;
    QTest::newRow("liquid-volume") << "liquid-volume" << "Меры объёма жидкостей" << "Перевод объёмов" << 19
                                   << "Гектолитр" << true << false << false;
    QTest::newRow("angle") << "angle" << "Угловая мера" << "Перевод угловых мер" << 10 << "Окружность" << false
                           << false << true;
    QTest::newRow("energy") << "energy" << "Единицы энергии" << "Перевод единиц энергии" << 14 << "Джоуль" << false
                            << false << true;
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
    QFETCH(bool, reading);

    const Quantity &quantity = quantityNamed(screen);
    QCOMPARE(quantity.caption, caption);
    QCOMPARE(quantity.heading, heading);
    QCOMPARE(quantity.units.size(), units);
    QCOMPARE(quantity.units.front(), first);
    QStringList distinct = quantity.units;
    QCOMPARE(distinct.removeDuplicates(), 0);
    QCOMPARE(quantity.signDrop, signDrop);
    QCOMPARE(quantity.format == NumberFormat::General, general);
    QCOMPARE(quantity.flow, reading ? ClickFlow::GuardedReading : ClickFlow::GuardedConversion);
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
    QTest::addColumn<QStringList>("repeated");  // pairs whose rule the table carries twice

    for (const Screen &screen : kScreens) {
        const QString name = QString::fromLatin1(screen.name);
        QTest::newRow(screen.name) << name << (name != u"temperature")
                                   << (name == u"pressure" ? QStringList{QStringLiteral(
                                                                 "Фунт на кв. дюйм -> Техническая атм.")}
                                                           : QStringList{});
    }
}

// Every ordered pair has a rule, the table lists them pair by pair in list
// order (a repeated rule right after the first), only the pairs named carry
// two, and every pair answers; 0 converts to 0 except where the scales have
// offsets (the temperature rows of `click` cover those).
void TestConversion::everyPair()
{
    QFETCH(QString, screen);
    QFETCH(bool, zeroGivesZero);
    QFETCH(QStringList, repeated);

    const Quantity &quantity = quantityNamed(screen);
    const qsizetype n = quantity.units.size();
    QCOMPARE(qsizetype(quantity.rules.size()), n * n + repeated.size());
    std::size_t next = 0;  // the table's next rule
    for (qsizetype a = 0; a < n; ++a) {
        for (qsizetype b = 0; b < n; ++b) {
            const QString &from = quantity.units[a];
            const QString &to = quantity.units[b];
            const QString pair = from + QStringLiteral(" -> ") + to;
            const std::size_t rules = repeated.contains(pair) ? 2 : 1;
            QCOMPARE(convert::rulesFor(quantity, from, to).size(), rules);
            for (std::size_t k = 0; k < rules; ++k, ++next) {
                const convert::Rule &rule = quantity.rules[next];
                QVERIFY2(rule.from == from && rule.to == to, qPrintable(pair));
            }

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
    for (const Screen &screen : kScreens)
        QTest::newRow(screen.name) << QString::fromLatin1(screen.name);
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



// A pair whose arithmetic form decides the last digits, at a value where a
// plausible other form (two steps for a quotient, a division for a
// fraction, other offsets) gives another double: conversion/forms.txt, from
// conversion/generate.py.
void TestConversion::forms_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");

    QFile file(QFINDTESTDATA("conversion/forms.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTest::newRow("conversion/forms.txt is missing") << QString() << QString() << QString() << QString()
                                                         << QString();
        return;
    }
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).chopped(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList f = line.split(u'\t');
        const QString name = f.value(0) + QStringLiteral(": ") + f.value(1) + QStringLiteral(" -> ") + f.value(2) +
                             QStringLiteral(", ") + f.value(5);
        QTest::newRow(qPrintable(name)) << f.value(0) << f.value(1) << f.value(2) << f.value(3) << f.value(4);
    }
}

void TestConversion::forms()
{
    QFETCH(QString, screen);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, value);
    QFETCH(QString, expected);

    QVERIFY(!screen.isEmpty());
    const auto x = calc::StrToFloat(value, u'.');
    QVERIFY(x);
    const auto y = convert::convertValue(quantityNamed(screen), *x, from, to);
    QVERIFY(y);
    // Exactly the double named by its 18 digits (QCOMPARE of doubles would
    // allow a few units in the last place).
    QVERIFY2(*y == expected.toDouble(), qPrintable(QString::asprintf("%.17e", *y) + QStringLiteral(", expected ") +
                                                   expected));
}

QTEST_GUILESS_MAIN(TestConversion)
#include "tst_conversion.moc"
