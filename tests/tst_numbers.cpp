// The number conversions of the calculator screens, and the number the
// copy key takes from an answer line.
#include "answertext.h"
#include "qtnumbers.h"

#include <QtTest>

#include <cfloat>
#include <cmath>
#include <limits>

using calc::FloatToStrF;
using calc::FloatToStrGeneral;
using calc::StrToFloat;
using calc::StrToInt;

Q_DECLARE_METATYPE(std::optional<double>)
Q_DECLARE_METATYPE(std::optional<std::int32_t>)

class TestNumbers : public QObject
{
    Q_OBJECT
private slots:
    void strToFloat_data();
    void strToFloat();
    void strToInt_data();
    void strToInt();
    void floatToStrF_data();
    void floatToStrF();
    void floatToStrGeneral_data();
    void floatToStrGeneral();
    void answerNumber_data();
    void answerNumber();
};

namespace {
const std::optional<double> failure;
const std::optional<std::int32_t> intFailure;
}  // namespace

// Rows of the comma locale unless the row says otherwise.
void TestNumbers::strToFloat_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<double>>("expected");
    QTest::addColumn<QChar>("separator");
    const QChar comma(u','), point(u'.');

    QTest::newRow("comma decimal") << "2,5" << std::optional(2.5) << comma;
    QTest::newRow("blanks around") << "  2,5   " << std::optional(2.5) << comma;
    QTest::newRow("exponent") << "25E-1" << std::optional(2.5) << comma;
    QTest::newRow("lower-case exponent with plus") << "1e+2" << std::optional(100.0) << comma;
    QTest::newRow("leading separator") << ",5" << std::optional(0.5) << comma;
    QTest::newRow("trailing separator") << "5," << std::optional(5.0) << comma;
    QTest::newRow("separator alone has no digits but parses") << "," << std::optional(0.0) << comma;
    QTest::newRow("plus sign") << "+3" << std::optional(3.0) << comma;
    QTest::newRow("minus sign") << "-0,25" << std::optional(-0.25) << comma;
    QTest::newRow("separator then exponent") << "1,E2" << std::optional(100.0) << comma;
    QTest::newRow("largest double") << "1,7976931348623157E308" << std::optional(DBL_MAX) << comma;
    QTest::newRow("smallest subnormal") << "4,9406564584124654E-324"
                                        << std::optional(std::numeric_limits<double>::denorm_min()) << comma;
    QTest::newRow("underflow becomes zero") << "1E-400" << std::optional(0.0) << comma;
    QTest::newRow("huge negative exponent") << "5E-99999999999999999999" << std::optional(0.0) << comma;
    QTest::newRow("zero with huge exponent") << "0E99999999999" << std::optional(0.0) << comma;

    QTest::newRow("point under comma locale") << "2.5" << failure << comma;
    QTest::newRow("empty") << "" << failure << comma;
    QTest::newRow("blanks only") << "   " << failure << comma;
    QTest::newRow("lone minus") << "-" << failure << comma;
    QTest::newRow("lone plus") << "+" << failure << comma;
    QTest::newRow("blank after sign") << "- 5" << failure << comma;
    QTest::newRow("blank inside digits") << "1 000" << failure << comma;
    QTest::newRow("two separators") << "1,5,5" << failure << comma;
    QTest::newRow("exponent without digits") << "1E" << failure << comma;
    QTest::newRow("exponent sign without digits") << "1E+" << failure << comma;
    QTest::newRow("exponent alone") << "E5" << failure << comma;
    QTest::newRow("overflow") << "1E400" << failure << comma;
    QTest::newRow("just above the largest double") << "1,8E308" << failure << comma;
    QTest::newRow("huge exponent") << "1E99999999999999999999" << failure << comma;
    QTest::newRow("nan") << "nan" << failure << comma;
    QTest::newRow("inf") << "inf" << failure << comma;
    QTest::newRow("INF") << "INF" << failure << comma;
    QTest::newRow("hexadecimal float") << "0x1p3" << failure << comma;
    QTest::newRow("letters after digits") << "12abc" << failure << comma;
    QTest::newRow("tab") << "\t5" << failure << comma;
    QTest::newRow("Arabic-Indic digits") << QString::fromUtf16(u"\u0661\u0662") << failure << comma;
    QTest::newRow("full-width digits") << QString::fromUtf16(u"\uFF11\uFF12") << failure << comma;
    QTest::newRow("non-breaking space") << QString::fromUtf16(u"\u00A05") << failure << comma;
    QTest::newRow("Unicode minus") << QString::fromUtf16(u"\u22125") << failure << comma;
    QTest::newRow("embedded NUL") << QString::fromUtf16(u"5\u00005", 3) << failure << comma;

    QTest::newRow("point under a point locale") << "2.5" << std::optional(2.5) << point;
    QTest::newRow("comma under a point locale") << "2,5" << failure << point;
    QTest::newRow("thousands separator") << "1,000.5" << failure << point;

    constexpr int n = 100'000;
    QTest::newRow("100000 leading zeros") << QString(n, u'0') + QStringLiteral("1,5") << std::optional(1.5) << comma;
    QTest::newRow("100000 fraction digits") << QStringLiteral("0,") + QString(n, u'0') + QStringLiteral("1")
                                            << std::optional(0.0) << comma;
    QTest::newRow("100000 integer digits") << QStringLiteral("1") + QString(n, u'0') << failure << comma;
    QTest::newRow("100000 digits then exponent") << QStringLiteral("1") + QString(n, u'0') + QStringLiteral("E-100000")
                                                 << std::optional(1.0) << comma;
    QTest::newRow("100000 nines") << QString(n, u'9') + QStringLiteral("E-99998") << std::optional(100.0) << comma;
    QTest::newRow("100000 blanks") << QString(n, u' ') + QStringLiteral("7") + QString(n, u' ') << std::optional(7.0)
                                   << comma;
    QTest::newRow("100000 blanks and no digit") << QString(n, u' ') << failure << comma;
    QTest::newRow("bad character after 100000 digits") << QString(n, u'1') + QStringLiteral("x") << failure
                                                       << comma;
}

