// The progression screens without any window: every mode of both screens,
// the failures and their answer lines, the powers of a ratio q <= 0 taken
// directly, and digits of the extended-precision formulas and of the
// logarithm path worked out independently (tests/data/progressions.py).
#include "progressions.h"

#include <QtTest>

namespace {

const QString kInvalid = QStringLiteral("Ошибка! Вы ввели неправильное значение!!!");
const QString kQOne = QStringLiteral("Ошибка! q не должно быть равно единице!!!");
const QString kQBelowOne = QStringLiteral("Ошибка! |q| должен быть меньше 1!!!");
const QString kUnknown = QStringLiteral("Ответ: ?");

const QString kDifference = QStringLiteral("Разность прогрессии");
const QString kTerm = QStringLiteral("n-ый член прогрессии");
const QString kSum1 = QStringLiteral("Сумму n первых членов (1)");
const QString kSum2 = QStringLiteral("Сумму n первых членов (2)");
const QString kInfinite = QStringLiteral("Сумма бесконечной геометр. прог. при  | q | < 1");

const progressions::Screen &screenNamed(const QString &name)
{
    return name == u"arithmetic" ? progressions::arithmetic() : progressions::geometric();
}

// "Edit5=3;Edit1=-2" -> {Edit5: "3", Edit1: "-2"}.
QHash<QString, QString> fieldsOf(const QString &text)
{
    QHash<QString, QString> fields;
    for (const QString &pair : text.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype eq = pair.indexOf(u'=');
        fields.insert(pair.left(eq), pair.mid(eq + 1));
    }
    return fields;
}

}  // namespace

class TestProgressions : public QObject
{
    Q_OBJECT
private slots:
    void itemsInOrder_data();
    void itemsInOrder();
    void clicks_data();
    void clicks();
    void power_data();
    void power();
};

void TestProgressions::itemsInOrder_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("caption");

    QTest::newRow("arithmetic") << "arithmetic" << QStringList{kDifference, kTerm, kSum1, kSum2}
                                << QStringLiteral("Арифметическая прогрессия");
    QTest::newRow("geometric") << "geometric" << QStringList{kTerm, kSum1, kSum2, kInfinite}
                               << QStringLiteral("Геометрическая прогрессия");
}

void TestProgressions::itemsInOrder()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, items);
    QFETCH(QString, caption);
    QStringList actual;
    for (const progressions::Mode &mode : screenNamed(screen).modes)
        actual << mode.item;
    QCOMPARE(actual, items);
    QCOMPARE(screenNamed(screen).caption, caption);
}

