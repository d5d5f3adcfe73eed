#include "infoscreens.h"

#include "screen.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

TRzURLLabel::TRzURLLabel(const QString &text, const QUrl &target, const calc::Context &context, QWidget *parent)
    : QLabel(text, parent), m_target(target), m_context(context)
{
    QFont font = this->font();
    font.setUnderline(true);
    setFont(font);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colours.color(QPalette::Highlight));
    setPalette(colours);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void TRzURLLabel::openTarget()
{
    if (m_context.openLink)
        m_context.openLink(m_target);
    else
        QDesktopServices::openUrl(m_target);
}

void TRzURLLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        openTarget();
    QLabel::mouseReleaseEvent(event);
}

void TRzURLLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openTarget();
        return;
    }
    QLabel::keyPressEvent(event);
}

InfoScreen::InfoScreen(const QString &caption, QSize clientSize, const calc::Context &context)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_context(context)
{
    setWindowTitle(caption);
    setFont(calc::arial(11));
    setFixedSize(clientSize);
    setModal(true);
    Image1 = calc::addBackground(this, QStringLiteral("Image1"));
}

QLabel *InfoScreen::addLabel(const char *name, const QString &text, const QRect &geometry, int pixelHeight,
                             bool bold, const QColor &colour)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    label->setFont(calc::arial(pixelHeight, bold));
    label->setGeometry(geometry);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
    return label;
}

void InfoScreen::FormShow() { calc::copyBackground(Image1); }

void InfoScreen::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        const QScreen *screen = QGuiApplication::primaryScreen();
        if (screen)
            move(screen->availableGeometry().center() - rect().center());
        FormShow();
    }
    QDialog::showEvent(event);
}
