// The quadratic and biquadratic equations and the system of two linear
// equations, without any window: each solver's edge cases, cases worked out
// by hand, the texts a failed click leaves alone, and the chart's points.
#include "equations.h"
#include "system.h"

#include <QtTest>

using solve::EquationOutcome;
using solve::EquationRequest;
using solve::SystemOutcome;
using solve::SystemRequest;

namespace {

const QString kInvalid = QStringLiteral("Ошибка! Вы ввели неправильное значение!!!");
const QString kNo = QStringLiteral("Нет решений");
const QString kUnique = QStringLiteral("Система имеет единственное решение");
const QString kMany = QStringLiteral("Система имеет бесконечно много решений");
const QString kNone = QStringLiteral("Система не имеет решений");

}  // namespace

class TestEquations : public QObject
{
    Q_OBJECT
private slots:
    void quadratic_data();
    void quadratic();
    void biquadratic_data();
    void biquadratic();
    void equationFailures_data();
    void equationFailures();
    void system_data();
    void system();
    void systemPlot_data();
    void systemPlot();
};

// Rows under a comma separator unless the row gives another.
void TestEquations::quadratic_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("rounding");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("discriminant");
    QTest::addColumn<QStringList>("roots");

    const QChar comma(u',');
    QTest::newRow("two roots") << "1" << "-3" << "2" << "0" << comma << "D= 1" << QStringList{"X1= 1", "X2= 2"};
    QTest::newRow("D = 0 writes both lines") << "1" << "2" << "1" << "2" << comma << "D= 0"
                                             << QStringList{"X1= -1,00", "X2= -1,00"};
    QTest::newRow("D < 0 keeps its sign") << "1" << "0" << "1" << "0" << comma << "D= -4" << QStringList{kNo, kNo};
    QTest::newRow("the screen's example") << "-5" << "2" << "-124" << "3" << comma << "D= -2476"
                                          << QStringList{kNo, kNo};
    QTest::newRow("D shown rounded, roots from the exact D")
        << "1" << "1" << "0,1875" << "2" << comma << "D= 0" << QStringList{"X1= -0,75", "X2= -0,25"};
    QTest::newRow("D 2,5 shown as 3") << "1" << "3" << "1,625" << "2" << comma << "D= 3"
                                      << QStringList{"X1= -2,29", "X2= -0,71"};
    QTest::newRow("negative a swaps the order") << "-1" << "0" << "4" << "0" << comma << "D= 16"
                                                << QStringList{"X1= 2", "X2= -2"};
    QTest::newRow("halves and thirds") << "2" << "-7" << "3" << "3" << comma << "D= 25"
                                       << QStringList{"X1= 0,500", "X2= 3,000"};
    QTest::newRow("irrational roots") << "1" << "0" << "-2" << "4" << comma << "D= 8"
                                      << QStringList{"X1= -1,4142", "X2= 1,4142"};
    QTest::newRow("point separator") << "1" << "-2.5" << "1" << "1" << QChar(u'.') << "D= 2"
                                     << QStringList{"X1= 0.5", "X2= 2.0"};
    QTest::newRow("rounding 25 gives 18 places") << "1" << "-3" << "2" << "25" << comma << "D= 1"
                                                 << QStringList{"X1= 1,000000000000000000", "X2= 2,000000000000000000"};
    QTest::newRow("hexadecimal rounding") << "1" << "-3" << "2" << "$2" << comma << "D= 1"
                                          << QStringList{"X1= 1,00", "X2= 2,00"};
    // b² = 2^54 + 2^28 + 1 and 4ac = 2^54 + 2^28: in doubles D would be 0.
    QTest::newRow("discriminant in extended precision")
        << "1" << "134217729" << "4503599694479360" << "0" << comma << "D= 1"
        << QStringList{"X1= -67108865", "X2= -67108864"};
    QTest::newRow("a = 0, b = 2: minus infinity and undefined")
        << "0" << "2" << "1" << "2" << comma << "D= 4" << QStringList{"X1= -INF", "X2= NAN"};
    QTest::newRow("a = 0, b = -2: undefined and infinity")
        << "0" << "-2" << "1" << "2" << comma << "D= 4" << QStringList{"X1= NAN", "X2= INF"};
    QTest::newRow("a = b = c = 0") << "0" << "0" << "0" << "0" << comma << "D= 0" << QStringList{"X1= NAN", "X2= NAN"};
}

