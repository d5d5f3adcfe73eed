#include "drawings.h"

#include "sketch.h"

#include <QtMath>

namespace area {

namespace {
constexpr QSize kSize(100, 100);
}

QImage trapezoidDrawing(qreal devicePixelRatio)
{
    calc::Sketch d(kSize, devicePixelRatio);
    const QPointF bottomLeft(8, 78), bottomRight(92, 78), topRight(68, 22), topLeft(30, 22);
    d.polygon({bottomLeft, bottomRight, topRight, topLeft});
    d.measure();
    d.line({38, 22}, {38, 78});
    d.label({46, 94}, QStringLiteral("a"));
    d.label({46, 17}, QStringLiteral("b"));
    d.label({41, 55}, QStringLiteral("h"));
    return d.image();
}

QImage polygonDrawing(qreal devicePixelRatio)
{
    calc::Sketch d(kSize, devicePixelRatio);
    const QPointF centre(50, 52);
    const qreal R = 40;
    // A regular hexagon, flat at the bottom.
    QPointF v[6];
    for (int k = 0; k < 6; ++k) {
        const qreal angle = qDegreesToRadians(60.0 * k);
        v[k] = centre + QPointF(R * std::cos(angle), R * std::sin(angle));
    }
    d.polygon({v[0], v[1], v[2], v[3], v[4], v[5]});
    d.measure();
    const QPointF bottom = (v[1] + v[2]) / 2;
    d.line(centre, bottom);  // the inradius, to the middle of a side
    d.line(centre, v[0]);    // the circumradius, to a corner
    d.label({53, 78}, QStringLiteral("r"));
    d.label({68, 48}, QStringLiteral("R"));
    d.label({47, 99}, QStringLiteral("s"));
    d.label({4, 14}, QStringLiteral("n = 6"));
    return d.image();
}

QImage ellipseDrawing(qreal devicePixelRatio)
{
    calc::Sketch d(kSize, devicePixelRatio);
    const QPointF centre(50, 52);
    d.ellipse(centre, 44, 28);
    d.measure();
    d.line(centre, {94, 52});
    d.line(centre, {50, 24});
    d.label({68, 48}, QStringLiteral("a"));
    d.label({53, 40}, QStringLiteral("b"));
    return d.image();
}

QImage semicircleDrawing(qreal devicePixelRatio)
{
    calc::Sketch d(kSize, devicePixelRatio);
    const QPointF centre(50, 70);
    d.arc(centre, 44, 44, 0, 180);
    d.line({6, 70}, {94, 70});
    d.measure();
    d.line(centre, {50 + 44 * std::cos(qDegreesToRadians(50.0)), 70 - 44 * std::sin(qDegreesToRadians(50.0))});
    d.label({70, 64}, QStringLiteral("r"));
    d.label({46, 88}, QStringLiteral("d"));
    return d.image();
}

}  // namespace area
