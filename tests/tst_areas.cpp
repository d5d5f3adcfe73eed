// The area formulas alone, against values worked out apart from the program
// (data/generate_areas.py): the evaluation order in extended precision, the
// result stored as a double, and the constants to their last digit.
#include "areas.h"
#include "figures.h"

#include <QFile>
#include <QtTest>

#include <cmath>
#include <functional>
#include <map>

namespace {

using Formula = std::function<double(const std::vector<double> &)>;

const std::map<QString, Formula> &formulas()
{
    using V = std::vector<double>;
    static const std::map<QString, Formula> table = {
        {"triangleBySideAndHeight", [](const V &v) { return area::triangleBySideAndHeight(v[0], v[1]); }},
        {"triangleByThreeSides", [](const V &v) { return area::triangleByThreeSides(v[0], v[1], v[2]); }},
        {"rectangleByTwoSides", [](const V &v) { return area::rectangleByTwoSides(v[0], v[1]); }},
        {"rectangleByDiagonalAndSide", [](const V &v) { return area::rectangleByDiagonalAndSide(v[0], v[1]); }},
        {"squareBySide", [](const V &v) { return area::squareBySide(v[0]); }},
        {"squareByDiagonal", [](const V &v) { return area::squareByDiagonal(v[0]); }},
        {"parallelogram", [](const V &v) { return area::parallelogram(v[0], v[1]); }},
        {"circleByRadius", [](const V &v) { return area::circleByRadius(v[0]); }},
        {"circleByDiameter", [](const V &v) { return area::circleByDiameter(v[0]); }},
        {"trapezoid", [](const V &v) { return area::trapezoid(v[0], v[1], v[2]); }},
        {"polygonByInradius", [](const V &v) { return area::polygonByInradius(v[0], v[1], v[2]); }},
        {"polygonByCircumradius", [](const V &v) { return area::polygonByCircumradius(v[0], v[1], v[2]); }},
        {"ellipse", [](const V &v) { return area::ellipse(v[0], v[1]); }},
        {"semicircleByRadius", [](const V &v) { return area::semicircleByRadius(v[0]); }},
        {"semicircleByDiameter", [](const V &v) { return area::semicircleByDiameter(v[0]); }},
    };
    return table;
}

// A double with 18 significant digits, as the expected values are written.
QString digits18(double value)
{
    return std::isnan(value) ? QStringLiteral("NAN") : QString::asprintf("%.17e", value);
}

}  // namespace

class TestAreas : public QObject
{
    Q_OBJECT
private slots:
    void formulas_data();
    void formulas();
    void figures_data();
    void figures();
};

void TestAreas::formulas_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<std::vector<double>>("inputs");
    QTest::addColumn<QString>("expected");

    QFile data(QFINDTESTDATA("data/areas.txt"));
    QVERIFY2(data.open(QIODevice::ReadOnly | QIODevice::Text), "data/areas.txt");
    int line = 0;
    while (!data.atEnd()) {
        const QString text = QString::fromUtf8(data.readLine()).trimmed();
        ++line;
        if (text.isEmpty() || text.startsWith(u'#'))
            continue;
        const QStringList fields = text.split(u'\t');
        QVERIFY2(fields.size() == 4, qPrintable(text));
        std::vector<double> inputs;
        for (const QString &input : fields[1].split(u' '))
            inputs.push_back(input.toDouble());
        QTest::addRow("%d %s %s (%s)", line, qPrintable(fields[0]), qPrintable(fields[1]), qPrintable(fields[3]))
            << fields[0] << inputs << fields[2];
    }
}

void TestAreas::formulas()
{
    QFETCH(QString, formula);
    QFETCH(std::vector<double>, inputs);
    QFETCH(QString, expected);

    QVERIFY2(::formulas().count(formula), qPrintable(formula));
    QCOMPARE(digits18(::formulas().at(formula)(inputs)), expected);
}

// Each mode of a figure computes its own formula from its inputs in order:
// one click through the record, as the screen makes it.
void TestAreas::figures_data()
{
    QTest::addColumn<QString>("figure");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("answer");

    QTest::newRow("triangle side and height") << "triangle" << "По стороне и высоте" << QStringList{"4", "3"}
                                              << "Ответ: 6,000";
    QTest::newRow("triangle three sides") << "triangle" << "По трём сторонам" << QStringList{"5", "4", "3"}
                                          << "Ответ: 6,000";
    QTest::newRow("rectangle two sides") << "rectangle" << "По двум сторонам" << QStringList{"2,5", "4"}
                                         << "Ответ: 10,000";
    QTest::newRow("rectangle side then diagonal") << "rectangle" << "По диагонали и одной стороне"
                                                  << QStringList{"3", "5"} << "Ответ: 12,000";
    QTest::newRow("square side") << "square" << "Одной стороне" << QStringList{"2,5"} << "Ответ: 6,250";
    QTest::newRow("square diagonal") << "square" << "По диагонали" << QStringList{"3"} << "Ответ: 4,500";
    QTest::newRow("parallelogram") << "parallelogram" << "" << QStringList{"5", "2,2"} << "Ответ: 11,000";
    QTest::newRow("circle radius") << "circle" << "По радиусу" << QStringList{"2"} << "Ответ: 12,566";
    QTest::newRow("circle diameter") << "circle" << "По диаметру" << QStringList{"2"} << "Ответ: 3,142";
    QTest::newRow("trapezoid") << "trapezoid" << "" << QStringList{"3", "5", "2"} << "Ответ: 8,000";
    QTest::newRow("polygon inradius") << "polygon" << "По 1-ой формуле" << QStringList{"6", "1", "2"}
                                      << "Ответ: 6,000";
    QTest::newRow("polygon circumradius") << "polygon" << "По 2-ой формуле" << QStringList{"4", "2", "2"}
                                          << "Ответ: 6,928";
    QTest::newRow("ellipse") << "ellipse" << "" << QStringList{"1", "2"} << "Ответ: 6,283";
    QTest::newRow("semicircle radius") << "semicircle" << "По радиусу" << QStringList{"1"} << "Ответ: 1,571";
    QTest::newRow("semicircle diameter") << "semicircle" << "По диаметру" << QStringList{"4"} << "Ответ: 6,283";
}

void TestAreas::figures()
{
    QFETCH(QString, figure);
    QFETCH(QString, mode);
    QFETCH(QStringList, inputs);
    QFETCH(QString, answer);

    const std::map<QString, const area::Figure *> figures = {
        {"triangle", &area::triangle()}, {"rectangle", &area::rectangle()}, {"square", &area::square()},
        {"parallelogram", &area::parallelogram()}, {"circle", &area::circle()}, {"trapezoid", &area::trapezoid()},
        {"polygon", &area::regularPolygon()}, {"ellipse", &area::ellipse()}, {"semicircle", &area::semicircle()}};
    const area::Mode *chosen = area::modeFor(*figures.at(figure), mode);
    QVERIFY(chosen);
    QCOMPARE(int(chosen->inputs.size()), int(inputs.size()));
    const calc::Outcome outcome = area::compute(*chosen, {inputs.begin(), inputs.end()}, "3", u',');
    QCOMPARE(outcome.answer.value_or(QString()), answer);
    QVERIFY(outcome.messages.isEmpty());
    QVERIFY(outcome.messagesAfter.isEmpty());
}

QTEST_APPLESS_MAIN(TestAreas)
#include "tst_areas.moc"
