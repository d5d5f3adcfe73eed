#include "modelview.h"

#include "modelrenderer.h"

#include <QPainter>
#include <QSurfaceFormat>
#include <qdrawutil.h>

namespace solid {

TModelPanel::TModelPanel(QWidget *parent) : QOpenGLWidget(parent) { setFormat(surfaceFormat()); }

QSurfaceFormat TModelPanel::surfaceFormat()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setAlphaBufferSize(0);
    format.setDepthBufferSize(32);
    format.setStencilBufferSize(0);
    format.setSamples(0);
    return format;
}

void TModelPanel::setCaption(const QString &caption)
{
    if (caption == m_caption && !m_frame)
        return; // the face already shows it
    m_caption = caption;
    showFace();
}

void TModelPanel::showFace()
{
    m_frame.reset();
    update();
}

void TModelPanel::drawModel(ModelFrame frame)
{
    m_frame = std::move(frame);
    update();
}

void TModelPanel::paintGL()
{
    if (!m_frame) {
        paintFace();
        return;
    }
    const qreal ratio = devicePixelRatioF();
    renderModelFrame(*m_frame, qRound(width() * ratio), qRound(height() * ratio));
    ++m_modelFrames;
}

void TModelPanel::paintFace()
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    qDrawShadePanel(&painter, rect(), palette(), true, 1);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect().adjusted(2, 2, -2, -2), Qt::AlignCenter | Qt::TextWordWrap, m_caption);
}

TTrackBar::TTrackBar(Qt::Orientation orientation, QWidget *parent) : QSlider(orientation, parent)
{
    setRange(-100, 100);
    setValue(0);
    setSingleStep(1);
    setPageStep(2);
    setTickPosition(QSlider::NoTicks);
}

void TTrackBar::setHint(const QString &hint)
{
    m_hint = hint;
    setToolTip(m_showHint ? m_hint : QString());
}

void TTrackBar::setShowHint(bool show)
{
    m_showHint = show;
    setToolTip(m_showHint ? m_hint : QString());
}

} // namespace solid
