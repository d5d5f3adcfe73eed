// The reference library without windows: the fact tables' edge cases, the
// constants list, the 64 data files against accepted values of the
// constants, where a data file is looked for, and the refusal of hostile
// rich-text files.
#include "constants.h"
#include "facts.h"
#include "siunits.h"

#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const reference::FactTable &tableNamed(const QString &name)
{
    if (name == u"density")
        return reference::densities();
    if (name == u"speed")
        return reference::speeds();
    if (name == u"mountains")
        return reference::mountains();
    if (name == u"lakes")
        return reference::lakes();
    if (name == u"rivers")
        return reference::rivers();
    if (name == u"planets")
        return reference::planets();
    qFatal("no table %s", qPrintable(name));
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The two paragraphs of a data file: the symbol line and the value line.
QStringList paragraphs(const QString &html)
{
    static const QRegularExpression paragraph(u"<p[^>]*>(.*?)</p>"_s,
                                              QRegularExpression::DotMatchesEverythingOption);
    QStringList found;
    for (const QRegularExpressionMatch &m : paragraph.globalMatch(html))
        found.append(m.captured(1).trimmed());
    return found;
}

// A number as a data file writes it: "−1,602 176 634·10<sup>−19</sup> Кл",
// digits grouped by blanks, a comma for the decimal mark, the power of ten
// as a superscript, then the unit.
struct WrittenNumber {
    double value = 0;
    double halfUnit = 0;  // half a unit in the last digit written
    QString unit;
};

std::optional<WrittenNumber> readNumber(const QString &text)
{
    static const QRegularExpression number(
        u"^([−-]?)(\\d[\\d ]*(?:,[\\d ]*\\d)?)(?:·10<sup>([−-]?\\d+)</sup>)?(?: (.*))?$"_s,
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = number.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    QString mantissa = m.captured(2).remove(u' ');
    const qsizetype comma = mantissa.indexOf(u',');
    const int decimals = comma < 0 ? 0 : int(mantissa.size() - comma - 1);
    QString exponent = m.captured(3);
    exponent.replace(u"−"_s, u"-"_s);
    const int power = exponent.isEmpty() ? 0 : exponent.toInt();
    mantissa.replace(u',', u'.');
    WrittenNumber written;
    written.value = (m.captured(1).isEmpty() ? 1 : -1) * (mantissa + u"e"_s + QString::number(power)).toDouble();
    written.halfUnit = 0.5 * std::pow(10.0, power - decimals);
    written.unit = m.captured(4);
    return written;
}

QString minus(const char *text)
{
    return QString::fromUtf8(text).replace(u'-', u"−"_s);
}

}  // namespace

class TestReference : public QObject
{
    Q_OBJECT
private slots:
    void lookUp_data();
    void lookUp();
    void unknownTextMatchesNothing_data();
    void unknownTextMatchesNothing();
    void tablesAreWhole_data();
    void tablesAreWhole();
    void constantNames();
    void siTables();
    void dataFiles_data();
    void dataFiles();
    void repeatedConstantsAgree_data();
    void repeatedConstantsAgree();
    void dataFilesBesideTheProgram();
    void lookupOrder_data();
    void lookupOrder();
    void dataFoldersStartInTheWorkingDirectory();
    void missingFileIsNamed();
    void nestingDepth_data();
    void nestingDepth();
    void largestNumber_data();
    void largestNumber();
    void hostileFiles_data();
    void hostileFiles();
    void specialFilesAreRefused();
};

void TestReference::lookUp_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("values");

    QTest::newRow("density first heading empties") << u"density"_s << u"---Газообразные вещества---"_s
                                                   << QStringList{u""_s};
    QTest::newRow("density second heading: a blank") << u"density"_s << u"---Жидкости---"_s << QStringList{u" "_s};
    QTest::newRow("density third heading: a blank") << u"density"_s << u"---Твердые вещества---"_s
                                                    << QStringList{u" "_s};
    QTest::newRow("density water vapour: 0,17 (ideal gas at 1000 °C)")
        << u"density"_s << u"водяной пар при 1000°С и 101,3 кПа"_s << QStringList{u"0,17 кг/м3"_s};
    QTest::newRow("density helium, two blanks in the item")
        << u"density"_s << u"гелий  при 0°С и 101,3 кПа"_s << QStringList{u"0,179 кг/м3"_s};
    QTest::newRow("density water at 4 degrees") << u"density"_s << u"вода (при 40С)"_s
                                                << QStringList{u"1000 кг/м3"_s};
    QTest::newRow("density last") << u"density"_s << u"цинк"_s << QStringList{u"7100 кг/м3"_s};
    QTest::newRow("speed first, decimal point") << u"speed"_s << u"Улитка"_s << QStringList{u"0.009 км/ч"_s};
    QTest::newRow("speed decimal comma") << u"speed"_s << u"Таракан"_s << QStringList{u"4,6 км/ч"_s};
    QTest::newRow("speed merganser as the cheetah") << u"speed"_s << u"Длинноносый крохаль"_s
                                                    << QStringList{u"100 км/ч"_s};
    QTest::newRow("speed item in quotes") << u"speed"_s << u"\"Фермопилы\" (один из самых быстрых клиперов)"_s
                                          << QStringList{u"39 км/ч"_s};
    QTest::newRow("speed quotes at the end") << u"speed"_s << u"Гоночная яхта класса \"J\""_s
                                             << QStringList{u"56 км/ч"_s};
    QTest::newRow("speed three decimals") << u"speed"_s << u"\"Траст SSC\" (самая большая скорость на суше)"_s
                                          << QStringList{u"1227,723 км/ч"_s};
    QTest::newRow("speed last") << u"speed"_s << u"Радиоволны, свет, рентгеновское излучение"_s
                                << QStringList{u"1080000000 км/ч"_s};
    QTest::newRow("mountains first, final point") << u"mountains"_s << u"Эверест"_s << QStringList{u"8848 м."_s};
    QTest::newRow("mountains last") << u"mountains"_s << u"Аннапурна"_s << QStringList{u"8075 м."_s};
    QTest::newRow("lakes first, as spelt") << u"lakes"_s << u"Каспийскре море (Европа/Азия)"_s
                                           << QStringList{u"371000 кв. км."_s};
    QTest::newRow("lakes last") << u"lakes"_s << u"Танганьика (Африка)"_s << QStringList{u"32900 кв. км."_s};
    QTest::newRow("rivers first") << u"rivers"_s << u"Нил (Африка)"_s << QStringList{u"6670 км."_s};
    QTest::newRow("rivers last") << u"rivers"_s << u"Амур (Азия)"_s << QStringList{u"4416 км."_s};
    QTest::newRow("planets first") << u"planets"_s << u"Меркурий"_s
                                   << QStringList{u"4878 км."_s, u"58,7 земного дня"_s, u"88 дней"_s, u"нет"_s,
                                                  u"твёрдая поверхность"_s};
    QTest::newRow("planets Earth, all five rows")
        << u"planets"_s << u"Земля"_s
        << QStringList{u"12756 км."_s, u"24 часа"_s, u"365,26 дня"_s, u"один"_s,
                       u"значительную часть поверхности занимают океаны"_s};
    QTest::newRow("planets last") << u"planets"_s << u"Плутон"_s
                                  << QStringList{u"2300 км."_s, u"6,4 земного дня"_s, u"247,7 земного года"_s,
                                                 u"один"_s, u"состоит в основном из льда"_s};
}