void TestEquations::quadratic()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, c);
    QFETCH(QString, rounding);
    QFETCH(QChar, separator);
    QFETCH(QString, discriminant);
    QFETCH(QStringList, roots);

    const EquationOutcome outcome = solve::quadratic({a, b, c, rounding}, separator);
    QCOMPARE(outcome.messages, QStringList());
    QCOMPARE(outcome.discriminant, std::optional<QString>(discriminant));
    QCOMPARE(outcome.roots, roots);
}

// Root lines from the top: +√t1, +√t2, −√t1, −√t2.
void TestEquations::biquadratic_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("rounding");
    QTest::addColumn<QString>("discriminant");
    QTest::addColumn<QStringList>("roots");

    const QStringList none{kNo, kNo, kNo, kNo};
    QTest::newRow("four roots") << "1" << "-5" << "4" << "0" << "D= 9" << QStringList{"X= 1", "X= 2", "X= -1", "X= -2"};
    QTest::newRow("negative a swaps the pairs") << "-1" << "5" << "-4" << "0" << "D= 9"
                                                << QStringList{"X= 2", "X= 1", "X= -2", "X= -1"};
    QTest::newRow("t1 < 0, t2 = 1") << "1" << "1" << "-2" << "0" << "D= 9" << QStringList{kNo, "X= 1", kNo, "X= -1"};
    QTest::newRow("both t negative") << "1" << "3" << "2" << "0" << "D= 1" << none;
    QTest::newRow("D < 0") << "1" << "0" << "1" << "0" << "D= -4" << none;
    QTest::newRow("the screen's example") << "-5" << "2" << "-124" << "0" << "D= -2476" << none;
    QTest::newRow("D = 0, t = 2") << "1" << "-4" << "4" << "3" << "D= 0"
                                  << QStringList{"X= 1,414", "X= 1,414", "X= -1,414", "X= -1,414"};
    QTest::newRow("t = 0 on one pair") << "1" << "-9" << "0" << "1" << "D= 81"
                                       << QStringList{"X= 0,0", "X= 3,0", "X= 0,0", "X= -3,0"};
    // t2 = 2·10^10 ÷ (2·10^-320) is beyond the double range.
    QTest::newRow("t of plus infinity") << "1E-320" << "-1E10" << "0" << "0" << "D= 1E20"
                                        << QStringList{"X= 0", "X= INF", "X= 0", "X= -INF"};

    // a = 0, b ≠ 0: b·t + c = 0.
    QTest::newRow("a = 0: 2t - 8 = 0") << "0" << "2" << "-8" << "0" << "D= 4"
                                       << QStringList{"X= 2", "X= 2", "X= -2", "X= -2"};
    QTest::newRow("a = 0: -2t + 1 = 0") << "0" << "-2" << "1" << "2" << "D= 4"
                                        << QStringList{"X= 0,71", "X= 0,71", "X= -0,71", "X= -0,71"};
    QTest::newRow("a = 0: 2t + 1 = 0") << "0" << "2" << "1" << "0" << "D= 4" << none;
    QTest::newRow("a = 0: 3t = 0") << "0" << "3" << "0" << "1" << "D= 9"
                                   << QStringList{"X= 0,0", "X= 0,0", "X= 0,0", "X= 0,0"};
    QTest::newRow("a = 0: 4t - 1 = 0 in quarters") << "0" << "4" << "-1" << "2" << "D= 16"
                                                   << QStringList{"X= 0,50", "X= 0,50", "X= -0,50", "X= -0,50"};
    // a = b = 0: the divisions are undefined.
    QTest::newRow("a = b = 0") << "0" << "0" << "5" << "0" << "D= 0" << none;
    QTest::newRow("a = b = c = 0") << "0" << "0" << "0" << "0" << "D= 0" << none;
}

void TestEquations::biquadratic()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, c);
    QFETCH(QString, rounding);
    QFETCH(QString, discriminant);
    QFETCH(QStringList, roots);

    const EquationOutcome outcome = solve::biquadratic({a, b, c, rounding}, u',');
    QCOMPARE(outcome.messages, QStringList());
    QCOMPARE(outcome.discriminant, std::optional<QString>(discriminant));
    QCOMPARE(outcome.roots, roots);
}

