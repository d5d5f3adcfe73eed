#include "areascreen.h"

#include <QPushButton>

namespace area {

AreaScreen::AreaScreen(const QString &caption, QSize clientSize, QPoint position, const QString &title,
                       int titlePixelHeight)
    : CalcScreen(caption, clientSize, position)
{
    Label1 = addLabel("Label1", title, QRect(0, 10, clientSize.width(), 20));
    Label1->setFont(calc::arial(titlePixelHeight));
    Label1->setAlignment(Qt::AlignCenter);
}

QLabel *AreaScreen::rowCaption(const char *name, const QString &text, int y, int lines)
{
    constexpr int lineHeight = 14;
    const int height = lineHeight * lines;
    return addLabel(name, text, QRect(16, y + 10 - height / 2, lines > 1 ? 112 : fieldX() - 24, height));
}

QLineEdit *AreaScreen::rowField(const char *name, int y)
{
    return addEdit(name, QRect(fieldX(), y, kFieldWidth, 21));
}

QComboBox *AreaScreen::rowModeList(const char *name, const QStringList &modes, int y)
{
    return addModeList(name, modes, QRect(fieldX(), y, kFieldWidth, 21));
}

void AreaScreen::addBottom(int y)
{
    RzComboBox2 = addRoundingRow("RzComboBox2", 16, y);
    Button2 = addComputeButton("Button2", QStringLiteral("Рассчитать"), QRect(16, y + 34, 110, 25));
    addAnswerLabel(QStringLiteral("Ответ:"), QRect(16, y + 70, width() - 32, 24), 16);
}

}  // namespace area
