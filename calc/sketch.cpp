#include "sketch.h"

#include "screen.h"

#include <vector>

namespace calc {

Sketch::Sketch(QSize size, qreal devicePixelRatio)
    : m_image(size * devicePixelRatio, QImage::Format_RGB32)
{
    m_image.setDevicePixelRatio(devicePixelRatio);
    m_image.fill(Qt::white);
    m_painter.begin(&m_image);
    m_painter.setRenderHint(QPainter::Antialiasing);
    QFont font = arial(12);
    font.setItalic(true);
    m_painter.setFont(font);
    solid();
}

QImage Sketch::image()
{
    if (m_painter.isActive())
        m_painter.end();
    return m_image;
}

void Sketch::solid() { m_painter.setPen(QPen(Qt::black, 1.2)); }
void Sketch::hidden() { m_painter.setPen(QPen(Qt::black, 1, Qt::DashLine)); }
void Sketch::measure() { m_painter.setPen(QPen(Qt::black, 0.8, Qt::DashDotLine)); }

void Sketch::line(QPointF a, QPointF b) { m_painter.drawLine(a, b); }

void Sketch::polyline(std::initializer_list<QPointF> points)
{
    const std::vector<QPointF> p(points);
    m_painter.drawPolyline(p.data(), int(p.size()));
}

void Sketch::polygon(std::initializer_list<QPointF> points)
{
    const std::vector<QPointF> p(points);
    m_painter.drawPolygon(p.data(), int(p.size()));
}

void Sketch::arc(QPointF centre, qreal rx, qreal ry, int start, int span)
{
    m_painter.drawArc(QRectF(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry), start * 16, span * 16);
}

void Sketch::ellipse(QPointF centre, qreal rx, qreal ry) { arc(centre, rx, ry, 0, 360); }

void Sketch::base(QPointF centre, qreal rx, qreal ry)
{
    arc(centre, rx, ry, 180, 180);
    hidden();
    arc(centre, rx, ry, 0, 180);
    solid();
}

void Sketch::label(QPointF at, const QString &text) { m_painter.drawText(at, text); }

}  // namespace calc
