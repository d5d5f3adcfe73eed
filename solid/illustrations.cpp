#include "illustrations.h"

#include "calcscreen.h"

#include <QPainter>
#include <QPainterPath>

namespace solid {

namespace {

// Draws on a white picture with black lines; hidden edges dashed, the
// measurements thin and labelled in italics.
class Drawing
{
public:
    Drawing() : m_image(100, 101, QImage::Format_RGB32), m_painter(&m_image)
    {
        m_image.fill(Qt::white);
        m_painter.setRenderHint(QPainter::Antialiasing);
        QFont font = calc::arial(12);
        font.setItalic(true);
        m_painter.setFont(font);
        solid();
    }

    QImage image()
    {
        m_painter.end();
        return m_image;
    }

    void solid() { m_painter.setPen(QPen(Qt::black, 1.2)); }
    void hidden() { m_painter.setPen(QPen(Qt::black, 1, Qt::DashLine)); }
    void measure() { m_painter.setPen(QPen(Qt::black, 0.8, Qt::DashDotLine)); }

    void line(QPointF a, QPointF b) { m_painter.drawLine(a, b); }
    void polyline(std::initializer_list<QPointF> points)
    {
        const std::vector<QPointF> p(points);
        m_painter.drawPolyline(p.data(), int(p.size()));
    }
    // The part of an ellipse from `start` degrees over `span` degrees
    // (counter-clockwise from 3 o'clock).
    void arc(QPointF centre, qreal rx, qreal ry, int start, int span)
    {
        m_painter.drawArc(QRectF(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry), start * 16, span * 16);
    }
    void ellipse(QPointF centre, qreal rx, qreal ry) { arc(centre, rx, ry, 0, 360); }
    // An ellipse whose far half is hidden.
    void base(QPointF centre, qreal rx, qreal ry)
    {
        arc(centre, rx, ry, 180, 180);
        hidden();
        arc(centre, rx, ry, 0, 180);
        solid();
    }
    void label(QPointF at, const QString &text) { m_painter.drawText(at, text); }

private:
    QImage m_image;
    QPainter m_painter;
};

QImage cylinder()
{
    Drawing d;
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
    Drawing d;
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
    Drawing d;
    d.ellipse({50, 51}, 40, 40);
    d.base({50, 51}, 40, 11);
    d.measure();
    d.line({50, 51}, {90, 51});
    d.label({66, 48}, QStringLiteral("R"));
    return d.image();
}

QImage truncatedCone()
{
    Drawing d;
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
    Drawing d;
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
    Drawing d;
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
    Drawing d;
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
