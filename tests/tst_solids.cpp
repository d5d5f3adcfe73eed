// Volume formulas and the model geometry, without windows or a GL context.
#include "model.h"
#include "solids.h"

#include <QtTest>

#include <cmath>

using solid::QuadricCall;
using solid::Solid;
using Shape = QuadricCall::Shape;

Q_DECLARE_METATYPE(Solid)

class TestSolids : public QObject
{
    Q_OBJECT
private slots:
    void volume_data();
    void volume();
    void truncatedPyramidOfOneNegativeArea_data();
    void truncatedPyramidOfOneNegativeArea();
    void modelDimensions_data();
    void modelDimensions();
    void geometry_data();
    void geometry();
    void translation_data();
    void translation();
};

void TestSolids::volume_data()
{
    QTest::addColumn<Solid>("solid");
    QTest::addColumn<std::vector<double>>("measurements");
    QTest::addColumn<double>("expected");

    // Exact doubles. Where a row says so, evaluating in double precision or
    // in another grouping gives a different last digit.
    QTest::newRow("cylinder r 2 h 3: 12 pi") << Solid::Cylinder << std::vector<double>{2, 3} << 37.69911184307752;
    QTest::newRow("cylinder r 1 h 1: pi") << Solid::Cylinder << std::vector<double>{1, 1} << 3.141592653589793;
    QTest::newRow("cylinder r 1e6 h 1, extended (double: ...793)")
        << Solid::Cylinder << std::vector<double>{1e6, 1} << 3141592653589.7935;
    QTest::newRow("cylinder r 0,1 h 0,3, extended (double: ...938)")
        << Solid::Cylinder << std::vector<double>{0.1, 0.3} << 0.009424777960769381;
    QTest::newRow("cylinder negative height keeps the sign")
        << Solid::Cylinder << std::vector<double>{2, -3} << -37.69911184307752;
    QTest::newRow("cone r 3 h 4: 12 pi") << Solid::Cone << std::vector<double>{3, 4} << 37.69911184307752;
    QTest::newRow("cone r 1e6 h 3, extended") << Solid::Cone << std::vector<double>{1e6, 3} << 3141592653589.7935;
    QTest::newRow("sphere R 1, extended (double: ...3905)") << Solid::Sphere << std::vector<double>{1}
                                                             << 4.188790204786391;
    QTest::newRow("sphere R 3: 36 pi") << Solid::Sphere << std::vector<double>{3} << 113.09733552923255;
    QTest::newRow("sphere R 1e4, extended (double: ...3906)")
        << Solid::Sphere << std::vector<double>{1e4} << 4188790204786.391;
    QTest::newRow("sphere negative radius") << Solid::Sphere << std::vector<double>{-1} << -4.188790204786391;
    QTest::newRow("truncated cone 1 1 1 is the cylinder")
        << Solid::TruncatedCone << std::vector<double>{1, 1, 1} << 3.141592653589793;
    QTest::newRow("truncated cone r 2 r1 1 h 3: 7 pi")
        << Solid::TruncatedCone << std::vector<double>{2, 1, 3} << 21.991148575128552;
    QTest::newRow("truncated cone r1 0 is the cone") << Solid::TruncatedCone << std::vector<double>{1, 0, 3}
                                                     << 3.141592653589793;
    QTest::newRow("pyramid S 6 h 5") << Solid::Pyramid << std::vector<double>{6, 5} << 10.0;
    QTest::newRow("pyramid S 7 h 11, extended (double: ...664)")
        << Solid::Pyramid << std::vector<double>{7, 11} << 25.666666666666668;
    QTest::newRow("pyramid S 2,5 h 12,1, one third times S first (S h first: ...332)")
        << Solid::Pyramid << std::vector<double>{2.5, 12.1} << 10.083333333333334;
    QTest::newRow("truncated pyramid h 3 S 4 S1 1") << Solid::TruncatedPyramid << std::vector<double>{3, 4, 1} << 7.0;
    QTest::newRow("truncated pyramid S = S1 is the prism")
        << Solid::TruncatedPyramid << std::vector<double>{5, 2, 2} << 10.0;
    QTest::newRow("truncated pyramid h 3 S 2 S1 1: 3 + sqrt 2")
        << Solid::TruncatedPyramid << std::vector<double>{3, 2, 1} << 4.414213562373095;
    QTest::newRow("truncated pyramid, one third times h first (h times the sum first: ...873)")
        << Solid::TruncatedPyramid << std::vector<double>{994.51, 442.28, 201.31} << 312268.84040298726;
    QTest::newRow("truncated pyramid two negative areas: a real root")
        << Solid::TruncatedPyramid << std::vector<double>{3, -4, -1} << -3.0;
    QTest::newRow("prism h 4 S 2,5") << Solid::Prism << std::vector<double>{4, 2.5} << 10.0;
    QTest::newRow("prism overflow is infinite") << Solid::Prism << std::vector<double>{1e200, 1e200}
                                                << std::numeric_limits<double>::infinity();
}