void TestReference::lookUp()
{
    QFETCH(QString, table);
    QFETCH(QString, text);
    QFETCH(QStringList, values);
    const QStringList *found = reference::lookUp(tableNamed(table), text);
    QVERIFY(found);
    QCOMPARE(*found, values);
}

void TestReference::unknownTextMatchesNothing_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << u"speed"_s << QString();
    QTest::newRow("other case") << u"speed"_s << u"гепард"_s;
    QTest::newRow("trailing blank") << u"speed"_s << u"Гепард "_s;
    QTest::newRow("one blank where the item has two") << u"density"_s << u"гелий при 0°С и 101,3 кПа"_s;
    QTest::newRow("an item of another table") << u"planets"_s << u"Эверест"_s;
    QTest::newRow("the design-time value") << u"rivers"_s << u"45"_s;
}

void TestReference::unknownTextMatchesNothing()
{
    QFETCH(QString, table);
    QFETCH(QString, text);
    QCOMPARE(reference::lookUp(tableNamed(table), text), nullptr);
}

void TestReference::tablesAreWhole_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("labels");

    QTest::newRow("density") << u"density"_s << 36 << 1;
    QTest::newRow("speed") << u"speed"_s << 43 << 1;
    QTest::newRow("mountains") << u"mountains"_s << 10 << 1;
    QTest::newRow("lakes") << u"lakes"_s << 7 << 1;
    QTest::newRow("rivers") << u"rivers"_s << 10 << 1;
    QTest::newRow("planets") << u"planets"_s << 9 << 5;
}

