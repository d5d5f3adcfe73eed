// The fraction operations without any window: the bounded reduction, the
// four operations in the order a click shows them, and the 32-bit range of
// the whole-number view, in the inputs and in the products.
#include "fractions.h"

#include <QtTest>

#include <cmath>
#include <limits>

using fractions::Operation;

namespace {

const QString kError = QStringLiteral("! Ошибка! Вы ввели неправильное значение!!!");

// A click's effects, one line each: "! message" or "numerator / denominator".
QStringList render(const fractions::Effects &effects)
{
    QStringList lines;
    for (const fractions::Effect &effect : effects) {
        if (const auto *message = std::get_if<fractions::Message>(&effect))
            lines << QStringLiteral("! ") + message->text;
        else {
            const auto &shown = std::get<fractions::Shown>(effect);
            lines << shown.numerator + QStringLiteral(" / ") + shown.denominator;
        }
    }
    return lines;
}

Operation operationNamed(const QString &name)
{
    if (name == u"+")
        return Operation::Add;
    if (name == u"-")
        return Operation::Subtract;
    if (name == u"*")
        return Operation::Multiply;
    if (name == u"/")
        return Operation::Divide;
    qFatal("no operation %s", qPrintable(name));
}

}  // namespace

class TestFractions : public QObject
{
    Q_OBJECT
private slots:
    void wholeNumber_data();
    void wholeNumber();
    void reduction_data();
    void reduction();
    void clicks_data();
    void clicks();
    void workingValues();
    void internalSteps();
};

void TestFractions::wholeNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<int>("whole");

    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("largest") << 2147483647.0 << true << 2147483647;
    QTest::newRow("largest, rounded down") << 2147483647.4 << true << 2147483647;
    QTest::newRow("half above the largest rounds out") << 2147483647.5 << false << 0;
    QTest::newRow("one beyond") << 2147483648.0 << false << 0;
    QTest::newRow("far beyond") << 4.0e18 << false << 0;
    QTest::newRow("smallest") << -2147483648.0 << true << -2147483647 - 1;
    QTest::newRow("half below the smallest rounds to even, in") << -2147483648.5 << true << -2147483647 - 1;
    QTest::newRow("one below") << -2147483649.0 << false << 0;
    QTest::newRow("ties to even, down") << 2.5 << true << 2;
    QTest::newRow("ties to even, up") << 3.5 << true << 4;
    QTest::newRow("negative tie") << -2.5 << true << -2;
    QTest::newRow("infinity") << inf << false << 0;
    QTest::newRow("minus infinity") << -inf << false << 0;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << false << 0;
}

void TestFractions::wholeNumber()
{
    QFETCH(double, value);
    QFETCH(bool, taken);
    QFETCH(int, whole);
    const auto result = fractions::wholeNumber(value);
    QCOMPARE(result.has_value(), taken);
    if (taken)
        QCOMPARE(*result, whole);
}

void TestFractions::reduction_data()
{
    QTest::addColumn<double>("n");
    QTest::addColumn<double>("d");
    QTest::addColumn<bool>("done");
    QTest::addColumn<double>("reducedN");
    QTest::addColumn<double>("reducedD");

    QTest::newRow("by 2 six times only") << 128.0 << 256.0 << true << 2.0 << 4.0;
    QTest::newRow("5, 3 and 2 in one pass, 2 again in the next") << 60.0 << 120.0 << true << 1.0 << 2.0;
    QTest::newRow("30 to the sixth, once per pass") << 729000000.0 << 729000000.0 << true << 1.0 << 1.0;
    QTest::newRow("5 to the seventh keeps one 5") << 78125.0 << 78125.0 << true << 5.0 << 5.0;
    QTest::newRow("3 to the seventh keeps one 3") << 2187.0 << 2187.0 << true << 3.0 << 3.0;
    QTest::newRow("7 is never divided out") << 7.0 << 14.0 << true << 7.0 << 14.0;
    QTest::newRow("zero numerator") << 0.0 << 60.0 << true << 0.0 << 1.0;
    QTest::newRow("zero denominator") << 5.0 << 0.0 << true << 1.0 << 0.0;
    QTest::newRow("zero over zero") << 0.0 << 0.0 << true << 0.0 << 0.0;
    QTest::newRow("negative numerator") << -6.0 << 9.0 << true << -2.0 << 3.0;
    QTest::newRow("both negative, signs kept") << -6.0 << -4.0 << true << -3.0 << -2.0;
    QTest::newRow("largest whole number") << 2147483647.0 << 1.0 << true << 2147483647.0 << 1.0;
    QTest::newRow("smallest whole number") << -2147483648.0 << 2.0 << true << -1073741824.0 << 1.0;
    QTest::newRow("numerator one beyond") << 2147483648.0 << 2.0 << false << 2147483648.0 << 2.0;
    QTest::newRow("numerator one below") << -2147483649.0 << 1.0 << false << -2147483649.0 << 1.0;
    QTest::newRow("denominator beyond") << 2.0 << 4294967296.0 << false << 2.0 << 4294967296.0;
}

