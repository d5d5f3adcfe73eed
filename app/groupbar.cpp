#include "groupbar.h"

#include "screen.h"

#include <QEnterEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <algorithm>

namespace {

QColor adjusted(const QColor &colour, int amount)
{
    auto channel = [amount](int value) { return std::clamp(value + amount, 0, 255); };
    return QColor(channel(colour.red()), channel(colour.green()), channel(colour.blue()));
}

const QColor kCaptionText(0, 0, 128);
const QColor kItemText(0, 0, 160);
const QColor kItemHover(0, 64, 255);
const QColor kDisabledText(128, 128, 128);

void drawFocus(QWidget *widget, QPainter &painter, const QRect &rect)
{
    QStyleOptionFocusRect option;
    option.initFrom(widget);
    option.rect = rect;
    widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, widget);
}

}  // namespace

TRzGroupCaption::TRzGroupCaption(const QString &text, QWidget *parent) : QAbstractButton(parent)
{
    setText(text);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setFont(calc::arial(11, true));
}

QSize TRzGroupCaption::sizeHint() const { return {120, TRzGroup::kCaptionHeight}; }

void TRzGroupCaption::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const auto *group = qobject_cast<TRzGroup *>(parentWidget());
    const QColor base = palette().color(QPalette::Button);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, adjusted(base, 30));
    gradient.setColorAt(1, adjusted(base, -30));
    painter.fillRect(rect(), gradient);

    painter.setPen(isEnabled() ? kCaptionText : kDisabledText);
    painter.setFont(font());
    const QRect textRect = rect().adjusted(8, 0, -22, 0);
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft, text());

    // A chevron on the right: pointing up when opened, down when closed.
    const bool isOpened = group && group->opened();
    const QPointF centre(width() - 12, height() / 2.0);
    QPainterPath chevron;
    const double dy = isOpened ? 2 : -2;
    chevron.moveTo(centre.x() - 4, centre.y() + dy);
    chevron.lineTo(centre.x(), centre.y() - dy);
    chevron.lineTo(centre.x() + 4, centre.y() + dy);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kCaptionText, 1.6));
    painter.drawPath(chevron);

    if (hasFocus())
        drawFocus(this, painter, rect().adjusted(2, 2, -2, -2));
}

TRzGroupItem::TRzGroupItem(const QString &text, QWidget *parent) : QAbstractButton(parent)
{
    setText(text);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setFont(calc::arial(11));
}

QSize TRzGroupItem::sizeHint() const { return {120, TRzGroup::kItemHeight}; }

void TRzGroupItem::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void TRzGroupItem::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void TRzGroupItem::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QFont font = this->font();
    const bool hot = isEnabled() && (m_hovered || isDown());
    font.setUnderline(hot);
    painter.setFont(font);
    painter.setPen(!isEnabled() ? kDisabledText : hot ? kItemHover : kItemText);
    const QRect textRect = rect().adjusted(12, 0, -4, 0);
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                     fontMetrics().elidedText(text(), Qt::ElideRight, textRect.width()));
    if (hasFocus()) {
        const int width = std::min(textRect.width(), QFontMetrics(font).horizontalAdvance(text())) + 6;
        drawFocus(this, painter, QRect(textRect.left() - 3, 2, width, height() - 4));
    }
}

TRzGroup::TRzGroup(const QString &caption, const QColor &colour, QWidget *parent)
    : QWidget(parent), m_caption(new TRzGroupCaption(caption, this)), m_colour(colour)
{
    QPalette captionPalette = m_caption->palette();
    captionPalette.setColor(QPalette::Button, QColor(166, 202, 240));
    m_caption->setPalette(captionPalette);
    m_caption->setGeometry(0, 0, width(), kCaptionHeight);
    connect(m_caption, &QAbstractButton::clicked, this, [this] { setOpened(!m_opened); });
}

QString TRzGroup::caption() const { return m_caption->text(); }

TRzGroupItem *TRzGroup::addItem(const QString &caption, const QString &objectName)
{
    auto *item = new TRzGroupItem(caption, this);
    item->setObjectName(objectName);
    // Tab goes from the caption bar through the group's items.
    QWidget::setTabOrder(m_items.empty() ? static_cast<QWidget *>(m_caption) : m_items.back(), item);
    m_items.push_back(item);
    placeItems();
    return item;
}

void TRzGroup::placeItems()
{
    m_caption->setGeometry(0, 0, width(), kCaptionHeight);
    for (std::size_t k = 0; k < m_items.size(); ++k) {
        m_items[k]->setGeometry(0, kCaptionHeight + 4 + kItemHeight * int(k), width(), kItemHeight);
        m_items[k]->setVisible(m_opened);
    }
}

void TRzGroup::setOpened(bool opened)
{
    if (m_opened == opened)
        return;
    m_opened = opened;
    placeItems();
    if (opened)
        emit groupOpened();
    else
        emit groupClosed();
    if (auto *bar = qobject_cast<TRzGroupBar *>(parentWidget()))
        bar->layoutGroups();
    m_caption->update();
}

void TRzGroup::resizeEvent(QResizeEvent *) { placeItems(); }

void TRzGroup::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_colour);
    painter.setPen(adjusted(m_colour, -60));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

TRzGroupBar::TRzGroupBar(QWidget *parent) : QWidget(parent) {}

TRzGroup *TRzGroupBar::addGroup(const char *objectName, const QString &caption, const QColor &colour, bool opened)
{
    auto *group = new TRzGroup(caption, colour, this);
    group->setObjectName(QLatin1String(objectName));
    // The start state is the bar's own layout: no handlers run for it.
    group->blockSignals(true);
    group->setOpened(opened);
    group->blockSignals(false);
    m_groups.push_back(group);
    layoutGroups();
    return group;
}

void TRzGroupBar::layoutGroups()
{
    int y = kBorder;
    const int width = this->width() - 2 * kBorder;
    for (TRzGroup *group : m_groups) {
        const int height = group->opened() ? group->openedHeight() : TRzGroup::kCaptionHeight;
        group->setGeometry(kBorder, y, width, height);
        y += height + kBorder;
    }
}

void TRzGroupBar::resizeEvent(QResizeEvent *) { layoutGroups(); }

void TRzGroupBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, adjusted(m_colour, 30));
    gradient.setColorAt(1, adjusted(m_colour, -30));
    painter.fillRect(rect(), gradient);
}
