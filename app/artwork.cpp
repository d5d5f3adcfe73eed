#include "artwork.h"

#include "appearance.h"
#include "pictures.h"

#include <QFile>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <vector>

namespace artwork {

namespace {

using Stops = std::vector<QColor>;

// Colour stops of pictures 2 to 18, left to right, evenly spaced.
const std::vector<Stops> &gradients()
{
    static const std::vector<Stops> table = {
        {QColor(200, 232, 196), Qt::white},
        {QColor(250, 214, 186), Qt::white},
        {QColor(214, 204, 240), Qt::white},
        {QColor(176, 212, 246), QColor(252, 246, 200), Qt::white},
        {QColor(236, 222, 190), Qt::white},
        {QColor(246, 200, 214), Qt::white},
        {QColor(190, 236, 214), QColor(206, 226, 250)},
        {QColor(176, 190, 214), Qt::white, QColor(176, 190, 214)},
        {QColor(246, 216, 130), QColor(252, 244, 196), Qt::white},
        {QColor(216, 190, 236), QColor(246, 208, 226), Qt::white},
        {QColor(170, 226, 232), Qt::white, QColor(170, 226, 232)},
        {QColor(246, 196, 196), QColor(250, 236, 190), QColor(204, 240, 204), QColor(196, 220, 250),
         QColor(226, 206, 246)},
        {QColor(180, 190, 232), QColor(232, 200, 222), Qt::white},
        {QColor(150, 180, 214), Qt::white},
        {QColor(176, 226, 220), QColor(204, 238, 196), QColor(250, 248, 210), Qt::white},
        {QColor(250, 190, 150), QColor(252, 218, 160), QColor(252, 242, 196), QColor(220, 236, 250),
         QColor(190, 214, 246)},
        {QColor(208, 208, 212), Qt::white},
    };
    return table;
}

}  // namespace

QImage builtInBackground(int position, qreal devicePixelRatio)
{
    if (position <= 1 || position > kBuiltInCount)
        return calc::defaultBackground(devicePixelRatio);
    const Stops &stops = gradients()[position - 2];
    QImage picture(QSize(497, 4) * devicePixelRatio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&picture);
    // Drawn in the picture's own 497 x 4, the painter taking the ratio.
    const QRect area(0, 0, 497, 4);
    QLinearGradient gradient(0, 0, area.width() - 1, 0);
    for (std::size_t k = 0; k < stops.size(); ++k)
        gradient.setColorAt(double(k) / double(stops.size() - 1), stops[k]);
    painter.fillRect(area, gradient);
    return picture;
}

namespace {

// A sign of the emblem centred in `box`, as a shape rather than as text, so
// that the emblem recorded as SVG looks the same where the font is missing.
void drawCentred(QPainter &painter, const QRectF &box, const QFont &font, const QString &text)
{
    const QFontMetricsF metrics(font);
    const QPointF baseline(box.x() + (box.width() - metrics.horizontalAdvance(text)) / 2,
                           box.y() + (box.height() - metrics.height()) / 2 + metrics.ascent());
    QPainterPath shape;
    shape.addText(baseline, font, text);
    painter.fillPath(shape, QColor(16, 56, 168));
}

}  // namespace

void paintEmblem(QPainter &painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF square(0, 0, kEmblemSize, kEmblemSize);
    QRadialGradient glow(QPointF(34, 30), 60);
    glow.setColorAt(0, QColor(250, 253, 255));
    glow.setColorAt(1, QColor(150, 196, 240));
    painter.fillRect(square, glow);
    painter.setPen(QPen(QColor(40, 90, 170), 1.5));
    painter.drawRect(QRectF(0.75, 0.75, 78.5, 78.5));

    QFont letters(QStringLiteral("Arial"));
    letters.setPixelSize(34);
    letters.setBold(true);
    drawCentred(painter, QRectF(4, 2, 36, 38), letters, QStringLiteral("X"));
    drawCentred(painter, QRectF(40, 40, 36, 38), letters, QStringLiteral("Y"));
    QFont signs = letters;
    signs.setPixelSize(26);
    drawCentred(painter, QRectF(42, 4, 32, 32), signs, QStringLiteral("+"));
    drawCentred(painter, QRectF(6, 42, 32, 32), signs, QString(QChar(0x2212)));
    drawCentred(painter, QRectF(24, 24, 32, 32), signs, QStringLiteral("="));
    painter.restore();
}

namespace {

QImage drawEmblem(qreal devicePixelRatio)
{
    QImage picture(QSize(kEmblemSize, kEmblemSize) * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&picture);
    paintEmblem(painter);
    return picture;
}

}  // namespace

QImage emblem(qreal devicePixelRatio)
{
    // Drawn once for each ratio asked for.
    static std::vector<QImage> drawn;
    for (const QImage &picture : drawn)
        if (picture.devicePixelRatio() == devicePixelRatio)
            return picture;
    drawn.push_back(drawEmblem(devicePixelRatio));
    return drawn.back();
}

QImage windowPicture()
{
    QFile file(QStringLiteral(":/kalkort/window.jpg"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return pictures::decodeJpeg(file.readAll()).image;
}

}  // namespace artwork