void TestNumbers::strToFloat()
{
    QFETCH(QString, text);
    QFETCH(std::optional<double>, expected);
    QFETCH(QChar, separator);
    const auto value = StrToFloat(text, separator);
    QCOMPARE(value.has_value(), expected.has_value());
    if (expected)
        QCOMPARE(*value, *expected);
}

void TestNumbers::strToInt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<std::int32_t>>("expected");

    QTest::newRow("decimal") << "3" << std::optional<std::int32_t>(3);
    QTest::newRow("leading blank") << " 3" << std::optional<std::int32_t>(3);
    QTest::newRow("leading zeros") << "00012" << std::optional<std::int32_t>(12);
    QTest::newRow("plus") << "+5" << std::optional<std::int32_t>(5);
    QTest::newRow("minus zero") << "-0" << std::optional<std::int32_t>(0);
    QTest::newRow("dollar hex") << "$1F" << std::optional<std::int32_t>(31);
    QTest::newRow("x hex") << "x1f" << std::optional<std::int32_t>(31);
    QTest::newRow("X hex") << "X1F" << std::optional<std::int32_t>(31);
    QTest::newRow("0x hex") << "0x1F" << std::optional<std::int32_t>(31);
    QTest::newRow("0X hex") << "0X1f" << std::optional<std::int32_t>(31);
    QTest::newRow("negative hex") << "-$1F" << std::optional<std::int32_t>(-31);
    QTest::newRow("largest") << "2147483647" << std::optional<std::int32_t>(2147483647);
    QTest::newRow("smallest") << "-2147483648" << std::optional<std::int32_t>(INT32_MIN);
    QTest::newRow("largest hex") << "$7FFFFFFF" << std::optional<std::int32_t>(2147483647);
    QTest::newRow("smallest hex") << "-$80000000" << std::optional<std::int32_t>(INT32_MIN);

    QTest::newRow("one above largest") << "2147483648" << intFailure;
    QTest::newRow("one below smallest") << "-2147483649" << intFailure;
    QTest::newRow("hex above largest") << "$80000000" << intFailure;
    QTest::newRow("hex of 64 bits") << "$FFFFFFFFFFFFFFFF" << intFailure;
    QTest::newRow("eleven digits") << "99999999999" << intFailure;
    QTest::newRow("many digits") << QString(100'000, u'9') << intFailure;
    QTest::newRow("many zeros then one") << QString(100'000, u'0') + QStringLiteral("1") << std::optional<std::int32_t>(1);
    QTest::newRow("trailing blank") << "3 " << intFailure;
    QTest::newRow("decimal separator") << "3,0" << intFailure;
    QTest::newRow("point") << "3.0" << intFailure;
    QTest::newRow("exponent") << "1e3" << intFailure;
    QTest::newRow("letters after digits") << "12abc" << intFailure;
    QTest::newRow("empty") << "" << intFailure;
    QTest::newRow("blanks only") << "  " << intFailure;
    QTest::newRow("lone sign") << "-" << intFailure;
    QTest::newRow("dollar alone") << "$" << intFailure;
    QTest::newRow("0x alone") << "0x" << intFailure;
    QTest::newRow("bad hex digit") << "0x1G" << intFailure;
    QTest::newRow("Arabic-Indic digit") << QString::fromUtf16(u"\u0663") << intFailure;
    QTest::newRow("non-breaking space") << QString::fromUtf16(u"\u00A03") << intFailure;
    QTest::newRow("embedded NUL") << QString::fromUtf16(u"3\u00003", 3) << intFailure;
}

void TestNumbers::strToInt()
{
    QFETCH(QString, text);
    QFETCH(std::optional<std::int32_t>, expected);
    QCOMPARE(StrToInt(text), expected);
}

void TestNumbers::floatToStrF_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("expected");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();

    QTest::newRow("12.5 with 2") << 12.5 << 2 << "12,50";
    QTest::newRow("2.5 with 0 rounds up") << 2.5 << 0 << "3";
    QTest::newRow("0.004 with 2") << 0.004 << 2 << "0,00";
    QTest::newRow("0.005 with 2") << 0.005 << 2 << "0,01";
    QTest::newRow("1.5e20 with 2") << 1.5e20 << 2 << "1,5E20";
    QTest::newRow("carry into a new digit") << 9.99 << 1 << "10,0";
    QTest::newRow("carry with 0 digits") << 9.99 << 0 << "10";
    QTest::newRow("carry below one") << 0.999 << 2 << "1,00";
    QTest::newRow("carry through the digit string") << 99.995 << 2 << "100,00";
    QTest::newRow("binary value below the half") << 2.675 << 2 << "2,67";
    QTest::newRow("round the 17th place") << 0.7 << 17 << "0,69999999999999996";
    QTest::newRow("negative") << -2.5 << 0 << "-3";
    QTest::newRow("negative rounding to nothing") << -0.001 << 2 << "0,00";
    QTest::newRow("zero") << 0.0 << 0 << "0";
    QTest::newRow("zero with digits") << 0.0 << 3 << "0,000";
    QTest::newRow("negative zero") << -0.0 << 2 << "0,00";
    QTest::newRow("small with padding") << 1e-5 << 10 << "0,0000100000";
    QTest::newRow("18 significant digits of a third") << 1.0 / 3 << 18 << "0,333333333333333315";
    QTest::newRow("digits above 18 count as 18") << 1.0 / 3 << 25 << "0,333333333333333315";
    QTest::newRow("0.1 with 18") << 0.1 << 18 << "0,100000000000000006";
    QTest::newRow("padding past the 18th digit") << 123.456 << 18 << "123,456000000000003000";
    QTest::newRow("negative digits count as 0") << 1234.5 << -2 << "1235";
    QTest::newRow("18 integer digits") << 123456789012345678.0 << 2 << "123456789012345680,00";
    QTest::newRow("just below 10^18") << 1e17 << 1 << "100000000000000000,0";
    QTest::newRow("10^18 is scientific") << 1e18 << 2 << "1E18";
    QTest::newRow("exponent padded to 4 digits") << 1.5e20 << 4 << "1,5E0020";
    QTest::newRow("exponent not padded with 0 digits") << 1.5e20 << 0 << "1,5E20";
    QTest::newRow("exponent not padded above 4 digits") << 1.5e20 << 10 << "1,5E20";
    QTest::newRow("negative scientific") << -1.5e20 << 2 << "-1,5E20";
    QTest::newRow("18 digits in scientific") << 1e23 << 2 << "9,99999999999999916E22";
    QTest::newRow("largest double") << DBL_MAX << 2 << "1,79769313486231571E308";
    QTest::newRow("largest double with 18") << DBL_MAX << 18 << "1,79769313486231571E308";
    QTest::newRow("smallest subnormal") << std::numeric_limits<double>::denorm_min() << 18
                                        << "0,000000000000000000";
    QTest::newRow("NaN") << nan << 2 << "NAN";
    QTest::newRow("negative NaN") << -nan << 2 << "NAN";
    QTest::newRow("infinity") << inf << 2 << "INF";
    QTest::newRow("minus infinity") << -inf << 2 << "-INF";
}

