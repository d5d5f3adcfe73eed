#include "controls.h"

#include "access.h"
#include "appearance.h"
#include "context.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QLineEdit>
#include <QPainter>

namespace calc {

namespace {

const QString kNanAnswer = QStringLiteral("Ответ: NAN");
const QString kNanCaption = QStringLiteral("Русский: Ошибка! English: Error!");

// Keeps a background holder the size of its window.
class FillWindow : public QObject
{
public:
    FillWindow(TImage *holder, QWidget *window) : QObject(holder), m_holder(holder)
    {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            m_holder->setGeometry(m_holder->parentWidget()->rect());
        return false;
    }

private:
    TImage *m_holder;
};

}  // namespace

TImage::TImage(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TImage::setPicture(const QImage &picture)
{
    m_picture = picture;
    m_cache = QPixmap();
    update();
}

void TImage::setStretch(bool stretch)
{
    if (m_stretch == stretch)
        return;
    m_stretch = stretch;
    m_cache = QPixmap();
    update();
}

void TImage::resizeEvent(QResizeEvent *)
{
    m_cache = QPixmap();
}

void TImage::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    const qreal ratio = devicePixelRatioF();
    if (m_cache.isNull() || m_cacheRatio != ratio) {
        if (m_stretch) {
            // Scaled to the control in the screen's own pixels, so that it
            // is as sharp as the screen allows at any scale.
            m_cache = QPixmap::fromImage(
                m_picture.scaled(size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            m_cache.setDevicePixelRatio(ratio);
        } else {
            // At natural size: a picture drawn at a device pixel ratio takes
            // its own size on the screen.
            m_cache = QPixmap::fromImage(m_picture);
        }
        m_cacheRatio = ratio;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_cache);
}

TImage *addBackground(QWidget *window, const QString &name)
{
    auto *holder = new TImage(window);
    holder->setObjectName(name);
    holder->setGeometry(window->rect());
    holder->lower();
    new FillWindow(holder, window);
    return holder;
}

void copyBackground(TImage *holder)
{
    const Appearance &appearance = Appearance::instance();
    holder->setPicture(appearance.background());
    holder->setStretch(appearance.stretch());
}

TAnswerLabel::TAnswerLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setMouseTracking(true);
    offerAnswerCopy(this);
}

void TAnswerLabel::setCaption(const QString &text)
{
    // A label is read by its text: QLabel tells screen readers of the new
    // name, the new answer, itself.
    setText(text);
    emit captionChanged(text);
}

void TAnswerLabel::Label4MouseMove() { setToolTip(text()); }

void TAnswerLabel::setHint(bool on)
{
    m_hint = on;
    setMouseTracking(on);
}

void TAnswerLabel::mouseMoveEvent(QMouseEvent *event)
{
    if (m_hint)
        Label4MouseMove();
    QLabel::mouseMoveEvent(event);
}

TNanWatch::TNanWatch(TAnswerLabel *answer, const QString &message, const Context &context, QObject *parent)
    : QObject(parent), m_answer(answer), m_message(message), m_context(context)
{
    setObjectName(QStringLiteral("Timer1"));
    // Queued, so the answer is on screen (and any message of the click is
    // open) before the watch replaces it.
    connect(answer, &TAnswerLabel::captionChanged, this, &TNanWatch::Timer1Timer, Qt::QueuedConnection);
}

void TNanWatch::Timer1Timer()
{
    if (m_answer->text() == kNanAnswer) {
        m_answer->setCaption(kNanCaption);
        m_context.showMessage(m_message);
    }
}

QComboBox *makeRoundingList(QWidget *parent, const QString &objectName)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(objectName);
    // Editable through a line edit of its own: setEditable would also build
    // the drop-down's popup at once, a cost every screen would pay at
    // start-up; the popup is made when it first opens.
    list->setLineEdit(new QLineEdit(list));
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    for (int digits = 0; digits <= 10; ++digits)
        list->addItem(QString::number(digits));
    list->setCurrentIndex(0);
    list->lineEdit()->setText(QStringLiteral("0"));
    return list;
}

void keepFrameWhole(QAbstractScrollArea *area)
{
    if (area->frameShape() == QFrame::NoFrame || !area->viewport()->autoFillBackground())
        return;
    area->setBackgroundRole(area->viewport()->backgroundRole());
    area->setAutoFillBackground(true);
    area->viewport()->setAutoFillBackground(false);
}

void keepFramesWhole(QWidget *window)
{
    for (QAbstractScrollArea *area : window->findChildren<QAbstractScrollArea *>())
        if (area->window() == window)
            keepFrameWhole(area);
}

}  // namespace calc
