// The positivity rule of the area and solid screens, without any window:
// which inputs are read, when the rounding text is read, which message a
// click shows and whether it comes before or after the answer.
#include "positivity.h"

#include <QtTest>

#include <cmath>

namespace {

const QString kFailure = QStringLiteral("conversion failure");
const QString kInvalid = QStringLiteral("not all greater than 0");
const QString kNone = QStringLiteral("(none)");

// The product of the inputs; negative when an odd number are negative.
double product(const std::vector<double> &values)
{
    double p = 1;
    for (double v : values)
        p *= v;
    return p;
}

}  // namespace

class TestPositivity : public QObject
{
    Q_OBJECT
private slots:
    void rule_data();
    void rule();
    void formulaSeesTheValuesInOrder();
};

void TestPositivity::rule_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("whole");
    QTest::addColumn<QString>("rounding");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("answer");  // kNone: the answer line stays
    QTest::addColumn<QStringList>("after");

    QTest::newRow("all greater than 0") << QStringList{"2", "3,5"} << false << "1" << QStringList{} << "Ответ: 7,0"
                                        << QStringList{};
    QTest::newRow("one 0: answer, then the message")
        << QStringList{"2", "0"} << false << "0" << QStringList{} << "Ответ: 0" << QStringList{kInvalid};
    QTest::newRow("one negative: absolute value, then the message")
        << QStringList{"-2", "3"} << false << "0" << QStringList{} << "Ответ: 6" << QStringList{kInvalid};
    QTest::newRow("all 0: message only") << QStringList{"0", "0"} << false << "0" << QStringList{} << kNone
                                         << QStringList{kInvalid};
    QTest::newRow("all negative: message only") << QStringList{"-1", "-2"} << false << "0" << QStringList{} << kNone
                                                << QStringList{kInvalid};
    QTest::newRow("bad text in the second field")
        << QStringList{"2", "x"} << false << "0" << QStringList{kFailure} << kNone << QStringList{};
    QTest::newRow("empty field") << QStringList{"2", ""} << false << "0" << QStringList{kFailure} << kNone
                                 << QStringList{};
    QTest::newRow("bad text before a 0: failure only")
        << QStringList{"abc", "0"} << false << "0" << QStringList{kFailure} << kNone << QStringList{};
    QTest::newRow("bad rounding text with a positive input")
        << QStringList{"2", "3"} << false << "abc" << QStringList{kFailure} << kNone << QStringList{};
    QTest::newRow("bad rounding text not read when every input is 0")
        << QStringList{"0", "0"} << false << "abc" << QStringList{} << kNone << QStringList{kInvalid};
    QTest::newRow("bad rounding text with one 0: failure only")
        << QStringList{"2", "0"} << false << "x" << QStringList{kFailure} << kNone << QStringList{};
    QTest::newRow("negative rounding taken as 0")
        << QStringList{"2", "3,3"} << false << "-2" << QStringList{} << "Ответ: 7" << QStringList{};
    QTest::newRow("whole inputs: decimal text fails")
        << QStringList{"3", "4,0"} << true << "0" << QStringList{kFailure} << kNone << QStringList{};
    QTest::newRow("whole inputs: hexadecimal and a leading blank")
        << QStringList{"$A", " 3"} << true << "0" << QStringList{} << "Ответ: 30" << QStringList{};
    QTest::newRow("whole inputs: trailing blank fails")
        << QStringList{"3 ", "4"} << true << "0" << QStringList{kFailure} << kNone << QStringList{};
    QTest::newRow("real inputs: blanks around and an exponent")
        << QStringList{" 25E-1 ", "2"} << false << "1" << QStringList{} << "Ответ: 5,0" << QStringList{};
    QTest::newRow("overflow shows INF") << QStringList{"1E200", "1E200"} << false << "2" << QStringList{}
                                        << "Ответ: INF" << QStringList{};
}

void TestPositivity::rule()
{
    QFETCH(QStringList, texts);
    QFETCH(bool, whole);
    QFETCH(QString, rounding);
    QFETCH(QStringList, before);
    QFETCH(QString, answer);
    QFETCH(QStringList, after);

    std::vector<calc::InputText> inputs;
    for (const QString &text : texts)
        inputs.push_back({text, whole ? calc::InputKind::Whole : calc::InputKind::Real});
    const calc::Outcome outcome = calc::computePositive(inputs, rounding, product, {kFailure, kInvalid}, u',');
    QCOMPARE(outcome.messages, before);
    QCOMPARE(outcome.answer.value_or(kNone), answer);
    QCOMPARE(outcome.messagesAfter, after);
}

// The formula gets the parsed values in reading order; a NaN result is
// written "NAN".
void TestPositivity::formulaSeesTheValuesInOrder()
{
    std::vector<double> seen;
    const calc::Outcome outcome = calc::computePositive(
        {{"5", calc::InputKind::Real}, {"-1,5", calc::InputKind::Real}, {"$10", calc::InputKind::Whole}}, "0",
        [&seen](const std::vector<double> &v) {
            seen = v;
            return std::sqrt(-1.0);
        },
        {kFailure, kInvalid}, u',');
    QCOMPARE(seen, (std::vector<double>{5, -1.5, 16}));
    QCOMPARE(outcome.answer.value_or(kNone), QStringLiteral("Ответ: NAN"));
    QCOMPARE(outcome.messagesAfter, QStringList{kInvalid});
}

QTEST_APPLESS_MAIN(TestPositivity)
#include "tst_positivity.moc"