void TestProgressions::clicks_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("rounding");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("answer");  // empty: the answer line is left as it was

    const QString a = QStringLiteral("arithmetic");
    const QString g = QStringLiteral("geometric");
    auto row = [](const char *name, const QString &screen, const QString &item, const char *fields,
                  const char *rounding, const QStringList &messages, const char *answer) {
        QTest::newRow(name) << screen << item << QString::fromUtf8(fields) << QString::fromUtf8(rounding) << messages
                            << QString::fromUtf8(answer);
    };

    // Arithmetic progression.
    row("difference a2 = 5, a5 = 11", a, kDifference, "Edit1=5;Edit2=2;Edit3=11;Edit4=5", "0", {}, "Ответ: d = 2");
    row("difference, later term first", a, kDifference, "Edit1=11;Edit2=5;Edit3=5;Edit4=2", "0", {}, "Ответ: d = 2");
    row("difference falling", a, kDifference, "Edit1=10;Edit2=1;Edit3=4;Edit4=3", "1", {}, "Ответ: d = -3,0");
    row("difference, indices not whole", a, kDifference, "Edit1=1;Edit2=0,5;Edit3=2;Edit4=1", "2", {},
        "Ответ: d = 2,00");
    row("difference of a third", a, kDifference, "Edit1=1;Edit2=1;Edit3=2;Edit4=4", "3", {}, "Ответ: d = 0,333");
    row("difference, equal indices", a, kDifference, "Edit1=1;Edit2=3;Edit3=2;Edit4=3", "0", {kInvalid}, "");
    row("difference, bad index", a, kDifference, "Edit1=1;Edit2=3;Edit3=2;Edit4=x", "0", {kInvalid}, "Ответ: ?");
    row("term a1 = 1, d = 2, n = 10", a, kTerm, "Edit5=1;Edit7=2;Edit6=10", "0", {}, "Ответ: 19");
    row("term with a negative difference", a, kTerm, "Edit5=1;Edit7=-0,5;Edit6=4", "1", {}, "Ответ: -0,5");
    row("sum (1) a1 = 1, an = 19, n = 10", a, kSum1, "Edit5=1;Edit7=19;Edit6=10", "0", {}, "Ответ: Sn = 100");
    row("sum (2) a1 = 1, d = 2, n = 10", a, kSum2, "Edit5=1;Edit7=2;Edit6=10", "0", {}, "Ответ: Sn = 100");
    row("sum (2) a1 = -5, d = 3, n = 4", a, kSum2, "Edit5=-5;Edit7=3;Edit6=4", "0", {}, "Ответ: Sn = -2");
    row("sum (1) of the two-term fields is not read", a, kSum1,
        "Edit1=x;Edit2=x;Edit3=x;Edit4=x;Edit5=2;Edit7=4;Edit6=3", "0", {}, "Ответ: Sn = 9");
    row("rounding limit", a, kTerm, "Edit5=1;Edit7=2;Edit6=10", "100000000", {kInvalid}, "Ответ: ?");
    row("rounding just below the limit", a, kTerm, "Edit5=1;Edit7=2;Edit6=10", "99999999", {},
        "Ответ: 19,000000000000000000");
    row("rounding limit before the inputs", a, kTerm, "", "100000000", {kInvalid}, "Ответ: ?");
    row("rounding not a whole number", a, kTerm, "Edit5=1;Edit7=2;Edit6=10", "2,0", {kInvalid}, "Ответ: ?");
    row("empty input", a, kSum2, "Edit5=1;Edit6=10", "0", {kInvalid}, "Ответ: ?");
    row("point under a comma", a, kTerm, "Edit5=1.5;Edit7=2;Edit6=10", "0", {kInvalid}, "Ответ: ?");
    row("blanks and exponent", a, kTerm, "Edit5= 1 ;Edit7=2E0;Edit6=1e1", "0", {}, "Ответ: 19");
    row("no item selected", a, QString(), "Edit5=1;Edit7=2;Edit6=10", "0", {}, "");
    row("item text differs", a, QStringLiteral("n-ый член прогрессии "), "Edit5=1;Edit7=2;Edit6=10", "0", {}, "");
    // Extended precision: 0,1 + 0,2 is kept exactly before it is halved.
    row("sum (1) in extended precision", a, kSum1, "Edit5=0,1;Edit7=0,2;Edit6=3", "18", {},
        "Ответ: Sn = 0,450000000000000011");
    row("sum (2) in extended precision", a, kSum2, "Edit5=0,1;Edit7=0,2;Edit6=3", "18", {},
        "Ответ: Sn = 0,900000000000000022");
    row("difference in extended precision", a, kDifference, "Edit1=0,1;Edit2=1;Edit3=0,7;Edit4=4", "18", {},
        "Ответ: d = 0,199999999999999983");
    row("term in extended precision", a, kTerm, "Edit5=0,1;Edit7=0,7;Edit6=4", "18", {},
        "Ответ: 2,199999999999999730");
    row("term beyond the range of double", a, kTerm, "Edit5=0;Edit7=1E308;Edit6=1E308", "0", {}, "Ответ: INF");

    // Geometric progression.
    row("term b1 = 3, q = 2, n = 4", g, kTerm, "Edit5=3;Edit1=2;Edit2=4", "0", {}, "Ответ: 24");
    row("term, first", g, kTerm, "Edit5=3;Edit1=0,5;Edit2=1", "0", {}, "Ответ: 3");
    row("term q = 0,5", g, kTerm, "Edit5=1;Edit1=0,5;Edit2=40", "18", {}, "Ответ: 0,000000000001818989");
    row("term, index not whole", g, kTerm, "Edit5=1;Edit1=4;Edit2=1,5", "0", {}, "Ответ: 2");
    // Powers of q > 0 through ln and exp; a direct power differs in these digits.
    row("term through the logarithm, q = 1,5", g, kTerm, "Edit5=1;Edit1=1,5;Edit2=327", "2", {},
        "Ответ: 2,54536725115835359E57");
    row("term through the logarithm, q = 2,5", g, kTerm, "Edit5=1;Edit1=2,5;Edit2=166", "2", {},
        "Ответ: 4,5719495651291004E65");
    // A ratio q <= 0 takes the power directly.
    row("term q = -2", g, kTerm, "Edit5=3;Edit1=-2;Edit2=4", "0", {}, "Ответ: -24");
    row("term q = -2, odd power", g, kTerm, "Edit5=3;Edit1=-2;Edit2=5", "0", {}, "Ответ: 48");
    row("term q = -2, negative power", g, kTerm, "Edit5=3;Edit1=-2;Edit2=0", "1", {}, "Ответ: -1,5");
    row("term q = -2, power not whole", g, kTerm, "Edit5=3;Edit1=-2;Edit2=2,5", "0", {}, "Ответ: NAN");
    row("term q = 0", g, kTerm, "Edit5=3;Edit1=0;Edit2=4", "0", {}, "Ответ: 0");
    row("term q = 0 to the power 0", g, kTerm, "Edit5=3;Edit1=0;Edit2=1", "0", {}, "Ответ: 3");
    row("term q = 0 to a negative power", g, kTerm, "Edit5=3;Edit1=0;Edit2=0", "0", {}, "Ответ: INF");
    row("term q = -0 to a negative power", g, kTerm, "Edit5=3;Edit1=-0;Edit2=-2", "0", {}, "Ответ: INF");
    row("term q = 0, power not whole", g, kTerm, "Edit5=3;Edit1=0,;Edit2=2,5", "0", {}, "Ответ: 0");
    row("sum (1) b1 = 1, q = 2, bn = 512", g, kSum1, "Edit5=1;Edit1=2;Edit2=512", "0", {}, "Ответ: 1023");
    row("sum (1) q = -2", g, kSum1, "Edit5=1;Edit1=-2;Edit2=-8", "0", {}, "Ответ: -5");
    row("sum (1) q = 1", g, kSum1, "Edit5=1;Edit1=1;Edit2=1", "0", {kQOne}, "Ответ: ?");
    row("sum (1) bad term before q = 1", g, kSum1, "Edit5=1;Edit1=1;Edit2=", "0", {kInvalid}, "Ответ: ?");
    row("sum (2) b1 = 1, q = 2, n = 10", g, kSum2, "Edit5=1;Edit1=2;Edit2=10", "0", {}, "Ответ: 1023");
    row("sum (2) q = 1", g, kSum2, "Edit5=1;Edit1=1;Edit2=10", "0", {kQOne}, "Ответ: ?");
    row("sum (2) q = -2", g, kSum2, "Edit5=1;Edit1=-2;Edit2=4", "0", {}, "Ответ: -5");
    row("sum (2) q = 0", g, kSum2, "Edit5=3;Edit1=0;Edit2=4", "0", {}, "Ответ: 3");
    row("sum (2) q = -1, no terms", g, kSum2, "Edit5=3;Edit1=-1;Edit2=0", "0", {}, "Ответ: 0");
    row("sum (2) q = -2, count not whole", g, kSum2, "Edit5=1;Edit1=-2;Edit2=0,5", "0", {}, "Ответ: NAN");
    row("sum (2) through the logarithm, q = 1,5", g, kSum2, "Edit5=1;Edit1=1,5;Edit2=334", "2", {},
        "Ответ: 1,30469957303515297E59");
    row("sum (2) through the logarithm, q = 2,5", g, kSum2, "Edit5=1;Edit1=2,5;Edit2=194", "2", {},
        "Ответ: 1,05747576554818725E77");
    row("infinite sum b1 = 1, q = 0,5", g, kInfinite, "Edit5=1;Edit1=0,5", "0", {}, "Ответ: S = 2");
    row("infinite sum q = -0,5", g, kInfinite, "Edit5=1;Edit1=-0,5", "4", {}, "Ответ: S = 0,6667");
    row("infinite sum of the q field as chosen", g, kInfinite, "Edit5=7;Edit1=0,", "0", {}, "Ответ: S = 7");
    row("infinite sum q = 1", g, kInfinite, "Edit5=1;Edit1=1", "0", {kQBelowOne}, "Ответ: ?");
    row("infinite sum q = -1", g, kInfinite, "Edit5=1;Edit1=-1", "0", {kQBelowOne}, "Ответ: ?");
    row("infinite sum ignores the hidden field", g, kInfinite, "Edit5=1;Edit1=0,5;Edit2=x", "0", {}, "Ответ: S = 2");
    row("no rounding limit", g, kTerm, "Edit5=3;Edit1=2;Edit2=4", "100000000", {}, "Ответ: 24,000000000000000000");
    row("geometric rounding not a number", g, kTerm, "Edit5=3;Edit1=2;Edit2=4", "abc", {kInvalid}, "Ответ: ?");
    row("geometric bad input", g, kInfinite, "Edit5=;Edit1=0,5", "0", {kInvalid}, "Ответ: ?");
}