void TestNumbers::floatToStrF()
{
    QFETCH(double, value);
    QFETCH(int, digits);
    QFETCH(QString, expected);
    QCOMPARE(FloatToStrF(value, digits, QChar(u',')), expected);
    QString pointed = expected;
    pointed.replace(u',', u'.');
    QCOMPARE(FloatToStrF(value, digits, QChar(u'.')), pointed);
}

void TestNumbers::floatToStrGeneral_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("exponentDigits");
    QTest::addColumn<QString>("expected");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();

    QTest::newRow("whole number") << 8192.0 << 1 << "8192";
    QTest::newRow("fraction") << 0.125 << 1 << "0,125";
    QTest::newRow("one and a half") << 1.5 << 1 << "1,5";
    QTest::newRow("negative whole number") << -8.0 << 1 << "-8";
    QTest::newRow("negative fraction") << -0.125 << 1 << "-0,125";
    QTest::newRow("zero") << 0.0 << 1 << "0";
    QTest::newRow("negative zero") << -0.0 << 1 << "0";
    QTest::newRow("three zeros after the separator stay fixed") << std::ldexp(1.0, -10) << 1 << "0,0009765625";
    QTest::newRow("also at 2^-12") << std::ldexp(1.0, -12) << 1 << "0,000244140625";
    QTest::newRow("four zeros after the separator go scientific") << std::ldexp(1.0, -14) << 1
                                                                 << "6,103515625E-5";
    QTest::newRow("2^-20") << std::ldexp(1.0, -20) << 1 << "9,5367431640625E-7";
    QTest::newRow("16 integer digits") << std::ldexp(1.0, 53) << 1 << "9007199254740992";
    QTest::newRow("10^17 is 18 integer digits, fixed") << 1e17 << 1 << "100000000000000000";
    QTest::newRow("18 integer digits padded with zeros") << 123456789012345678.0 << 1 << "123456789012345680";
    QTest::newRow("10^18 goes scientific") << 1e18 << 1 << "1E18";
    QTest::newRow("2^60 rounded to 18 digits") << std::ldexp(1.0, 60) << 1 << "1,15292150460684698E18";
    QTest::newRow("2^63 rounded up to 18 digits") << std::ldexp(1.0, 63) << 1 << "9,22337203685477581E18";
    QTest::newRow("2^-63") << std::ldexp(1.0, -63) << 1 << "1,08420217248550443E-19";
    QTest::newRow("0.1 shows its double") << 0.1 << 1 << "0,100000000000000006";
    QTest::newRow("1.1 x 1024 shows its double") << 1.1 * 1024 << 1 << "1126,40000000000009";
    QTest::newRow("a third") << 1.0 / 3 << 1 << "0,333333333333333315";
    QTest::newRow("negative scientific") << -2.5e-7 << 1 << "-2,49999999999999989E-7";
    QTest::newRow("exponent padded to 4 digits") << 1.5e20 << 4 << "1,5E0020";
    QTest::newRow("negative exponent padded to 3 digits") << std::ldexp(1.0, -20) << 3 << "9,5367431640625E-007";
    QTest::newRow("no padding with 0 exponent digits") << 1.5e20 << 0 << "1,5E20";
    QTest::newRow("no padding above 4 exponent digits") << 1.5e20 << 5 << "1,5E20";
    QTest::newRow("largest double") << DBL_MAX << 1 << "1,79769313486231571E308";
    QTest::newRow("smallest subnormal") << std::numeric_limits<double>::denorm_min() << 1
                                        << "4,94065645841246544E-324";
    QTest::newRow("NaN") << nan << 1 << "NAN";
    QTest::newRow("negative NaN") << -nan << 1 << "NAN";
    QTest::newRow("infinity") << inf << 1 << "INF";
    QTest::newRow("minus infinity") << -inf << 1 << "-INF";
}

