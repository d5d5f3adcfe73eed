// The controls of the model view: the drawing area and the track bars.
#pragma once

#include "model.h"

#include <QImage>
#include <QSlider>
#include <QSurfaceFormat>
#include <QWidget>

#include <optional>

namespace solid {

class ModelSurface;

// The drawing area. It shows either the last model frame it was given or,
// until then and after every change of its caption, its plain face with the
// caption centred. Where OpenGL does not work it makes no OpenGL surface at
// all, and shows kNoOpenGL on its face in place of a model.
class TModelPanel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
public:
    static const QString kNoOpenGL;

    explicit TModelPanel(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    // Shows the plain face with the new caption.
    void setCaption(const QString &caption);
    // Shows the plain face, dropping the last frame.
    void showFace();
    // Draws the frame at the next paint, from scratch, and keeps it until
    // the next frame or face.
    void drawModel(ModelFrame frame);
    // Whether the model or the face is shown.
    bool showsModel() const { return m_frame.has_value(); }
    // How many model frames have been drawn since creation.
    int modelFrames() const { return m_modelFrames; }
    // The text on the face: the caption, or kNoOpenGL where a model was asked for.
    QString faceText() const { return m_unavailable ? kNoOpenGL : m_caption; }
    // What the panel shows, as an image.
    QImage grabFramebuffer();

    // Double-buffered RGBA, 24 colour bits, a depth buffer, no alpha or
    // stencil, in a compatibility context that keeps the fixed-function
    // pipeline.
    static QSurfaceFormat surfaceFormat();
    // Whether a context of that format can be made current here; asked once.
    static bool openGLUsable();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class ModelSurface;
    // Paints on the OpenGL surface: the model frame, or the face.
    void paintSurface(QPaintDevice *device, int width, int height);
    void paintFace(QPaintDevice *device);
    void refresh();

    bool m_decided = false;             // whether to draw with OpenGL
    ModelSurface *m_surface = nullptr;  // none without OpenGL
    QString m_caption;
    std::optional<ModelFrame> m_frame;
    bool m_unavailable = false;  // a model was asked for without OpenGL
    int m_modelFrames = 0;
};

// A track bar whose hint is shown as its tooltip only when asked to.
class TTrackBar : public QSlider
{
    Q_OBJECT
    Q_PROPERTY(QString hint READ hint WRITE setHint)
    Q_PROPERTY(bool showHint READ showHint WRITE setShowHint)
public:
    TTrackBar(Qt::Orientation orientation, QWidget *parent = nullptr);

    QString hint() const { return m_hint; }
    void setHint(const QString &hint);
    bool showHint() const { return m_showHint; }
    void setShowHint(bool show);

private:
    QString m_hint;
    bool m_showHint = false;
};

} // namespace solid