// A bad text fails before any line changes: one message, no line.
void TestEquations::equationFailures_data()
{
    QTest::addColumn<bool>("biquadratic");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("rounding");

    for (const bool biquadratic : {false, true}) {
        const char *name = biquadratic ? "biquadratic" : "quadratic";
        QTest::addRow("%s: empty c", name) << biquadratic << "1" << "-3" << "" << "0";
        QTest::addRow("%s: letters in a", name) << biquadratic << "abc" << "-3" << "2" << "0";
        QTest::addRow("%s: point under a comma", name) << biquadratic << "1" << "2.5" << "2" << "0";
        QTest::addRow("%s: rounding of letters", name) << biquadratic << "1" << "-3" << "2" << "abc";
        QTest::addRow("%s: rounding 2,0", name) << biquadratic << "1" << "-3" << "2" << "2,0";
        QTest::addRow("%s: rounding with a trailing blank", name) << biquadratic << "1" << "-3" << "2" << "2 ";
        QTest::addRow("%s: bad rounding and bad a, one message", name) << biquadratic << "x" << "-3" << "2" << "x";
        QTest::addRow("%s: a = 0 with a bad rounding", name) << biquadratic << "0" << "2" << "-8" << "x";
    }
}

void TestEquations::equationFailures()
{
    QFETCH(bool, biquadratic);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, c);
    QFETCH(QString, rounding);

    const EquationRequest request{a, b, c, rounding};
    const EquationOutcome outcome =
        biquadratic ? solve::biquadratic(request, u',') : solve::quadratic(request, u',');
    QCOMPARE(outcome.messages, QStringList{kInvalid});
    QCOMPARE(outcome.discriminant, std::nullopt);
    QCOMPARE(outcome.roots, QStringList());
}

// Coefficients in the order a1 b1 c1 / a2 b2 c2; xLine and yLine empty when
// they keep their text.
void TestEquations::system_data()
{
    QTest::addColumn<QStringList>("coefficients");
    QTest::addColumn<QString>("rounding");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("xLine");
    QTest::addColumn<QString>("yLine");
    QTest::addColumn<bool>("plotted");

    const QStringList no;
    const QStringList invalid{kInvalid};
    QTest::newRow("unique: X = 2, Y = 1") << QStringList{"1", "1", "3", "1", "-1", "1"} << "0" << no << kUnique
                                          << "Ответ: X= 2" << "Y= 1" << true;
    QTest::newRow("unique in thirds") << QStringList{"3", "6", "3", "3", "3", "2"} << "2" << no << kUnique
                                      << "Ответ: X= 0,33" << "Y= 0,33" << true;
    QTest::newRow("unique in 23rds") << QStringList{"2", "3", "7", "5", "-4", "3"} << "3" << no << kUnique
                                     << "Ответ: X= 1,609" << "Y= 1,261" << true;
    QTest::newRow("hexadecimal and a leading blank") << QStringList{"$1", " 1", "x3", "1", "-1", "1"} << "1" << no
                                                     << kUnique << "Ответ: X= 2,0" << "Y= 1,0" << true;
    // The quotients differ by about 2·10^-19 and the products need 63 bits.
    QTest::newRow("unique only in extended precision")
        << QStringList{"2147483647", "2147483646", "1", "2147483646", "2147483645", "1"} << "0" << no << kUnique
        << "Ответ: X= 1" << "Y= -1" << true;
    QTest::newRow("infinitely many") << QStringList{"1", "2", "3", "2", "4", "6"} << "0" << no << kMany << "Ответ: X="
                                     << "Y=" << true;
    QTest::newRow("infinitely many, negative quotients") << QStringList{"1", "-2", "3", "-2", "4", "-6"} << "0" << no
                                                         << kMany << "Ответ: X=" << "Y=" << true;
    QTest::newRow("infinitely many, quotients of a third") << QStringList{"1", "3", "5", "3", "9", "15"} << "0" << no
                                                           << kMany << "Ответ: X=" << "Y=" << true;
    QTest::newRow("none") << QStringList{"1", "2", "3", "2", "4", "7"} << "0" << no << kNone << "Ответ: X=" << "Y="
                          << true;
    QTest::newRow("none: quotients 1/2, 1/2, 4/9") << QStringList{"2", "3", "4", "4", "6", "9"} << "0" << no << kNone
                                                  << "Ответ: X=" << "Y=" << true;
    QTest::newRow("not unique: the rounding text is not read")
        << QStringList{"1", "2", "3", "2", "4", "6"} << "abc" << no << kMany << "Ответ: X=" << "Y=" << true;
    QTest::newRow("unique with a bad rounding: verdict only")
        << QStringList{"1", "1", "3", "1", "-1", "1"} << "abc" << invalid << kUnique << "" << "" << false;

    const QStringList good{"1", "1", "3", "1", "-1", "1"};
    const char *names[] = {"a1", "b1", "c1", "a2", "b2", "c2"};
    for (int i = 0; i < 6; ++i) {
        QStringList zero = good;
        zero[i] = QStringLiteral("0");
        QTest::addRow("%s = 0", names[i]) << zero << "0" << invalid << "" << "" << "" << false;
        QStringList decimal = good;
        decimal[i] = QStringLiteral("1,5");
        QTest::addRow("%s = 1,5", names[i]) << decimal << "0" << invalid << "" << "" << "" << false;
    }
    QTest::newRow("empty field") << QStringList{"1", "1", "3", "1", "", "1"} << "0" << invalid << "" << "" << ""
                                 << false;
    QTest::newRow("trailing blank") << QStringList{"1", "1", "3 ", "1", "-1", "1"} << "0" << invalid << "" << ""
                                    << "" << false;
    QTest::newRow("beyond 32 bits") << QStringList{"2147483648", "1", "3", "1", "-1", "1"} << "0" << invalid << ""
                                    << "" << "" << false;
    QTest::newRow("zero and a bad rounding, one message") << QStringList{"0", "1", "3", "1", "-1", "1"} << "abc"
                                                          << invalid << "" << "" << "" << false;
}