void TestSolids::volume()
{
    QFETCH(Solid, solid);
    QFETCH(std::vector<double>, measurements);
    QFETCH(double, expected);

    QCOMPARE(solid::measurementCount(solid), int(measurements.size()));
    const double v = solid::volume(solid, measurements);
    QVERIFY2(v == expected, QByteArray::number(v, 'g', 17) + " instead of " + QByteArray::number(expected, 'g', 17));
}

void TestSolids::truncatedPyramidOfOneNegativeArea_data()
{
    QTest::addColumn<double>("S");
    QTest::addColumn<double>("S1");
    QTest::newRow("S negative") << -4.0 << 1.0;
    QTest::newRow("S1 negative") << 4.0 << -1.0;
}

void TestSolids::truncatedPyramidOfOneNegativeArea()
{
    QFETCH(double, S);
    QFETCH(double, S1);
    QVERIFY(std::isnan(solid::truncatedPyramidVolume(3, S, S1)));
}

void TestSolids::modelDimensions_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<std::vector<int>>("dimensions");  // empty: no model

    QTest::newRow("whole numbers") << QStringList{"10", "20"} << std::vector<int>{10, 20};
    QTest::newRow("leading blank and hexadecimal") << QStringList{" 3", "$1F"} << std::vector<int>{3, 31};
    QTest::newRow("largest whole number") << QStringList{"2147483647"} << std::vector<int>{2147483647};
    QTest::newRow("decimal") << QStringList{"4", "2,5"} << std::vector<int>{};
    QTest::newRow("whole decimal") << QStringList{"3,0"} << std::vector<int>{};
    QTest::newRow("zero") << QStringList{"0", "5"} << std::vector<int>{};
    QTest::newRow("negative") << QStringList{"5", "-5"} << std::vector<int>{};
    QTest::newRow("blank field") << QStringList{"5", ""} << std::vector<int>{};
    QTest::newRow("trailing blank") << QStringList{"5 "} << std::vector<int>{};
    QTest::newRow("letters") << QStringList{"abc"} << std::vector<int>{};
    QTest::newRow("beyond 32 bits") << QStringList{"2147483648"} << std::vector<int>{};
}

void TestSolids::modelDimensions()
{
    QFETCH(QStringList, texts);
    QFETCH(std::vector<int>, dimensions);

    const auto read = solid::modelDimensions(std::vector<QString>(texts.begin(), texts.end()));
    QCOMPARE(read.has_value(), !dimensions.empty());
    if (read)
        QCOMPARE(*read, dimensions);
}

