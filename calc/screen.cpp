#include "screen.h"

#include "access.h"
#include "answertext.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace calc {

QFont arial(int pixelHeight, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

Screen::Screen(const ScreenFrame &frame, const Context &context)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_context(context)
{
    setWindowTitle(frame.caption);
    setFont(arial(11));
    if (frame.resizable)
        resize(frame.clientSize);
    else
        setFixedSize(frame.clientSize);
    move(frame.position);
    m_background = addBackground(this, frame.background);
}

void Screen::FormShow() { copyBackground(m_background); }

void Screen::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QWidget::showEvent(event);
}

void Screen::jkujk1Click()
{
    if (m_enterTarget)
        m_enterTarget->click();
}

QAction *Screen::addEnterItem(QAbstractButton *target, const char *itemName)
{
    m_enterTarget = target;
    MainMenu1 = new QObject(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    grgrt1 = new QObject(MainMenu1);
    grgrt1->setObjectName(QStringLiteral("grgrt1"));
    grgrt1->setProperty("text", QStringLiteral("grgrt"));
    auto *item = new QAction(QString::fromLatin1(itemName).chopped(1), grgrt1);
    item->setObjectName(QLatin1String(itemName));
    item->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    item->setShortcutContext(Qt::WindowShortcut);
    // Added to the screen too, so the shortcut is live whatever has the focus.
    addAction(item);
    if (qstrcmp(itemName, "jkujk1") == 0) {
        jkujk1 = item;
        connect(item, &QAction::triggered, this, &Screen::jkujk1Click);
    }
    return item;
}

QLabel *Screen::addLabel(const char *name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setWordWrap(true);
    return label;
}

QLineEdit *Screen::addEdit(const char *name, const QRect &geometry)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(geometry);
    return edit;
}

QComboBox *Screen::addModeList(const char *name, const QStringList &items, const QRect &geometry)
{
    auto *list = new QComboBox(this);
    list->setObjectName(QLatin1String(name));
    list->addItems(items);
    list->setCurrentIndex(0);
    list->setGeometry(geometry);
    return list;
}

QPushButton *Screen::addButton(const char *name, const QString &text, const QRect &geometry)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    return button;
}

QComboBox *Screen::addRoundingRow(const char *listName, int x, int y)
{
    QLabel *before = addLabel("Label6", QStringLiteral("Округлить до:"), QRect(x, y + 3, 80, 16));
    before->setWordWrap(false);
    before->adjustSize();
    const int listX = x + before->width() + 8;
    QComboBox *list = makeRoundingList(this, QLatin1String(listName));
    list->setGeometry(listX, y, 52, 21);
    QLabel *after = addLabel("Label7", QStringLiteral("нулей после запятой"), QRect(listX + 60, y + 3, 140, 16));
    after->setWordWrap(false);
    after->adjustSize();
    return list;
}

TAnswerLabel *Screen::addAnswerLabel(const QString &text, const QRect &geometry, int pixelHeight)
{
    Label4 = new TAnswerLabel(text, this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setFont(arial(pixelHeight));
    Label4->setGeometry(geometry);
    return Label4;
}

TNanWatch *Screen::watchForNan(const QString &message) { return new TNanWatch(Label4, message, m_context, this); }

void Screen::showOutcome(const Outcome &outcome)
{
    for (const QString &text : outcome.messages)
        message(text);
    if (outcome.answer && Label4)
        Label4->setCaption(*outcome.answer);
    for (const QString &text : outcome.messagesAfter)
        message(text);
}

QString Screen::answer() const
{
    if (m_resultLines.empty())
        return Label4 ? answerNumber(Label4->text()) : QString();
    QStringList lines;
    for (const ResultLine &line : m_resultLines)
        if (!line.label->isHidden() && !line.label->text().trimmed().isEmpty() &&
            line.label->text() != line.startText)
            lines << line.label->text();
    return lines.join(u'\n');
}

void Screen::setResultLines(const std::vector<QLabel *> &lines)
{
    m_resultLines.clear();
    for (QLabel *label : lines) {
        m_resultLines.push_back({label, label->text()});
        label->setProperty(kResultLine, true);
        offerAnswerCopy(label);
    }
}

}  // namespace calc