void TestReference::tablesAreWhole()
{
    QFETCH(QString, table);
    QFETCH(int, count);
    QFETCH(int, labels);
    const reference::FactTable &facts = tableNamed(table);
    const QStringList items = reference::items(facts);
    QCOMPARE(items.size(), count);
    // Every item reachable: no text twice, every fact one text per label.
    QCOMPARE(QSet<QString>(items.begin(), items.end()).size(), count);
    for (const reference::Fact &fact : facts.facts)
        QCOMPARE(fact.values.size(), labels);
    QCOMPARE(facts.rowCaptions.size(), labels == 1 ? 0 : labels);
}

void TestReference::constantNames()
{
    const QStringList &names = reference::constantNames();
    QCOMPARE(names.size(), 64);
    QCOMPARE(names.first(), u"Абсолютный ноль температуры"_s);
    QCOMPARE(names.last(), u"Ядерный магнетон"_s);
    QCOMPARE(names[16], u"Магнитный квантовый поток  "_s);
    QCOMPARE(names[30], u"Отношение Джозефсона "_s);
    QCOMPARE(names[40], u"Постоянная диамагнитного экранирования  "_s);
    QCOMPARE(names[52], u"Стандартный обьём моля газа"_s);
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 64);
    // The list is in alphabetical order without regard to case, which a
    // sort by code point is not.
    int caseSensitiveInversions = 0;
    for (qsizetype i = 1; i < names.size(); ++i) {
        QVERIFY2(QString::compare(names[i - 1], names[i], Qt::CaseInsensitive) < 0, qPrintable(names[i]));
        if (names[i - 1] > names[i])
            ++caseSensitiveInversions;
    }
    QVERIFY(caseSensitiveInversions > 0);
    QCOMPARE(reference::dataFileName(0), u"DATA/0.sch"_s);
    QCOMPARE(reference::dataFileName(63), u"DATA/63.sch"_s);
}

void TestReference::siTables()
{
    const auto &large = reference::largePrefixes();
    const auto &small = reference::smallPrefixes();
    QCOMPARE(large.size(), std::size_t(8));
    QCOMPARE(small.size(), std::size_t(8));
    const std::vector<int> largeExponents = {18, 15, 12, 9, 6, 3, 2, 1};
    const std::vector<int> smallExponents = {-1, -2, -3, -6, -9, -12, -15, -18};
    for (std::size_t i = 0; i < 8; ++i) {
        QCOMPARE(large[i].exponent, largeExponents[i]);
        QCOMPARE(small[i].exponent, smallExponents[i]);
    }
    QCOMPARE(large.back().symbol, u"да"_s);
    QCOMPARE(small[3].name, u"микро"_s);
    QCOMPARE(small[3].symbol, u"мк"_s);

    const auto &texts = reference::definitions();
    QCOMPARE(texts.size(), std::size_t(7));
    QCOMPARE(texts[0].item, u"Длина (L)"_s);
    QVERIFY(texts[2].text.contains(u"соответсвуещего переходу"_s));
    QVERIFY(texts[3].text.endsWith(u"равную 2*10 -7H"_s));
    QVERIFY(texts[5].text.contains(u"вещества сисстемы, содержащей столько же сттруктурных"_s));
    QVERIFY(texts[6].text.contains(u"частотой 540*10 12Гц, энергетическая"_s));
    QCOMPARE(texts[6].list, 2);
    QCOMPARE(texts[3].list, 1);
}

