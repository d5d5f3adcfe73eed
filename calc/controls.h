// Controls shared by the calculator screens.
#pragma once

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

namespace calc {

// A picture control: draws its picture stretched over the whole control, or
// once at natural size in the top-left corner.
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
};

// The answer line. Its text is set through setCaption, which announces the
// change; hovering copies the text into the tooltip.
class TAnswerLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TAnswerLabel(const QString &text, QWidget *parent = nullptr);
    void setCaption(const QString &text);

signals:
    void captionChanged(const QString &text);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
};

// The editable rounding list: items "0" to "10", text "0", never adds what
// is typed as an item.
QComboBox *makeRoundingList(QWidget *parent, const QString &objectName);

// The rounding digits: the whole number of the list's text, negative counts
// taken as 0; nothing when the text is not a whole number.
std::optional<int> roundingDigits(const QComboBox *list);

}  // namespace calc
