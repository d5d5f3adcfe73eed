#include "appearance.h"

#include <QColor>

namespace calc {

QString applicationTitle() { return QStringLiteral("Калькорт 1.6.1 Pro"); }

QImage defaultBackground()
{
    constexpr int width = 497;
    constexpr int height = 4;
    const QColor from(195, 212, 242);
    const QColor to(255, 255, 255);
    QImage picture(width, height, QImage::Format_RGB32);
    for (int x = 0; x < width; ++x) {
        const double t = double(x) / (width - 1);
        const QRgb colour = qRgb(qRound(from.red() + t * (to.red() - from.red())),
                                 qRound(from.green() + t * (to.green() - from.green())),
                                 qRound(from.blue() + t * (to.blue() - from.blue())));
        for (int y = 0; y < height; ++y)
            picture.setPixel(x, y, colour);
    }
    return picture;
}

Appearance::Appearance() : m_background(defaultBackground()) {}

Appearance &Appearance::instance()
{
    static Appearance appearance;
    return appearance;
}

void Appearance::setBackground(const QImage &picture)
{
    m_background = picture;
    emit changed();
}

void Appearance::setStretch(bool stretch)
{
    m_stretch = stretch;
    emit changed();
}

}  // namespace calc