void TestReference::dataFiles_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<double>("accepted");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<bool>("exact");

    // Accepted values: the SI defining constants (exact since 2019), CODATA
    // 2018 recommended values and values derived from them, the conventional
    // normal conditions (0 °C, 101,325 kPa) and handbook values of the
    // physical properties. A file may round, to half a unit in the last
    // digit it writes; the five defining constants it writes in full.
    const double u = 1.66053906660e-27;                      // atomic mass constant
    const double rydberg = 10973731.568160;                   // R∞
    const double electronToProton = 5.44617021487e-4;         // m_e / m_p
    const double c = 299792458.0;

    const auto row = [](int position, const char *name, const QString &symbol, double accepted, const QString &unit,
                        bool exact = false) {
        QTest::addRow("%d %s", position, name) << position << symbol << accepted << unit << exact;
    };
    const QString kg = u"кг"_s;
    const QString metre = u"м"_s;
    const QString joulePerTesla = u"Дж/Тл"_s;
    const QString molarVolumeUnit = u"м<sup>3</sup>/моль"_s;
    const QString density = u"кг/м<sup>3</sup>"_s;

    row(0, "absolute zero", u"t<sub>0</sub>"_s, -273.15, u"°С (0 К)"_s);
    row(1, "atomic mass unit", u"m<sub>u</sub>"_s, u, kg);
    row(2, "second radiation constant", u"c<sub>2</sub>"_s, 1.438776877e-2, u"м·К"_s);
    row(3, "proton gyromagnetic ratio", u"γ<sub>p</sub>"_s, 2.6752218744e8, minus("с<sup>-1</sup>·Тл<sup>-1</sup>"));
    row(4, "gravitational constant", u"G"_s, 6.67430e-11, u"Н·м<sup>2</sup>/кг<sup>2</sup>"_s);
    row(5, "sodium D lines, mean of 588,995 and 589,592 nm", u"λ<sub>D</sub>"_s, 589.2937e-9, metre);
    row(6, "electron charge", u"e"_s, 1.602176634e-19, u"Кл"_s, true);
    row(7, "Zeeman shift per gauss: Bohr magneton over h", u"Δν/B"_s, 1.39962449361e10 * 1e-4, u"Гц/Гс"_s);
    row(8, "quantum of circulation", u"h/(2m<sub>e</sub>)"_s, 3.6369475516e-4, u"м<sup>2</sup>/с"_s);
    row(9, "classical electron radius", u"r<sub>e</sub>"_s, 2.8179403262e-15, metre);
    row(10, "neutron Compton wavelength", u"λ<sub>C,n</sub>"_s, 1.31959090581e-15, metre);
    row(11, "proton Compton wavelength", u"λ<sub>C,p</sub>"_s, 1.32140985539e-15, metre);
    row(12, "electron Compton wavelength", u"λ<sub>C</sub>"_s, 2.42631023867e-12, metre);
    row(13, "c squared", u"c<sup>2</sup>"_s, c * c, u"Дж/кг"_s);
    row(14, "Bohr magneton", u"μ<sub>B</sub>"_s, 9.2740100783e-24, joulePerTesla);
    row(15, "magnetic constant", u"μ<sub>0</sub>"_s, 1.25663706212e-6, u"Гн/м"_s);
    row(16, "magnetic flux quantum", u"Φ<sub>0</sub>"_s, 2.067833848e-15, u"Вб"_s);
    row(17, "electron magnetic moment", u"μ<sub>e</sub>"_s, -9.2847647043e-24, joulePerTesla);
    row(18, "helium-4 atom: 4,002 603 254 13 u", u"m(<sup>4</sup>He)"_s, 4.00260325413 * u, kg);
    row(19, "carbon-12 atom: 12 u", u"m(<sup>12</sup>C)"_s, 12 * u, kg);
    row(20, "Earth mass: GM / G", u"M<sub>З</sub>"_s, 3.986004418e14 / 6.67430e-11, kg);
    row(21, "muon mass", u"m<sub>μ</sub>"_s, 1.883531627e-28, kg);
    row(22, "neutron mass", u"m<sub>n</sub>"_s, 1.67492749804e-27, kg);
    row(23, "proton mass", u"m<sub>p</sub>"_s, 1.67262192369e-27, kg);
    row(24, "electron mass", u"m<sub>e</sub>"_s, 9.1093837015e-31, kg);
    row(25, "molar volume at normal conditions", u"V<sub>m</sub>"_s, 22.41396954e-3, molarVolumeUnit);
    row(26, "normal temperature", u"T<sub>0</sub>"_s, 273.15, u"К"_s);
    row(27, "standard atmosphere", u"p<sub>0</sub>"_s, 101325, u"Па"_s);
    row(28, "standard gravity", u"g<sub>n</sub>"_s, 9.80665, u"м/с<sup>2</sup>"_s);
    row(29, "molar volume again", u"V<sub>m</sub>"_s, 22.41396954e-3, molarVolumeUnit);
    row(30, "Josephson constant", u"K<sub>J</sub>"_s, 483597.8484e9, u"Гц/В"_s);
    row(31, "first radiation constant", u"c<sub>1</sub>"_s, 3.741771852e-16, u"Вт·м<sup>2</sup>"_s);
    row(32, "Bohr radius", u"a<sub>0</sub>"_s, 5.29177210903e-11, metre);
    row(33, "water at 0 °C", u"ρ"_s, 999.84, density);
    row(34, "mercury at 0 °C", u"ρ"_s, 13595.1, density);
    row(35, "dry air at 0 °C and 101,325 kPa", u"ρ"_s, 1.2930, density);
    row(36, "threshold of hearing, 20 µPa", u"p<sub>0</sub>"_s, 2e-5, u"Па"_s);
    row(37, "Avogadro constant", u"N<sub>A</sub>"_s, 6.02214076e23, minus("моль<sup>-1</sup>"), true);
    row(38, "Boltzmann constant", u"k"_s, 1.380649e-23, u"Дж/К"_s, true);
    row(39, "Wien displacement constant", u"b"_s, 2.897771955e-3, u"м·К"_s);
    row(40, "proton magnetic shielding in water", u"σ′<sub>p</sub>"_s, 2.5689e-5, QString());
    row(41, "Kerr constant of nitrobenzene", u"B"_s, 2.4e-12, u"м/В<sup>2</sup>"_s);
    row(42, "Loschmidt constant", u"n<sub>0</sub>"_s, 2.686780111e25, minus("м<sup>-3</sup>"));
    row(43, "Planck constant", u"h"_s, 6.62607015e-34, u"Дж·с"_s, true);
    row(44, "Rydberg constant", u"R<sub>∞</sub>"_s, rydberg, minus("м<sup>-1</sup>"));
    row(45, "Rydberg constant for hydrogen: R∞ / (1 + m_e/m_p)", u"R<sub>H</sub>"_s,
        rydberg / (1 + electronToProton), minus("м<sup>-1</sup>"));
    row(46, "Stefan-Boltzmann constant", u"σ"_s, 5.670374419e-8, u"Вт/(м<sup>2</sup>·К<sup>4</sup>)"_s);
    row(47, "Faraday constant", u"F"_s, 96485.33212, u"Кл/моль"_s);
    row(48, "Bohr radius again", u"a<sub>0</sub>"_s, 5.29177210903e-11, metre);
    row(49, "speed of sound in dry air at 0 °C", u"v"_s, 331.46, u"м/с"_s);
    row(50, "speed of light", u"c"_s, c, u"м/с"_s, true);
    row(51, "mean Earth radius", u"R<sub>З</sub>"_s, 6371.0088e3, metre);
    row(52, "molar volume a third time", u"V<sub>m</sub>"_s, 22.41396954e-3, molarVolumeUnit);
    row(53, "expansion coefficient of gases: 1/273,15", u"α"_s, 1 / 273.15, minus("К<sup>-1</sup>"));
    row(54, "Thomson cross section", u"σ<sub>T</sub>"_s, 6.6524587321e-29, u"м<sup>2</sup>"_s);
    row(55, "molar gas constant", u"R"_s, 8.314462618, u"Дж/(моль·К)"_s);
    row(56, "standard gravity again", u"g<sub>n</sub>"_s, 9.80665, u"м/с<sup>2</sup>"_s);
    row(57, "electric constant", u"ε<sub>0</sub>"_s, 8.8541878128e-12, u"Ф/м"_s);
    row(58, "elementary charge", u"e"_s, 1.602176634e-19, u"Кл"_s, true);
    row(59, "neutron rest energy", u"m<sub>n</sub>c<sup>2</sup>"_s, 939.56542052, u"МэВ"_s);
    row(60, "proton rest energy", u"m<sub>p</sub>c<sup>2</sup>"_s, 938.27208816, u"МэВ"_s);
    row(61, "electron rest energy", u"m<sub>e</sub>c<sup>2</sup>"_s, 0.51099895000, u"МэВ"_s);
    row(62, "solar luminosity", u"L<sub>⊙</sub>"_s, 3.828e26, u"Вт"_s);
    row(63, "nuclear magneton", u"μ<sub>N</sub>"_s, 5.0507837461e-27, joulePerTesla);
}