void TestNumbers::floatToStrGeneral()
{
    QFETCH(double, value);
    QFETCH(int, exponentDigits);
    QFETCH(QString, expected);
    QCOMPARE(FloatToStrGeneral(value, exponentDigits, QChar(u',')), expected);
    QString pointed = expected;
    pointed.replace(u',', u'.');
    QCOMPARE(FloatToStrGeneral(value, exponentDigits, QChar(u'.')), pointed);
}

void TestNumbers::answerNumber_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("number");

    QTest::newRow("area answer") << "Ответ: 12,50" << "12,50";
    QTest::newRow("whole answer") << "Ответ: 3" << "3";
    QTest::newRow("negative") << "Ответ: -0,25" << "-0,25";
    QTest::newRow("point separator") << "Ответ: 12.50" << "12.50";
    QTest::newRow("conversion with its unit") << "Ответ: 5000,00  Грамм" << "5000,00";
    QTest::newRow("unit with blanks of its own") << "Ответ: 2,5  M / сек." << "2,5";
    QTest::newRow("general format") << "Ответ: 1,15292150460684698E18  Бит" << "1,15292150460684698E18";
    QTest::newRow("scientific, padded exponent") << "Ответ: 1,5E0020" << "1,5E0020";
    QTest::newRow("negative exponent") << "Ответ: 9,5367431640625E-007" << "9,5367431640625E-007";
    QTest::newRow("progression term") << "Ответ: d = 3,00" << "3,00";
    QTest::newRow("progression sum") << "Ответ: Sn = 110" << "110";
    QTest::newRow("not a number") << "Ответ: NAN" << "NAN";
    QTest::newRow("infinity") << "Ответ: INF" << "INF";
    QTest::newRow("minus infinity") << "Ответ: -INF  Грамм" << "-INF";
    QTest::newRow("before any computation") << "Ответ:" << "";
    QTest::newRow("conversion before any") << "Ответ" << "";
    QTest::newRow("unknown progression answer") << "Ответ: ?" << "";
    QTest::newRow("the NAN watch's caption") << "Русский: Ошибка! English: Error!" << "";
    QTest::newRow("a number without the answer word") << "12,50" << "";
    QTest::newRow("two separators") << "Ответ: 1,2,3" << "";
}

void TestNumbers::answerNumber()
{
    QFETCH(QString, line);
    QFETCH(QString, number);
    QCOMPARE(calc::answerNumber(line), number);
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
