#include "Unit39.h"

TForm39 *Form39 = nullptr;

TForm39::TForm39(const calc::Context &context)
    : Screen({QStringLiteral("Десятичные приставки в СИ"), QSize(337, 414), QPoint(306, 159)}, context)
{
    setObjectName(QStringLiteral("Form39"));
    Label12 = addLabel("Label12", QStringLiteral("Десятичные приставки в СИ"), QRect(20, 6, 296, 20));
    Label12->setFont(calc::arial(15, true));
    Label12->setAlignment(Qt::AlignCenter);
    Label1 = addLabel("Label1", QStringLiteral("Больше единицы"), QRect(20, 32, 296, 18));
    Label2 = addLabel("Label2", QStringLiteral("Меньше единицы"), QRect(20, 226, 296, 18));
    for (QLabel *label : {Label1, Label2})
        label->setFont(calc::arial(13, true));

    Image2 = new reference::PrefixTable(reference::largePrefixes(), this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(20, 54, 296, 166);
    Image3 = new reference::PrefixTable(reference::smallPrefixes(), this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setGeometry(20, 247, 296, 165);
}
