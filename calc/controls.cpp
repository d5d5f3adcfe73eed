#include "controls.h"

#include "qtnumbers.h"

#include <QLineEdit>
#include <QPainter>

#include <algorithm>

namespace calc {

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
    if (m_cache.isNull()) {
        if (m_stretch)
            m_cache = QPixmap::fromImage(
                m_picture.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        else
            m_cache = QPixmap::fromImage(m_picture);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_cache);
}

TAnswerLabel::TAnswerLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setMouseTracking(true);
}

void TAnswerLabel::setCaption(const QString &text)
{
    setText(text);
    emit captionChanged(text);
}

void TAnswerLabel::mouseMoveEvent(QMouseEvent *event)
{
    setToolTip(text());
    QLabel::mouseMoveEvent(event);
}

QComboBox *makeRoundingList(QWidget *parent, const QString &objectName)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(objectName);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    list->addItems({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                    QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"),
                    QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("10")});
    list->setCurrentIndex(0);
    list->lineEdit()->setText(QStringLiteral("0"));
    return list;
}

std::optional<int> roundingDigits(const QComboBox *list)
{
    const auto digits = StrToInt(list->currentText());
    if (!digits)
        return std::nullopt;
    return std::max(*digits, 0);
}

}  // namespace calc