void TestReference::dataFiles()
{
    QFETCH(int, position);
    QFETCH(QString, symbol);
    QFETCH(double, accepted);
    QFETCH(QString, unit);
    QFETCH(bool, exact);

    const QString path = QStringLiteral(REFERENCE_DATA) + u'/' + QString::number(position) + u".sch"_s;
    const reference::RichText file = reference::readRichText(path, path);
    QVERIFY2(file.ok(), qPrintable(file.error));
    const QStringList lines = paragraphs(file.text);
    QCOMPARE(lines.size(), 2);

    // The symbol, and after it at most a note in smaller type saying which
    // quantity or which conditions are meant.
    const QString shownSymbol = lines[0].section(u" <span"_s, 0, 0);
    QCOMPARE(shownSymbol, symbol);

    const std::optional<WrittenNumber> number = readNumber(lines[1]);
    QVERIFY2(number, qPrintable(lines[1]));
    QCOMPARE(number->unit, unit);
    const double error = std::abs(number->value - accepted);
    QVERIFY2(error <= number->halfUnit + 1e-12 * std::abs(accepted),
             qPrintable(u"%1 written, %2 accepted"_s.arg(number->value, 0, 'g', 15).arg(accepted, 0, 'g', 15)));
    // A defining constant written in full is its value to double precision.
    if (exact)
        QVERIFY2(error <= 1e-15 * std::abs(accepted), qPrintable(lines[1]));
}