void TestSolids::geometry_data()
{
    QTest::addColumn<Solid>("solid");
    QTest::addColumn<std::vector<int>>("dimensions");
    QTest::addColumn<std::vector<QuadricCall>>("calls");

    QTest::newRow("cylinder r 10 h 20: side and bottom disk")
        << Solid::Cylinder << std::vector<int>{10, 20}
        << std::vector<QuadricCall>{{Shape::Cylinder, {10, 10, 20}, 1000, 1}, {Shape::Disk, {0, 10, 0}, 1000, 10}};
    QTest::newRow("cone r 7 h 30: side only")
        << Solid::Cone << std::vector<int>{7, 30} << std::vector<QuadricCall>{{Shape::Cylinder, {7, 0, 30}, 1000, 1}};
    QTest::newRow("sphere R 15") << Solid::Sphere << std::vector<int>{15}
                                 << std::vector<QuadricCall>{{Shape::Sphere, {15, 0, 0}, 10, 10}};
    QTest::newRow("truncated cone r 12 r1 5 h 9: base radius r, top r1")
        << Solid::TruncatedCone << std::vector<int>{12, 5, 9}
        << std::vector<QuadricCall>{{Shape::Cylinder, {12, 5, 9}, 1000, 1}, {Shape::Disk, {0, 12, 0}, 1000, 10}};
    QTest::newRow("pyramid S 6 h 40: six sides of radius 10")
        << Solid::Pyramid << std::vector<int>{6, 40}
        << std::vector<QuadricCall>{{Shape::Cylinder, {10, 0, 40}, 6, 1}, {Shape::Disk, {0, 10, 0}, 6, 10}};
    QTest::newRow("pyramid S does not shape the model")
        << Solid::Pyramid << std::vector<int>{5000, 40}
        << std::vector<QuadricCall>{{Shape::Cylinder, {10, 0, 40}, 6, 1}, {Shape::Disk, {0, 10, 0}, 6, 10}};
    QTest::newRow("truncated pyramid h 30 S 300 S1 200: five sides, areas as radii")
        << Solid::TruncatedPyramid << std::vector<int>{30, 300, 200}
        << std::vector<QuadricCall>{{Shape::Cylinder, {300, 200, 30}, 5, 1}, {Shape::Disk, {0, 300, 0}, 5, 10}};
    QTest::newRow("prism h 25 S 8: six sides of radius 13")
        << Solid::Prism << std::vector<int>{25, 8}
        << std::vector<QuadricCall>{{Shape::Cylinder, {13, 13, 25}, 6, 1}, {Shape::Disk, {0, 13, 0}, 6, 10}};
    QTest::newRow("largest whole numbers")
        << Solid::Cylinder << std::vector<int>{2147483647, 2147483647}
        << std::vector<QuadricCall>{{Shape::Cylinder, {2147483647.0, 2147483647.0, 2147483647.0}, 1000, 1},
                                    {Shape::Disk, {0, 2147483647.0, 0}, 1000, 10}};
}

void TestSolids::geometry()
{
    QFETCH(Solid, solid);
    QFETCH(std::vector<int>, dimensions);
    QFETCH(std::vector<QuadricCall>, calls);

    QCOMPARE(solid::dimensionCount(solid), int(dimensions.size()));
    QVERIFY(solid::modelGeometry(solid, dimensions) == calls);
}

void TestSolids::translation_data()
{
    QTest::addColumn<int>("bar1");
    QTest::addColumn<int>("bar2");
    QTest::addColumn<int>("bar3");
    QTest::addColumn<QList<double>>("expected");

    QTest::newRow("all at 0") << 0 << 0 << 0 << QList<double>{25, -150, 30};
    QTest::newRow("TrackBar1 at 100 moves right") << 100 << 0 << 0 << QList<double>{125, -150, 30};
    QTest::newRow("TrackBar1 at -100 moves left") << -100 << 0 << 0 << QList<double>{-75, -150, 30};
    QTest::newRow("TrackBar2 at 100 moves away") << 0 << 100 << 0 << QList<double>{25, -50, 30};
    QTest::newRow("TrackBar3 at the top raises") << 0 << 0 << -100 << QList<double>{25, -150, 130};
    QTest::newRow("TrackBar3 at the bottom lowers") << 0 << 0 << 100 << QList<double>{25, -150, -70};
}

void TestSolids::translation()
{
    QFETCH(int, bar1);
    QFETCH(int, bar2);
    QFETCH(int, bar3);
    QFETCH(QList<double>, expected);

    const auto t = solid::modelTranslation(bar1, bar2, bar3);
    QCOMPARE((QList<double>{t[0], t[1], t[2]}), expected);
}

QTEST_APPLESS_MAIN(TestSolids)
#include "tst_solids.moc"
