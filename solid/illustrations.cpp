#include "illustrations.h"

#include "sketch.h"

namespace solid {

namespace {

using Drawing = calc::Sketch;

// The solids are drawn on 100 x 101 pixels.
constexpr QSize kSize(100, 101);

QImage cylinder()
{
    Drawing d(kSize);
    d.ellipse({50, 16}, 30, 8);
    d.line({20, 16}, {20, 82});
    d.line({80, 16}, {80, 82});
    d.base({50, 82}, 30, 8);
    d.measure();
    d.line({50, 82}, {80, 82});
    d.line({50, 16}, {50, 82});
    d.label({61, 79}, QStringLiteral("r"));
    d.label({53, 52}, QStringLiteral("h"));
    return d.image();
}

QImage cone()
{
    Drawing d(kSize);
    d.line({50, 10}, {18, 82});
    d.line({50, 10}, {82, 82});
    d.base({50, 82}, 32, 8);
    d.measure();
    d.line({50, 10}, {50, 82});
    d.line({50, 82}, {82, 82});
    d.label({63, 79}, QStringLiteral("r"));
    d.label({53, 56}, QStringLiteral("h"));
    return d.image();
}

QImage sphere()
{
    Drawing d(kSize);
    d.ellipse({50, 51}, 40, 40);
    d.base({50, 51}, 40, 11);
    d.measure();
    d.line({50, 51}, {90, 51});
    d.label({66, 48}, QStringLiteral("R"));
    return d.image();
}

QImage truncatedCone()
{
    Drawing d(kSize);
    d.ellipse({50, 18}, 18, 5);
    d.line({32, 18}, {16, 82});
    d.line({68, 18}, {84, 82});
    d.base({50, 82}, 34, 8);
    d.measure();
    d.line({50, 18}, {50, 82});
    d.line({50, 18}, {68, 18});
    d.line({50, 82}, {84, 82});
    d.label({54, 15}, QStringLiteral("r1"));
    d.label({64, 79}, QStringLiteral("r"));
    d.label({53, 54}, QStringLiteral("h"));
    return d.image();
}

// The corners of a base drawn as a parallelogram around `centre`.
struct Quad {
    QPointF frontLeft, frontRight, backRight, backLeft;
};

Quad quad(QPointF centre, qreal halfWidth, qreal depth)
{
    const qreal skew = depth * 0.8;
    return {{centre.x() - halfWidth - skew / 2, centre.y() + depth / 2},
            {centre.x() + halfWidth - skew / 2, centre.y() + depth / 2},
            {centre.x() + halfWidth + skew / 2, centre.y() - depth / 2},
            {centre.x() - halfWidth + skew / 2, centre.y() - depth / 2}};
}

// A base whose back edges are hidden.
void drawBase(Drawing &d, const Quad &q)
{
    d.polyline({q.frontLeft, q.frontRight, q.backRight});
    d.hidden();
    d.polyline({q.backRight, q.backLeft, q.frontLeft});
    d.solid();
}

QImage pyramid()
{
    Drawing d(kSize);
    const QPointF apex(50, 8);
    const Quad b = quad({50, 80}, 32, 16);
    drawBase(d, b);
    d.line(apex, b.frontLeft);
    d.line(apex, b.frontRight);
    d.line(apex, b.backRight);
    d.hidden();
    d.line(apex, b.backLeft);
    d.measure();
    d.line(apex, {50, 80});
    d.label({53, 50}, QStringLiteral("h"));
    d.label({28, 96}, QStringLiteral("S"));
    return d.image();
}

QImage truncatedPyramid()
{
    Drawing d(kSize);
    const Quad top = quad({50, 20}, 16, 8);
    const Quad b = quad({50, 80}, 32, 16);
    drawBase(d, b);
    d.polyline({top.frontLeft, top.frontRight, top.backRight, top.backLeft, top.frontLeft});
    d.line(top.frontLeft, b.frontLeft);
    d.line(top.frontRight, b.frontRight);
    d.line(top.backRight, b.backRight);
    d.hidden();
    d.line(top.backLeft, b.backLeft);
    d.measure();
    d.line({50, 20}, {50, 80});
    d.label({53, 54}, QStringLiteral("h"));
    d.label({28, 96}, QStringLiteral("S"));
    d.label({70, 14}, QStringLiteral("S1"));
    return d.image();
}

QImage prism()
{
    Drawing d(kSize);
    const Quad top = quad({48, 18}, 28, 14);
    const Quad b = quad({48, 80}, 28, 14);
    drawBase(d, b);
    d.polyline({top.frontLeft, top.frontRight, top.backRight, top.backLeft, top.frontLeft});
    d.line(top.frontLeft, b.frontLeft);
    d.line(top.frontRight, b.frontRight);
    d.line(top.backRight, b.backRight);
    d.hidden();
    d.line(top.backLeft, b.backLeft);
    d.solid();
    d.label({30, 96}, QStringLiteral("S"));
    d.label({88, 52}, QStringLiteral("h"));
    return d.image();
}

} // namespace

QImage illustration(Solid solid)
{
    switch (solid) {
    case Solid::Cylinder:
        return cylinder();
    case Solid::Cone:
        return cone();
    case Solid::Sphere:
        return sphere();
    case Solid::TruncatedCone:
        return truncatedCone();
    case Solid::Pyramid:
        return pyramid();
    case Solid::TruncatedPyramid:
        return truncatedPyramid();
    case Solid::Prism:
        return prism();
    }
    return {};
}

} // namespace solid