void TestReference::repeatedConstantsAgree_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");

    QTest::newRow("electron charge 6 = 58") << 6 << 58;
    QTest::newRow("molar volume 25 = 29") << 25 << 29;
    QTest::newRow("molar volume 25 = 52") << 25 << 52;
    QTest::newRow("gravity 28 = 56") << 28 << 56;
    QTest::newRow("Bohr radius 32 = 48") << 32 << 48;
}

void TestReference::repeatedConstantsAgree()
{
    QFETCH(int, first);
    QFETCH(int, second);
    const auto valueOf = [](int position) {
        const QByteArray bytes = readAll(QStringLiteral(REFERENCE_DATA) + u'/' + QString::number(position) + u".sch"_s);
        return paragraphs(QString::fromUtf8(bytes)).value(1);
    };
    QVERIFY(!valueOf(first).isEmpty());
    QCOMPARE(valueOf(first), valueOf(second));
}

void TestReference::dataFilesBesideTheProgram()
{
    // The build tree holds a copy of every file in DATA/ beside the program.
    for (int position = 0; position < 64; ++position) {
        const QString name = reference::dataFileName(position);
        const QByteArray source = readAll(QStringLiteral(REFERENCE_DATA) + u'/' + QString::number(position)
                                          + u".sch"_s);
        QVERIFY(!source.isEmpty());
        QCOMPARE(readAll(QStringLiteral(KALKORT_BUILD_DIR) + u'/' + name), source);
    }
}

void TestReference::lookupOrder_data()
{
    QTest::addColumn<QList<bool>>("holds");
    QTest::addColumn<int>("found");

    QTest::newRow("only beside the program") << QList<bool>{false, false, true} << 2;
    QTest::newRow("installed and beside the program") << QList<bool>{false, true, true} << 1;
    QTest::newRow("working directory first") << QList<bool>{true, true, true} << 0;
    QTest::newRow("working directory and beside the program") << QList<bool>{true, false, true} << 0;
    QTest::newRow("nowhere") << QList<bool>{false, false, false} << -1;
}

void TestReference::lookupOrder()
{
    QFETCH(QList<bool>, holds);
    QFETCH(int, found);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    QStringList folders;
    for (int i = 0; i < 3; ++i) {
        const QString folder = root.filePath(QString::number(i));
        QVERIFY(QDir().mkpath(folder));
        folders.append(folder);
        if (holds[i])
            QVERIFY(writeFile(folder + u"/DATA/7.sch"_s, "<p>" + QByteArray::number(i) + "</p>"));
    }
    const QString path = reference::findDataFile(reference::dataFileName(7), folders);
    if (found < 0) {
        QVERIFY(path.isEmpty());
        QVERIFY(!reference::loadConstant(7, folders).ok());
        return;
    }
    QCOMPARE(path, folders[found] + u"/DATA/7.sch"_s);
    const reference::RichText text = reference::loadConstant(7, folders);
    QVERIFY(text.ok());
    QCOMPARE(text.text, u"<p>%1</p>"_s.arg(found));
}

void TestReference::dataFoldersStartInTheWorkingDirectory()
{
    QTemporaryDir elsewhere;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    const QStringList folders = reference::dataFolders();
    QDir::setCurrent(before);
    QCOMPARE(folders.size(), 3);
    QCOMPARE(QFileInfo(folders[0]).canonicalFilePath(), QFileInfo(elsewhere.path()).canonicalFilePath());
    // The installed layout: bin/kalkort and share/kalkort/DATA.
    QCOMPARE(folders[1], QDir::cleanPath(QCoreApplication::applicationDirPath() + u"/../share/kalkort"_s));
    QCOMPARE(folders[2], QCoreApplication::applicationDirPath());
}

