// The pictures the program draws, at the screen's pixel density: at a device
// pixel ratio of 2 each has twice the pixels each way, shows the same picture
// and, where it has lines or letters, is drawn anew rather than enlarged.
#include "appearance.h"
#include "artwork.h"
#include "drawings.h"
#include "illustrations.h"
#include "prefixtable.h"
#include "siunits.h"

#include <QtTest>

#include <functional>

namespace {

using Draw = std::function<QImage(qreal)>;

QImage renderWidget(QWidget &widget, qreal ratio)
{
    QImage image(widget.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// The mean difference of two pictures of one size, 0 to 255.
double meanDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row), q = y.pixel(column, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * x.width() * x.height());
}

// Of the pixels a dark drawing on white inks, the share of half-tone ones: the
// blurred rim of its strokes. An enlarged copy has a rim twice as wide.
double rim(const QImage &picture)
{
    int inked = 0, partial = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const int grey = qGray(picture.pixel(x, y));
            inked += grey < 240;
            partial += grey < 240 && grey > 15;
        }
    return inked ? double(partial) / inked : 1.0;
}

}  // namespace

class TestPixelDensity : public QObject
{
    Q_OBJECT
private slots:
    void drawnAtTheRatio_data();
    void drawnAtTheRatio();
};

void TestPixelDensity::drawnAtTheRatio_data()
{
    QTest::addColumn<Draw>("draw");
    QTest::addColumn<bool>("lines");  // dark lines on white, checked for sharpness

    QTest::newRow("first background") << Draw([](qreal r) { return artwork::builtInBackground(1, r); }) << false;
    QTest::newRow("last background") << Draw([](qreal r) { return artwork::builtInBackground(18, r); }) << false;
    QTest::newRow("default background") << Draw([](qreal r) { return calc::defaultBackground(r); }) << false;
    QTest::newRow("emblem") << Draw([](qreal r) { return artwork::emblem(r); }) << false;
    const std::pair<const char *, solid::Solid> solids[] = {
        {"cylinder", solid::Solid::Cylinder},       {"cone", solid::Solid::Cone},
        {"sphere", solid::Solid::Sphere},           {"truncated cone", solid::Solid::TruncatedCone},
        {"pyramid", solid::Solid::Pyramid},         {"truncated pyramid", solid::Solid::TruncatedPyramid},
        {"prism", solid::Solid::Prism},
    };
    for (const auto &[name, which] : solids)
        QTest::newRow(name) << Draw([which = which](qreal r) { return solid::illustration(which, r); }) << true;
    QTest::newRow("trapezoid") << Draw(area::trapezoidDrawing) << true;
    QTest::newRow("regular polygon") << Draw(area::polygonDrawing) << true;
    QTest::newRow("ellipse") << Draw(area::ellipseDrawing) << true;
    QTest::newRow("semicircle") << Draw(area::semicircleDrawing) << true;
    QTest::newRow("larger prefixes") << Draw([](qreal r) {
        reference::PrefixTable table(reference::largePrefixes());
        table.resize(296, 166);
        return renderWidget(table, r);
    }) << true;
    QTest::newRow("smaller prefixes") << Draw([](qreal r) {
        reference::PrefixTable table(reference::smallPrefixes());
        table.resize(296, 165);
        return renderWidget(table, r);
    }) << true;
}

void TestPixelDensity::drawnAtTheRatio()
{
    QFETCH(Draw, draw);
    QFETCH(bool, lines);
    const QImage single = draw(1);
    const QImage twice = draw(2);
    QVERIFY(!single.isNull());
    QCOMPARE(single.devicePixelRatio(), 1.0);
    QCOMPARE(twice.devicePixelRatio(), 2.0);
    QCOMPARE(twice.size(), single.size() * 2);

    // The same picture: reduced to the single size it differs little.
    const QImage reduced = twice.scaled(single.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double difference = meanDifference(reduced, single);
    QVERIFY2(difference < 12, qPrintable(QString::number(difference)));

    // Drawn anew: thinner blurred edges than the single picture enlarged.
    if (lines) {
        const QImage enlarged = single.scaled(twice.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY2(rim(twice) < 0.8 * rim(enlarged),
                 qPrintable(QStringLiteral("%1 against %2").arg(rim(twice)).arg(rim(enlarged))));
    }
}

QTEST_MAIN(TestPixelDensity)
#include "tst_pixeldensity.moc"
