// The controls of the model view: the drawing area and the track bars.
#pragma once

#include "model.h"

#include <QOpenGLWidget>
#include <QSlider>

#include <optional>

namespace solid {

// The drawing area. It shows either the last model frame it was given or,
// until then and after every change of its caption, its plain face with the
// caption centred.
class TModelPanel : public QOpenGLWidget
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
public:
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

    // Double-buffered RGBA, 24 colour bits, a depth buffer, no alpha or
    // stencil, in a compatibility context that keeps the fixed-function
    // pipeline.
    static QSurfaceFormat surfaceFormat();

protected:
    void paintGL() override;

private:
    void paintFace();

    QString m_caption;
    std::optional<ModelFrame> m_frame;
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