void TestReference::missingFileIsNamed()
{
    QTemporaryDir empty;
    const reference::RichText text = reference::loadConstant(63, {empty.path()});
    QVERIFY(!text.ok());
    QVERIFY(text.text.isEmpty());
    QVERIFY2(text.error.contains(u"\"DATA/63.sch\""_s), qPrintable(text.error));
    QVERIFY2(text.error.contains(u"не найден"_s), qPrintable(text.error));
    QVERIFY2(text.error.contains(empty.path()), qPrintable(text.error));
}

void TestReference::nestingDepth_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<int>("depth");

    QTest::newRow("plain text") << u"a < b and c > d"_s << 0;
    QTest::newRow("one paragraph") << u"<p>x</p>"_s << 1;
    QTest::newRow("a data file's shape")
        << u"<html><head><meta charset=\"utf-8\"></head><body><p>m<sub>e</sub></p><p>1<sup>2</sup></p></body></html>"_s
        << 4;
    QTest::newRow("void elements open nothing") << u"<br><img src=x><hr><p>a<br>b</p>"_s << 1;
    QTest::newRow("unclosed elements stay open") << u"<p>a<p>b<p>c"_s << 3;
    QTest::newRow("closing an inner one closes it only") << u"<a><b></b><c></c></a>"_s << 2;
    QTest::newRow("closing an outer one closes the inner ones") << u"<a><b><c></a><d>"_s << 3;
    QTest::newRow("a stray closing tag closes nothing") << u"<table></x><table></x><table>"_s << 3;
    QTest::newRow("names without regard to case") << u"<TABLE><table></Table></TABLE><p>"_s << 2;
    QTest::newRow("self-closing syntax still opens") << u"<table x=/><table x=/>"_s << 2;
    QTest::newRow("tags inside a comment are not counted") << u"<!-- <table><table><table> --><p>"_s << 1;
    QTest::newRow("doctype") << u"<!DOCTYPE html><html>"_s << 1;
    QTest::newRow("a '>' inside an attribute leaves a tag counted")
        << u"<p title=\"<table>\">x</p>"_s << 2;
    QTest::newRow("a '<' ends an unfinished tag") << u"<p <table <tr>"_s << 3;
    QTest::newRow("20 nested tables") << u"<table><tr><td>"_s.repeated(20) << 60;
}

void TestReference::nestingDepth()
{
    QFETCH(QString, html);
    QFETCH(int, depth);
    QCOMPARE(reference::nestingDepth(html), depth);
}

void TestReference::largestNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("largest");

    QTest::newRow("none") << u"<p>Кл</p>"_s << 0.0;
    QTest::newRow("grouped digits are separate numbers") << u"299 792 458 м/с; 13 595,1"_s << 792.0;
    QTest::newRow("a style length") << u"<p style=\"margin-top:6px; font-size:11pt\">"_s << 11.0;
    QTest::newRow("an attribute") << u"<table cellpadding=100000000>"_s << 1e8;
    QTest::newRow("a fraction") << u"<td style='padding:99999999.5px'>"_s << 99999999.5;
    QTest::newRow("an exponent") << u"<table cellspacing=\"1e9\">"_s << 1e9;
    QTest::newRow("decimal character references") << u"cellpadding=&#49;&#48;&#48;&#48;&#48;&#48;&#48;&#48;"_s
                                                   << 1e7;
    QTest::newRow("hexadecimal character references") << u"cellpadding=&#x31;&#x30;&#x30;&#x30;&#x30;&#x30;&#x30;"_s
                                                       << 1e6;
    QTest::newRow("beyond any double") << u"padding:"_s + QString(400, u'9') << std::numeric_limits<double>::infinity();
}

void TestReference::largestNumber()
{
    QFETCH(QString, text);
    QFETCH(double, largest);
    QCOMPARE(reference::largestNumber(text), largest);
}