void TestProgressions::clicks()
{
    QFETCH(QString, screen);
    QFETCH(QString, item);
    QFETCH(QString, fields);
    QFETCH(QString, rounding);
    QFETCH(QStringList, messages);
    QFETCH(QString, answer);

    const progressions::Outcome outcome =
        progressions::click(screenNamed(screen), item, fieldsOf(fields), rounding, u',');
    QCOMPARE(outcome.messages, messages);
    QCOMPARE(outcome.answer.value_or(QString()), answer);
}

void TestProgressions::power_data()
{
    QTest::addColumn<double>("q");
    QTest::addColumn<double>("exponent");
    QTest::addColumn<double>("expected");

    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("negative, even") << -3.0 << 2.0 << 9.0;
    QTest::newRow("negative, odd") << -3.0 << 3.0 << -27.0;
    QTest::newRow("negative, power 0") << -3.0 << 0.0 << 1.0;
    QTest::newRow("negative, negative odd") << -2.0 << -3.0 << -0.125;
    QTest::newRow("negative, not whole") << -2.0 << 0.5 << nan;
    QTest::newRow("zero, positive") << 0.0 << 3.0 << 0.0;
    QTest::newRow("zero, power 0") << 0.0 << 0.0 << 1.0;
    QTest::newRow("zero, negative") << 0.0 << -1.0 << inf;
    QTest::newRow("minus zero, negative odd") << -0.0 << -1.0 << inf;
    QTest::newRow("minus zero, odd") << -0.0 << 3.0 << 0.0;
    QTest::newRow("positive, power 0") << 5.0 << 0.0 << 1.0;
    QTest::newRow("one, any power") << 1.0 << 1e6 << 1.0;
}

void TestProgressions::power()
{
    QFETCH(double, q);
    QFETCH(double, exponent);
    QFETCH(double, expected);
    const double result = static_cast<double>(progressions::power(q, exponent));
    if (std::isnan(expected))
        QVERIFY(std::isnan(result));
    else {
        QCOMPARE(result, expected);
        QCOMPARE(std::signbit(result), std::signbit(expected));
    }
}

QTEST_APPLESS_MAIN(TestProgressions)
#include "tst_progressions.moc"
