#include "prefixtable.h"

#include "screen.h"

#include <QPaintEngine>
#include <QPainter>

#include <cmath>

namespace reference {

PrefixTable::PrefixTable(const std::vector<Prefix> &prefixes, QWidget *parent)
    : QWidget(parent), m_prefixes(prefixes)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PrefixTable::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Drawn in device pixels: grid lines fall on whole pixels and are
    // whole pixels wide at any scale, and the text is set at the screen's
    // resolution.
    const qreal scale = painter.paintEngine()->paintDevice()->devicePixelRatioF();
    painter.scale(1 / scale, 1 / scale);
    const int width = qRound(this->width() * scale);
    const int height = qRound(this->height() * scale);
    const int line = std::max(1, int(std::floor(scale)));
    painter.fillRect(0, 0, width, height, Qt::white);
    const int rows = int(m_prefixes.size());
    if (rows == 0)
        return;

    // Row k lies between the lines at top(k) and top(k + 1); the last line
    // is the bottom edge, the last column line the right edge.
    const auto top = [&](int k) { return k * (height - line) / rows; };
    const auto left = [&](int column) { return column < 3 ? qRound(kColumns[column] * scale) : width - line; };
    for (int k = 0; k <= rows; ++k)
        painter.fillRect(0, top(k), width, line, Qt::black);
    for (int column = 0; column <= 3; ++column)
        painter.fillRect(left(column), 0, line, height, Qt::black);

    QFont text = calc::arial(13);
    text.setPixelSize(qRound(13 * scale));
    QFont exponent = calc::arial(9);
    exponent.setPixelSize(qRound(9 * scale));
    const QFontMetrics textMetrics(text);
    const int padding = qRound(8 * scale);
    painter.setPen(Qt::black);
    for (int k = 0; k < rows; ++k) {
        const Prefix &prefix = m_prefixes[std::size_t(k)];
        const int rowTop = top(k) + line;
        const int rowHeight = top(k + 1) - rowTop;
        const int baseline = rowTop + (rowHeight + textMetrics.ascent() - textMetrics.descent()) / 2;
        painter.setFont(text);
        painter.drawText(left(0) + padding, baseline, prefix.name);
        painter.drawText(left(1) + padding, baseline, prefix.symbol);
        const QString ten = QStringLiteral("10");
        painter.drawText(left(2) + padding, baseline, ten);
        QString power = QString::number(prefix.exponent);
        power.replace(u'-', QChar(0x2212));
        painter.setFont(exponent);
        painter.drawText(left(2) + padding + textMetrics.horizontalAdvance(ten) + line,
                         baseline - textMetrics.ascent() / 2, power);
    }
}

}  // namespace reference
