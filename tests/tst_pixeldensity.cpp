// The pictures the program draws, at the screen's pixel density: at a device
// pixel ratio of 2 each has twice the pixels each way, shows the same picture
// and, where it has lines or letters, is drawn anew rather than enlarged.
// And the screens at 150 %: the frames of their lists and text boxes whole,
// the 3D model drawn over the whole of its surface's pixels.
#include "Unit13.h"
#include "Unit45.h"
#include "appearance.h"
#include "artwork.h"
#include "drawings.h"
#include "illustrations.h"
#include "prefixtable.h"
#include "screens.h"
#include "siunits.h"
#include "modelview.h"
#include "support.h"

#include <QAbstractScrollArea>
#include <QPushButton>
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
public:
    static void initMain() { qputenv("QT_SCALE_FACTOR", "1.5"); }

private slots:
    void initTestCase();
    void cleanupTestCase() { destroyScreens(); }
    void drawnAtTheRatio_data();
    void drawnAtTheRatio();
    void framesWholeAtAFractionalScale_data();
    void framesWholeAtAFractionalScale();
    void modelAtTheFullPixelSize();

private:
    QTemporaryDir m_settings;
    support::RecordingContext m_context;
};

void TestPixelDensity::initTestCase()
{
    QCOMPARE(qApp->devicePixelRatio(), 1.5);
    m_context.settingsFile = m_settings.filePath(QStringLiteral("kalkort.conf"));
    m_context.presentWelcome = [] {};
    createScreens(m_context);
    screens::createAll();
    Form13->Button3Click();  // wide, with the chart, made when first wanted
    QVERIFY(Form13->wide());
}

// Every framed list, text box and chart of every screen.
void TestPixelDensity::framesWholeAtAFractionalScale_data()
{
    QTest::addColumn<QAbstractScrollArea *>("area");
    for (const screens::Row &row : screens::table())
        for (QAbstractScrollArea *area : row.instance()->findChildren<QAbstractScrollArea *>())
            if (area->window() == row.instance() && area->frameShape() != QFrame::NoFrame)
                QTest::addRow("%s %s", row.className, qPrintable(area->objectName())) << area;
}

// The frame's outer line is seen on all four sides: in the window's picture
// at 150 %, somewhere in the outermost two rows (columns) of device pixels of
// each side, at its middle, a pixel of a colour clearly not the inside's.
void TestPixelDensity::framesWholeAtAFractionalScale()
{
    QFETCH(QAbstractScrollArea *, area);
    QWidget *window = area->window();
    const QImage picture = window->grab().toImage();
    QCOMPARE(picture.devicePixelRatio(), 1.5);
    const QRect box(area->mapTo(window, QPoint(0, 0)), area->size());
    const auto device = [](int logical) { return int(std::floor(logical * 1.5)); };
    const int left = device(box.left()), top = device(box.top());
    const int right = device(box.right() + 1) - 1, bottom = device(box.bottom() + 1) - 1;
    const int middleX = (left + right) / 2, middleY = (top + bottom) / 2;
    const QRgb inside = picture.pixel(middleX, bottom - 6);
    // How far the frame's pixel furthest from the inside's colour is from it.
    const auto contrast = [&picture, inside](std::initializer_list<QPoint> points) {
        int most = 0;
        for (const QPoint &point : points) {
            const QRgb pixel = picture.pixel(point);
            most = std::max({most, std::abs(qRed(pixel) - qRed(inside)), std::abs(qGreen(pixel) - qGreen(inside)),
                             std::abs(qBlue(pixel) - qBlue(inside))});
        }
        return most;
    };
    const std::pair<const char *, int> sides[] = {
        {"left", contrast({{left, middleY}, {left + 1, middleY}})},
        {"top", contrast({{middleX, top}, {middleX, top + 1}})},
        {"right", contrast({{right, middleY}, {right - 1, middleY}})},
        {"bottom", contrast({{middleX, bottom}, {middleX, bottom - 1}})},
    };
    for (const auto &[side, difference] : sides)
        QVERIFY2(difference > 24, qPrintable(QStringLiteral("%1 side: %2 from the inside's colour").arg(side).arg(difference)));
}

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
    // The prefix tables at the sizes their screen gives them.
    const auto prefixTable = [](const std::vector<reference::Prefix> &prefixes, int height) {
        return Draw([&prefixes, height](qreal r) {
            reference::PrefixTable table(prefixes);
            table.resize(296, height);
            return renderWidget(table, r);
        });
    };
    QTest::newRow("larger prefixes") << prefixTable(reference::largePrefixes(), 166) << true;
    QTest::newRow("smaller prefixes") << prefixTable(reference::smallPrefixes(), 165) << true;
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

// The model fills its surface's device pixels as it fills the surface at
// 100 %: the cylinder stands in the middle of the picture, not in a corner
// the size of the surface in the program's own pixels.
void TestPixelDensity::modelAtTheFullPixelSize()
{
    support::typeInto(Form45, QStringLiteral("Edit1"), QStringLiteral("2"));
    support::typeInto(Form45, QStringLiteral("Edit2"), QStringLiteral("3"));
    Form45->Button2->click();
    Form45->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form45));
    if (!Form45->wide())
        Form45->Button1->click();
    QVERIFY(QTest::qWaitForWindowExposed(Form45->Panel1));
    Form45->Button3->click();  // drawn now
    QTRY_VERIFY(Form45->Panel1->modelFrames() > 0);
    const QImage picture = Form45->Panel1->grabFramebuffer();
    QCOMPARE(picture.size(), Form45->Panel1->size() * 1.5);

    // The cylinder: the pixels unlike the background near the corner.
    const QRgb background = picture.pixel(4, 4);
    QRect model;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            if (std::abs(qRed(pixel) - qRed(background)) + std::abs(qGreen(pixel) - qGreen(background)) +
                    std::abs(qBlue(pixel) - qBlue(background)) > 60)
                model |= QRect(x, y, 1, 1);
        }
    QVERIFY(!model.isEmpty());
    const QPointF middle = QRectF(model).center();
    QVERIFY2(std::abs(middle.x() - picture.width() / 2.0) < 0.05 * picture.width(),
             qPrintable(QStringLiteral("model at %1 of %2").arg(middle.x()).arg(picture.width())));
    QVERIFY2(std::abs(middle.y() - picture.height() / 2.0) < 0.15 * picture.height(),
             qPrintable(QStringLiteral("model at %1 of %2").arg(middle.y()).arg(picture.height())));
    Form45->hide();
}

QTEST_MAIN(TestPixelDensity)
#include "tst_pixeldensity.moc"