void TestFractions::reduction()
{
    QFETCH(double, n);
    QFETCH(double, d);
    QFETCH(bool, done);
    QFETCH(double, reducedN);
    QFETCH(double, reducedD);
    QCOMPARE(fractions::reduce(n, d), done);
    QCOMPARE(n, reducedN);
    QCOMPARE(d, reducedD);
}

void TestFractions::clicks_data()
{
    QTest::addColumn<QString>("n1");
    QTest::addColumn<QString>("d1");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("n2");
    QTest::addColumn<QString>("d2");
    QTest::addColumn<QStringList>("effects");  // unreduced, then reduced result

    auto row = [](const char *name, const char *n1, const char *d1, const char *op, const char *n2, const char *d2,
                  const QStringList &effects) {
        QTest::newRow(name) << QString::fromUtf8(n1) << QString::fromUtf8(d1) << QString::fromUtf8(op)
                            << QString::fromUtf8(n2) << QString::fromUtf8(d2) << effects;
    };

    row("1/2 + 1/3", "1", "2", "+", "1", "3", {"5 / 6", "5 / 6"});
    row("2/3 + 1/2, larger denominator first", "2", "3", "+", "1", "2", {"7 / 6", "7 / 6"});
    row("2/3 - 1/2", "2", "3", "-", "1", "2", {"1 / 6", "1 / 6"});
    row("1/2 - 2/3", "1", "2", "-", "2", "3", {"-1 / 6", "-1 / 6"});
    row("1/7 + 2/7, equal denominators", "1", "7", "+", "2", "7", {"3 / 7", "3 / 7"});
    row("1/6 + 1/6 keeps the denominator", "1", "6", "+", "1", "6", {"2 / 6", "1 / 3"});
    row("5/7 - 2/7 keeps the denominator", "5", "7", "-", "2", "7", {"3 / 7", "3 / 7"});
    row("2/4 + 1/2, equal once reduced", "2", "4", "+", "1", "2", {"2 / 2", "1 / 1"});
    row("1/7 + 1/14, the 7 stays", "1", "7", "+", "1", "14", {"21 / 98", "21 / 98"});
    row("2/7 * 7/2, the 7 stays", "2", "7", "*", "7", "2", {"14 / 14", "7 / 7"});
    row("2/4 * 2/4, inputs reduced", "2", "4", "*", "2", "4", {"1 / 4", "1 / 4"});
    row("3/4 : 3/8", "3", "4", "/", "3", "8", {"24 / 12", "2 / 1"});
    row("128/256 + 0/1", "128", "256", "+", "0", "1", {"2 / 4", "1 / 2"});
    row("4/2 + 0/1, no whole part", "4", "2", "+", "0", "1", {"2 / 1", "2 / 1"});
    row("1/-2 + 0/1, sign not moved", "1", "-2", "+", "0", "1", {"1 / -2", "1 / -2"});
    row("1/2 : -1/3", "1", "2", "/", "-1", "3", {"3 / -2", "3 / -2"});
    row("1/2 : 0/5, denominator 0 without a message", "1", "2", "/", "0", "5", {"1 / 0", "1 / 0"});
    row("0/1 * -1/1", "0", "1", "*", "-1", "1", {"0 / 1", "0 / 1"});
    row("blanks before and hexadecimal", " 3", "$1F", "*", "0x2", "x3", {"6 / 93", "2 / 31"});

    row("first denominator 0", "1", "0", "+", "1", "2", {kError});
    row("second denominator 0", "1", "2", "-", "1", "0", {kError});
    row("both denominators 0, one message", "1", "0", "*", "1", "0", {kError});
    row("denominator 0 before a bad numerator", "x", "0", "/", "1", "2", {kError});
    row("empty fields", "", "", "+", "", "", {kError});
    row("bad first numerator", "abc", "2", "+", "1", "2", {kError});
    row("bad second numerator", "1", "2", "+", "1,5", "2", {kError});
    row("bad denominator", "1", "2", "+", "1", "2.0", {kError});
    row("blank after a number", "1", "2 ", "+", "1", "2", {kError});

    row("largest input", "2147483647", "1", "+", "0", "1", {"2147483647 / 1", "2147483647 / 1"});
    row("smallest input", "-2147483648", "1", "+", "0", "1", {"-2147483648 / 1", "-2147483648 / 1"});
    row("input one beyond", "2147483648", "1", "+", "0", "1", {kError});
    row("input one below", "-2147483649", "1", "+", "0", "1", {kError});
    row("sum one beyond: unreduced stays", "2147483647", "1", "+", "1", "1", {"2147483648 / 1", kError});
    row("difference one below", "-2147483648", "1", "-", "1", "1", {"-2147483649 / 1", kError});
    row("product one beyond", "-2147483648", "1", "*", "-1", "1", {"2147483648 / 1", kError});
    row("product of 2^16 and 2^15", "65536", "1", "*", "32768", "1", {"2147483648 / 1", kError});
    row("product just inside", "65536", "1", "*", "32767", "1", {"2147418112 / 1", "2147418112 / 1"});
    row("negative product at the edge", "-65536", "1", "*", "32768", "1", {"-2147483648 / 1", "-2147483648 / 1"});
    row("denominator product beyond", "1", "65536", "*", "1", "32768", {"1 / 2147483648", kError});
    row("quotient beyond", "2147483647", "2", "/", "1", "2", {"4294967294 / 2", kError});
    // The products of 2^31 - 1 and 2^31 - 2 need 19 digits: scientific form.
    row("largest products", "2147483647", "2147483646", "*", "2147483647", "2147483646",
        {QStringLiteral("4,61168601413242061E18 / 4,61168600983745331E18"), kError});
}

