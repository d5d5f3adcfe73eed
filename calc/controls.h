// Controls shared by the screens.
#pragma once

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

class QAbstractScrollArea;

namespace calc {

struct Context;

// A picture control: draws its picture stretched over the whole control, or
// once at natural size in the top-left corner. A picture drawn at a device
// pixel ratio (QImage::devicePixelRatio) has its size divided by it; a
// stretched picture is scaled to the screen's pixels, not to the control's.
class TImage : public QWidget
{
    Q_OBJECT
public:
    explicit TImage(QWidget *parent = nullptr);

    QImage picture() const { return m_picture; }
    bool stretch() const { return m_stretch; }
    void setPicture(const QImage &picture);
    void setStretch(bool stretch);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QImage m_picture;
    bool m_stretch = true;
    QPixmap m_cache;  // the picture as drawn at the current size
    qreal m_cacheRatio = 1;  // and the screen's pixel ratio
};

// A window's background holder: a picture control under every other control
// that fills the window, also when the window changes size.
TImage *addBackground(QWidget *window, const QString &name);
// Copies the current background picture and stretch flag into a holder.
void copyBackground(TImage *holder);

// The answer line. Its text is set through setCaption, which announces the
// change to screen readers; hovering copies the text into the tooltip; its
// context menu copies the answer.
class TAnswerLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TAnswerLabel(const QString &text, QWidget *parent = nullptr);
    void setCaption(const QString &text);
    // Whether hovering copies the line into the tooltip (on unless a screen
    // has no answer hint).
    void setHint(bool on);

public slots:
    void Label4MouseMove();

signals:
    void captionChanged(const QString &text);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    bool m_hint = true;
};

// The "NAN" watch of an answer line: when the line reads "Ответ: NAN", it
// becomes "Русский: Ошибка! English: Error!" and the watch's message is
// shown, once per such answer. It follows the line's changes instead of
// polling.
class TNanWatch : public QObject
{
    Q_OBJECT
public:
    TNanWatch(TAnswerLabel *answer, const QString &message, const Context &context, QObject *parent);
    QString message() const { return m_message; }

public slots:
    void Timer1Timer();

private:
    TAnswerLabel *m_answer;
    QString m_message;
    const Context &m_context;
};

// The editable rounding list: items "0" to "10", text "0", never adds what
// is typed as an item.
QComboBox *makeRoundingList(QWidget *parent, const QString &objectName);

// Keeps a framed list's or text box's frame whole at fractional scales
// (150 %): the area itself is filled with the base colour and its frame
// drawn, and the inner viewport, which would otherwise paint over the
// frame's last row and column of pixels there, fills nothing of its own.
// Looks the same at whole scales.
void keepFrameWhole(QAbstractScrollArea *area);
// The same for every framed scroll area of a window.
void keepFramesWhole(QWidget *window);

}  // namespace calc