void TestEquations::system()
{
    QFETCH(QStringList, coefficients);
    QFETCH(QString, rounding);
    QFETCH(QStringList, messages);
    QFETCH(QString, verdict);
    QFETCH(QString, xLine);
    QFETCH(QString, yLine);
    QFETCH(bool, plotted);

    const auto &k = coefficients;
    const SystemOutcome outcome = solve::linearSystem({k[0], k[1], k[2], k[3], k[4], k[5], rounding}, u',');
    const auto line = [](const QString &text) { return text.isEmpty() ? std::nullopt : std::optional(text); };
    QCOMPARE(outcome.messages, messages);
    QCOMPARE(outcome.verdict, line(verdict));
    QCOMPARE(outcome.xLine, line(xLine));
    QCOMPARE(outcome.yLine, line(yLine));
    QCOMPARE(outcome.plot.has_value(), plotted);
}

void TestEquations::systemPlot_data()
{
    QTest::addColumn<QStringList>("coefficients");
    QTest::addColumn<QList<QPointF>>("points");  // first line at -4 and 4, then the second

    QTest::newRow("lines crossing at (2, 1)") << QStringList{"1", "1", "3", "1", "-1", "1"}
                                              << QList<QPointF>{{-4, 7}, {4, -1}, {-4, -5}, {4, 3}};
    QTest::newRow("the same line twice") << QStringList{"1", "2", "3", "2", "4", "6"}
                                         << QList<QPointF>{{-4, 3.5}, {4, -0.5}, {-4, 3.5}, {4, -0.5}};
    QTest::newRow("parallel lines") << QStringList{"1", "2", "3", "2", "4", "7"}
                                    << QList<QPointF>{{-4, 3.5}, {4, -0.5}, {-4, 3.75}, {4, -0.25}};
    QTest::newRow("negative b") << QStringList{"2", "3", "7", "5", "-4", "3"}
                                << QList<QPointF>{{-4, 5}, {4, -1.0 / 3}, {-4, -5.75}, {4, 4.25}};
}

void TestEquations::systemPlot()
{
    QFETCH(QStringList, coefficients);
    QFETCH(QList<QPointF>, points);

    const auto &k = coefficients;
    const SystemOutcome outcome = solve::linearSystem({k[0], k[1], k[2], k[3], k[4], k[5], QStringLiteral("0")}, u',');
    QVERIFY(outcome.plot);
    const QList<QPointF> plotted{outcome.plot->first[0], outcome.plot->first[1], outcome.plot->second[0],
                                 outcome.plot->second[1]};
    QCOMPARE(plotted, points);
}

QTEST_APPLESS_MAIN(TestEquations)
#include "tst_equations.moc"
