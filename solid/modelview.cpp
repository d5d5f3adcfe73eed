#include "modelview.h"

#include "modelrenderer.h"

#include <QEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>
#include <QPainter>
#include <qdrawutil.h>

namespace solid {

// The OpenGL surface that fills the drawing area where OpenGL works.
class ModelSurface : public QOpenGLWidget
{
public:
    explicit ModelSurface(TModelPanel *panel) : QOpenGLWidget(panel), m_panel(panel)
    {
        setFormat(TModelPanel::surfaceFormat());
        // Right clicks reach the panel and its colour menu.
        setContextMenuPolicy(Qt::NoContextMenu);
    }

protected:
    void paintGL() override
    {
        const qreal ratio = devicePixelRatioF();
        m_panel->paintSurface(this, qRound(width() * ratio), qRound(height() * ratio));
    }

private:
    TModelPanel *m_panel;
};

const QString TModelPanel::kNoOpenGL = QStringLiteral("Трёхмерная модель недоступна: OpenGL не работает");

TModelPanel::TModelPanel(QWidget *parent) : QWidget(parent) {}

bool TModelPanel::event(QEvent *event)
{
    // Polished just before its window is first made, the panel decides then
    // whether it draws with OpenGL, so the question costs nothing at start-up.
    if (event->type() == QEvent::Polish && !m_decided) {
        m_decided = true;
        if (openGLUsable()) {
            m_surface = new ModelSurface(this);
            m_surface->setGeometry(rect());
        }
    }
    return QWidget::event(event);
}

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

bool TModelPanel::openGLUsable()
{
    // Without a working OpenGL (no GL integration, a broken driver) a window
    // holding an OpenGL surface cannot even be shown: ask before making one.
    static const bool usable = [] {
        QOpenGLContext context;
        context.setFormat(surfaceFormat());
        if (!context.create())
            return false;
        QOffscreenSurface surface;
        surface.setFormat(context.format());
        surface.create();
        if (!surface.isValid() || !context.makeCurrent(&surface))
            return false;
        const bool drawing = context.functions()->glGetString(GL_VERSION) != nullptr;
        context.doneCurrent();
        return drawing;
    }();
    return usable;
}

void TModelPanel::setCaption(const QString &caption)
{
    if (caption == m_caption && !m_frame && !m_unavailable)
        return; // the face already shows it
    m_caption = caption;
    showFace();
}

void TModelPanel::showFace()
{
    m_frame.reset();
    m_unavailable = false;
    refresh();
}

void TModelPanel::drawModel(ModelFrame frame)
{
    if (!m_surface) {
        m_unavailable = true;
        refresh();
        return;
    }
    m_frame = std::move(frame);
    refresh();
}

void TModelPanel::refresh()
{
    if (m_surface)
        m_surface->update();
    else
        update();
}

QImage TModelPanel::grabFramebuffer()
{
    return m_surface ? m_surface->grabFramebuffer() : grab().toImage();
}

void TModelPanel::resizeEvent(QResizeEvent *event)
{
    if (m_surface)
        m_surface->setGeometry(rect());
    QWidget::resizeEvent(event);
}

void TModelPanel::paintEvent(QPaintEvent *)
{
    if (!m_surface)
        paintFace(this);
}

void TModelPanel::paintSurface(QPaintDevice *device, int width, int height)
{
    if (!m_frame) {
        paintFace(device);
        return;
    }
    renderModelFrame(*m_frame, width, height);
    ++m_modelFrames;
}

void TModelPanel::paintFace(QPaintDevice *device)
{
    QPainter painter(device);
    painter.fillRect(rect(), palette().window());
    qDrawShadePanel(&painter, rect(), palette(), true, 1);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect().adjusted(2, 2, -2, -2), Qt::AlignCenter | Qt::TextWordWrap, faceText());
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