void TestFractions::clicks()
{
    QFETCH(QString, n1);
    QFETCH(QString, d1);
    QFETCH(QString, operation);
    QFETCH(QString, n2);
    QFETCH(QString, d2);
    QFETCH(QStringList, effects);

    fractions::Values values;
    QCOMPARE(render(fractions::click(values, operationNamed(operation), {n1, d1, n2, d2}, u',')), effects);
}

// The working values after a click: inputs reduced, the result reduced; the
// next click overwrites them all.
void TestFractions::workingValues()
{
    fractions::Values values;
    fractions::click(values, Operation::Add, {"128", "256", "0", "1"}, u',');
    QCOMPARE(values.n1, 2.0);
    QCOMPARE(values.d1, 4.0);
    QCOMPARE(values.n2, 0.0);
    QCOMPARE(values.d2, 1.0);
    QCOMPARE(values.an, 1.0);
    QCOMPARE(values.ad, 2.0);

    fractions::click(values, Operation::Divide, {"1", "7", "3", "11"}, u',');
    QCOMPARE(values.n1, 1.0);
    QCOMPARE(values.d1, 7.0);
    QCOMPARE(values.n2, 3.0);
    QCOMPARE(values.d2, 11.0);
    QCOMPARE(values.an, 11.0);
    QCOMPARE(values.ad, 21.0);

    // A reduction beyond the range leaves the result unreduced.
    fractions::click(values, Operation::Multiply, {"65536", "3", "65536", "3"}, u',');
    QCOMPARE(values.an, 4294967296.0);
    QCOMPARE(values.ad, 9.0);
}

// The hidden steps: the input reductions show nothing, the result's shows it.
void TestFractions::internalSteps()
{
    fractions::Values values{60, 120, 7, 14, 24, -12};
    QVERIFY(fractions::reduceFirst(values).empty());
    QCOMPARE(values.n1, 1.0);
    QCOMPARE(values.d1, 2.0);
    QCOMPARE(values.n2, 7.0);
    QVERIFY(fractions::reduceSecond(values).empty());
    QCOMPARE(values.d2, 14.0);
    QCOMPARE(render(fractions::reduceAnswer(values, u',')), QStringList{"2 / -1"});

    values.n1 = 3e9;
    QCOMPARE(render(fractions::reduceFirst(values)), QStringList{kError});
    values.d2 = -3e9;
    QCOMPARE(render(fractions::reduceSecond(values)), QStringList{kError});
}

QTEST_APPLESS_MAIN(TestFractions)
#include "tst_fractions.moc"
