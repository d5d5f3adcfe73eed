#include "appearance.h"

#include <QColor>
#include <QGuiApplication>

namespace calc {

QString applicationTitle() { return QStringLiteral("Калькорт 1.6.1 Pro"); }

QImage defaultBackground(qreal devicePixelRatio)
{
    const int width = qRound(497 * devicePixelRatio);
    const int height = qRound(4 * devicePixelRatio);
    const QColor from(195, 212, 242);
    const QColor to(255, 255, 255);
    QImage picture(width, height, QImage::Format_RGB32);
    picture.setDevicePixelRatio(devicePixelRatio);
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

qreal desktopPixelRatio() { return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0; }

Appearance::Appearance() : m_background(defaultBackground(desktopPixelRatio())) {}

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
