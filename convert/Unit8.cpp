#include "Unit8.h"

#include "quantities.h"

TForm8 *Form8 = nullptr;

TForm8::TForm8(const calc::Context &context) : ConversionScreen(convert::length(), QSize(396, 246), QPoint(293, 240), context)
{
    setObjectName(QStringLiteral("Form8"));
}
