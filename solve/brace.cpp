#include "brace.h"

#include <QPainter>

namespace solve {

QPainterPath curlyBrace(qreal w, qreal h)
{
    // One outline, clockwise from the upper end: down the outer edge to the
    // point, on to the lower end, and back up the inner edge, whose corner
    // at the point lies right of it so that the point keeps some weight.
    // The lower half is the upper half mirrored about the middle.
    const qreal mid = h / 2;
    const qreal thick = w * 0.2;
    const qreal outer = w * 0.5 - thick / 2;  // the stems' edges
    const qreal inner = w * 0.5 + thick / 2;
    const qreal corner = w * 0.3;              // the inner corner at the point
    const auto down = [h](qreal y) { return h - y; };

    QPainterPath brace;
    brace.moveTo(w, 0.5);
    brace.cubicTo(outer, 0.5, outer, h * 0.06, outer, h * 0.14);
    brace.lineTo(outer, mid - h * 0.1);
    brace.cubicTo(outer, mid - h * 0.04, w * 0.2, mid - 0.8, 0, mid);
    brace.cubicTo(w * 0.2, down(mid - 0.8), outer, down(mid - h * 0.04), outer, down(mid - h * 0.1));
    brace.lineTo(outer, down(h * 0.14));
    brace.cubicTo(outer, down(h * 0.06), outer, down(0.5), w, down(0.5));
    brace.lineTo(w, down(1.6));
    brace.cubicTo(inner + thick, down(1.6), inner, down(h * 0.05), inner, down(h * 0.14));
    brace.lineTo(inner, down(mid - h * 0.1));
    brace.cubicTo(inner, down(mid - h * 0.04), corner + 1, mid, corner, mid);
    brace.cubicTo(corner + 1, mid, inner, mid - h * 0.04, inner, mid - h * 0.1);
    brace.lineTo(inner, h * 0.14);
    brace.cubicTo(inner, h * 0.05, inner + thick, 1.6, w, 1.6);
    brace.closeSubpath();
    return brace;
}

CurlyBrace::CurlyBrace(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

void CurlyBrace::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::WindowText));
    painter.drawPath(curlyBrace(width(), height()));
}

}  // namespace solve
