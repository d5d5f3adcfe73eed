#include "areascreen.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>

namespace area {

namespace {
constexpr int kLineHeight = 14;
constexpr int kFieldHeight = 21;
}  // namespace

AreaScreen::AreaScreen(const Figure &figure, const calc::Context &context, Drawing drawing)
    : Screen({figure.caption, figure.clientSize, figure.position}, context), m_figure(figure), m_drawing(drawing)
{
    setObjectName(QLatin1String(figure.objectName));
    const int width = figure.clientSize.width();
    Label1 = addLabel("Label1", figure.title, QRect(0, 10, width, 20));
    Label1->setFont(calc::arial(figure.titlePixelHeight));
    Label1->setAlignment(Qt::AlignCenter);

    const int fieldX = width - figure.fieldWidth - figure.fieldMargin;
    const auto addCaptions = [&](const Row &row) {
        for (const Caption &caption : row.captions) {
            // A line of the screen's font is 14 pixels high; a larger font takes more.
            const int lineHeight = caption.pixelHeight ? std::max(kLineHeight, caption.pixelHeight + 4) : kLineHeight;
            const int height = lineHeight * caption.lines;
            QLabel *label = addLabel(caption.name, caption.text,
                                     QRect(16, row.y + 10 - height / 2, caption.lines > 1 ? 112 : fieldX - 24, height));
            if (caption.pixelHeight)
                label->setFont(calc::arial(caption.pixelHeight));
        }
    };
    const QRect fieldRect(fieldX, 0, figure.fieldWidth, kFieldHeight);
    if (figure.modeRow) {
        addCaptions(*figure.modeRow);
        QStringList items;
        for (const Mode &mode : figure.modes)
            items << mode.item;
        m_modeList = addModeList(figure.modeRow->control, items, fieldRect.translated(0, figure.modeRow->y));
    }
    QLineEdit *first = nullptr;
    for (const Row &row : figure.rows) {
        addCaptions(row);
        QLineEdit *field = addEdit(row.control, fieldRect.translated(0, row.y));
        if (!first)
            first = field;
    }
    if (first)
        first->setFocus();  // typing starts in the first field
    if (!figure.drawing.isEmpty()) {
        Image2 = new calc::TImage(this);
        Image2->setObjectName(QStringLiteral("Image2"));
        Image2->setGeometry(figure.drawing);
        Image2->setStretch(false);
    }

    RzComboBox2 = addRoundingRow("RzComboBox2", 16, figure.bottomY);
    Label6 = control<QLabel>("Label6");
    Label7 = control<QLabel>("Label7");
    Button2 = addButton("Button2", QStringLiteral("Рассчитать"), QRect(16, figure.bottomY + 34, 110, 25));
    addAnswerLabel(QStringLiteral("Ответ:"), QRect(16, figure.bottomY + 70, width - 32, 24), 16);
    addEnterItem(Button2);
    if (!figure.nanMessage.isEmpty())
        Timer1 = watchForNan(figure.nanMessage);
    connect(Button2, &QPushButton::clicked, this, &AreaScreen::Button2Click);

    if (m_modeList)
        m_modeList->setCurrentIndex(figure.startMode);
    showMode();
}

QString AreaScreen::modeText() const { return m_modeList ? m_modeList->currentText() : QString(); }

void AreaScreen::Button2Click()
{
    // Each mode is tested on its own against the list's text.
    const QString text = modeText();
    for (const Mode &mode : m_figure.modes) {
        if (mode.item != text)
            continue;
        std::vector<QString> inputs;
        for (const char *name : mode.inputs)
            inputs.push_back(control<QLineEdit>(name)->text());
        showOutcome(compute(mode, inputs, RzComboBox2->currentText(), separator()));
    }
}

void AreaScreen::showMode()
{
    const Mode *mode = modeFor(m_figure, modeText());
    if (!mode)
        return;
    for (const Mode &each : m_figure.modes)
        for (const char *name : each.shows)
            if (auto *widget = control<QWidget>(name))
                widget->setVisible(std::any_of(mode->shows.begin(), mode->shows.end(),
                                               [name](const char *shown) { return qstrcmp(shown, name) == 0; }));
}

void AreaScreen::showEvent(QShowEvent *event)
{
    // The drawing is made when the screen is first shown, not at start-up.
    if (Image2 && m_drawing && Image2->picture().isNull())
        Image2->setPicture(m_drawing(devicePixelRatioF()));
    Screen::showEvent(event);
}

}  // namespace area