void TestReference::hostileFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");  // empty: accepted

    const QByteArray ok = "<p>e</p><p>1,602 176 634·10<sup>−19</sup> Кл</p>";
    QTest::newRow("a good file") << ok << QString();
    QByteArray filled = ok;
    filled.append(QByteArray(reference::kMaxDataFileBytes - filled.size(), ' '));
    QTest::newRow("exactly 64 KB") << filled << QString();
    QTest::newRow("one byte over 64 KB") << filled + ' ' << u"больше 64 КБ"_s;
    QTest::newRow("a megabyte") << QByteArray(1 << 20, 'a') << u"больше 64 КБ"_s;
    QTest::newRow("Latin-1 text") << QByteArray("<p>caf\xe9</p>") << u"UTF-8"_s;
    QTest::newRow("overlong slash") << QByteArray("<p>\xc0\xaf</p>") << u"UTF-8"_s;
    QTest::newRow("cut in the middle of a letter") << QByteArray("<p>\xd0") << u"UTF-8"_s;
    QTest::newRow("a lone surrogate") << QByteArray("<p>\xed\xa0\x80</p>") << u"UTF-8"_s;
    // 20 tables in 301 bytes keep a layout busy for seconds, 3000 crash it.
    const QByteArray twenty = "<html><body>" + QByteArray("<table><tr><td>").repeated(20) + "x"
                              + QByteArray("</td></tr></table>").repeated(20);
    QTest::newRow("20 nested tables") << twenty << u"вложена"_s;
    QTest::newRow("3000 unclosed tables") << QByteArray("<table><tr><td>").repeated(3000) << u"вложена"_s;
    QTest::newRow("nesting hidden behind stray closing tags") << QByteArray("<div></x>").repeated(40)
                                                              << u"вложена"_s;
    QTest::newRow("deep lists") << QByteArray("<ul><li>").repeated(6) << u"вложена"_s;
    // A table cell padded by 10^8 pixels never finishes its layout.
    QTest::newRow("a huge cell padding") << QByteArray("<table cellpadding=100000000><tr><td>x</td></tr></table>")
                                         << u"число больше 1000000"_s;
    QTest::newRow("a huge padding as an exponent")
        << QByteArray("<table><tr><td style='padding:1e8px'>x</td></tr></table>")
                                                   << u"число больше 1000000"_s;
    QTest::newRow("a million is allowed") << QByteArray("<p>1000000</p>") << QString();
    QTest::newRow("ten levels are allowed") << QByteArray("<span>").repeated(reference::kMaxNesting) << QString();
    QTest::newRow("eleven are not") << QByteArray("<span>").repeated(reference::kMaxNesting + 1) << u"вложена"_s;
}

void TestReference::hostileFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"DATA/12.sch"_s);
    QVERIFY(writeFile(path, bytes));
    QElapsedTimer timer;
    timer.start();
    const reference::RichText text = reference::loadConstant(12, {folder.path()});
    QVERIFY(timer.elapsed() < 1000);
    if (reason.isEmpty()) {
        QVERIFY2(text.ok(), qPrintable(text.error));
        QCOMPARE(text.text, QString::fromUtf8(bytes));
        return;
    }
    QVERIFY(!text.ok());
    QVERIFY(text.text.isEmpty());
    QVERIFY2(text.error.contains(u'"' + path + u'"'), qPrintable(text.error));
    QVERIFY2(text.error.contains(reason), qPrintable(text.error));
}

void TestReference::specialFilesAreRefused()
{
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkpath(u"DATA/1.sch"_s));
    const reference::RichText directory = reference::loadConstant(1, {folder.path()});
    QVERIFY(!directory.ok());
    QVERIFY2(directory.error.contains(u"не обычный файл"_s), qPrintable(directory.error));

    // A named pipe with no writer would block a plain open for ever.
    const QString pipe = folder.filePath(u"DATA/2.sch"_s);
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QElapsedTimer timer;
    timer.start();
    const reference::RichText fifo = reference::loadConstant(2, {folder.path()});
    QVERIFY(timer.elapsed() < 1000);
    QVERIFY(!fifo.ok());
    QVERIFY2(fifo.error.contains(pipe), qPrintable(fifo.error));

    if (::geteuid() == 0)
        QSKIP("root reads files without read permission");
    const QString locked = folder.filePath(u"DATA/3.sch"_s);
    QVERIFY(writeFile(locked, "<p>x</p>"));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::WriteOwner));
    const reference::RichText unreadable = reference::loadConstant(3, {folder.path()});
    QVERIFY(!unreadable.ok());
    QVERIFY2(unreadable.error.contains(u"нет прав на чтение"_s), qPrintable(unreadable.error));
}

QTEST_GUILESS_MAIN(TestReference)
#include "tst_reference.moc"
