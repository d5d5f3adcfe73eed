#include "calcscreen.h"

#include "appearance.h"
#include "messages.h"
#include "qtnumbers.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>
#include <cmath>

namespace calc {

QFont arial(int pixelHeight, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

CalcScreen::CalcScreen(const QString &caption, QSize clientSize, QPoint position)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(caption);
    setFont(arial(11));
    setFixedSize(clientSize);
    move(position);

    Image1 = new TImage(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, clientSize.width(), clientSize.height());
    Image1->lower();

    // The Enter key: an item of an invisible menu of a hidden menu bar. The
    // action is also added to the screen itself so that its shortcut is live
    // whichever control has the focus.
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu1->hide();
    grgrt1 = MainMenu1->addMenu(QStringLiteral("grgrt"));
    grgrt1->setObjectName(QStringLiteral("grgrt1"));
    grgrt1->menuAction()->setVisible(false);
    jkujk1 = grgrt1->addAction(QStringLiteral("jkujk"));
    jkujk1->setObjectName(QStringLiteral("jkujk1"));
    jkujk1->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    jkujk1->setShortcutContext(Qt::WindowShortcut);
    addAction(jkujk1);
    connect(jkujk1, &QAction::triggered, this, &CalcScreen::jkujk1Click);
}

void CalcScreen::jkujk1Click()
{
    if (m_computeButton)
        m_computeButton->click();
}

void CalcScreen::FormShow()
{
    const Appearance &appearance = Appearance::instance();
    Image1->setPicture(appearance.background());
    Image1->setStretch(appearance.stretch());
}

void CalcScreen::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QWidget::showEvent(event);
}

void CalcScreen::Timer1Timer()
{
    if (Label4 && Label4->text() == QStringLiteral("Ответ: NAN")) {
        Label4->setCaption(QStringLiteral("Русский: Ошибка! English: Error!"));
        showMessage(m_nanMessage);
    }
}

void CalcScreen::watchForNan(const QString &message)
{
    m_nanMessage = message;
    // Queued, so the answer is on screen (and any message of the click is
    // open) before the watch replaces it.
    connect(Label4, &TAnswerLabel::captionChanged, this, &CalcScreen::Timer1Timer, Qt::QueuedConnection);
}

QLabel *CalcScreen::addLabel(const char *name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setWordWrap(true);
    return label;
}

QLineEdit *CalcScreen::addEdit(const char *name, const QRect &geometry)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(geometry);
    return edit;
}

QComboBox *CalcScreen::addModeList(const char *name, const QStringList &items, const QRect &geometry)
{
    auto *list = new QComboBox(this);
    list->setObjectName(QLatin1String(name));
    list->addItems(items);
    list->setCurrentIndex(0);
    list->setGeometry(geometry);
    return list;
}

QPushButton *CalcScreen::addComputeButton(const char *name, const QString &text, const QRect &geometry)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    m_computeButton = button;
    return button;
}

QComboBox *CalcScreen::addRoundingRow(const char *listName, int x, int y)
{
    QLabel *before = addLabel("Label6", QStringLiteral("Округлить до:"), QRect(x, y + 3, 80, 16));
    before->setWordWrap(false);
    before->adjustSize();
    const int listX = x + before->width() + 8;
    m_roundingList = makeRoundingList(this, QLatin1String(listName));
    m_roundingList->setGeometry(listX, y, 52, 21);
    QLabel *after = addLabel("Label7", QStringLiteral("нулей после запятой"), QRect(listX + 60, y + 3, 140, 16));
    after->setWordWrap(false);
    after->adjustSize();
    return m_roundingList;
}

TAnswerLabel *CalcScreen::addAnswerLabel(const QString &text, const QRect &geometry, int pixelHeight)
{
    Label4 = new TAnswerLabel(text, this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setFont(arial(pixelHeight));
    Label4->setGeometry(geometry);
    return Label4;
}

std::optional<double> CalcScreen::readInput(const Input &input)
{
    if (input.type == InputType::Whole) {
        const auto whole = StrToInt(input.field->text());
        if (!whole)
            return std::nullopt;
        return double(*whole);
    }
    return StrToFloat(input.field->text(), decimalSeparator());
}

void CalcScreen::computePositive(const std::vector<Input> &inputs, const Formula &formula,
                                 const QString &conversionFailure, const QString &invalid)
{
    std::vector<double> values;
    values.reserve(inputs.size());
    for (const Input &input : inputs) {
        const auto value = readInput(input);
        if (!value) {
            showMessage(conversionFailure);
            return;
        }
        values.push_back(*value);
    }
    const bool anyPositive = std::any_of(values.begin(), values.end(), [](double v) { return v > 0; });
    const bool allPositive = std::all_of(values.begin(), values.end(), [](double v) { return v > 0; });
    if (anyPositive) {
        const double area = std::fabs(formula(values));
        const auto digits = roundingDigits(m_roundingList);
        if (!digits) {
            showMessage(conversionFailure);
            return;
        }
        Label4->setCaption(kAnswerPrefix + FloatToStrF(area, *digits, decimalSeparator()));
    }
    if (!allPositive)
        showMessage(invalid);
}

}  // namespace calc
