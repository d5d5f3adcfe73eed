// The line drawings of the figure and solid screens: black on white, hidden
// edges dashed, the measurements thin and labelled in italics.
#pragma once

#include <QImage>
#include <QPainter>

#include <initializer_list>

namespace calc {

class Sketch
{
public:
    // A white picture of `size` logical pixels at `devicePixelRatio`.
    explicit Sketch(QSize size, qreal devicePixelRatio = 1);

    QImage image();

    void solid();
    void hidden();
    void measure();

    void line(QPointF a, QPointF b);
    void polyline(std::initializer_list<QPointF> points);
    void polygon(std::initializer_list<QPointF> points);
    // The part of an ellipse from `start` degrees over `span` degrees
    // (counter-clockwise from 3 o'clock).
    void arc(QPointF centre, qreal rx, qreal ry, int start, int span);
    void ellipse(QPointF centre, qreal rx, qreal ry);
    // An ellipse whose far half is hidden.
    void base(QPointF centre, qreal rx, qreal ry);
    void label(QPointF at, const QString &text);

private:
    QImage m_image;
    QPainter m_painter;
};

}  // namespace calc
