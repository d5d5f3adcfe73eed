#include "infoscreens.h"

#include "appearance.h"
#include "calcscreen.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

namespace {

TRzURLLabel::Opener &opener()
{
    static TRzURLLabel::Opener current;
    return current;
}

}  // namespace

TRzURLLabel::TRzURLLabel(const QString &text, const QUrl &target, QWidget *parent)
    : QLabel(text, parent), m_target(target)
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

TRzURLLabel::Opener TRzURLLabel::setOpener(Opener next)
{
    Opener previous = std::move(opener());
    opener() = std::move(next);
    return previous;
}

void TRzURLLabel::openTarget()
{
    if (opener())
        opener()(m_target);
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

InfoScreen::InfoScreen(const QString &caption, QSize clientSize)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(caption);
    setFont(calc::arial(11));
    setFixedSize(clientSize);
    setModal(true);
    Image1 = new calc::TImage(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(rect());
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

void InfoScreen::FormShow()
{
    const auto &appearance = calc::Appearance::instance();
    Image1->setPicture(appearance.background());
    Image1->setStretch(appearance.stretch());
}

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
