// The desktop icons drawn at build time look like the emblem the program
// shows: each PNG at its size, and the SVG as an SVG renderer draws it.
#include "artwork.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

#include <cmath>

namespace {

QString iconPath(const QString &sizeFolder, const char *suffix)
{
    return QStringLiteral(KALKORT_ICONS "/%1/apps/" KALKORT_ID "%2").arg(sizeFolder, QLatin1String(suffix));
}

// The mean difference of two pictures of one size, 0 (same) to 1, over the
// colour channels of every pixel.
double difference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row), q = y.pixel(column, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * 255.0 * x.width() * x.height());
}

// The emblem as the program shows it, scaled smoothly to `size`.
QImage emblemAt(int size)
{
    return artwork::emblem().scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

class TestIcons : public QObject
{
    Q_OBJECT

private slots:
    void pngLooksLikeTheEmblem_data();
    void pngLooksLikeTheEmblem();
    void svgLooksLikeTheEmblem_data();
    void svgLooksLikeTheEmblem();
};

void TestIcons::pngLooksLikeTheEmblem_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        QTest::addRow("%d px", size) << size;
}

void TestIcons::pngLooksLikeTheEmblem()
{
    QFETCH(int, size);
    const QImage icon(iconPath(QStringLiteral("%1x%1").arg(size), ".png"));
    QCOMPARE(icon.size(), QSize(size, size));
    // Drawn at its size and scaled from 80 pixels differ by about 0.02.
    const double found = difference(icon, emblemAt(size));
    QVERIFY2(found < 0.04, qPrintable(QString::number(found)));
}

void TestIcons::svgLooksLikeTheEmblem_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("as shown") << artwork::kEmblemSize;
    QTest::newRow("large") << 256;
}

void TestIcons::svgLooksLikeTheEmblem()
{
    QFETCH(int, size);
    QSvgRenderer renderer(iconPath(QStringLiteral("scalable"), ".svg"));
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.defaultSize(), QSize(artwork::kEmblemSize, artwork::kEmblemSize));
    QImage drawn(size, size, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    renderer.render(&painter);
    painter.end();
    const double found = difference(drawn, emblemAt(size));
    QVERIFY2(found < 0.04, qPrintable(QString::number(found)));
}

QTEST_MAIN(TestIcons)
#include "tst_icons.moc"
