#include "Unit21.h"

#include "quantities.h"

TForm21 *Form21 = nullptr;

TForm21::TForm21(const calc::Context &context)
    : ConversionScreen(convert::pressure(), QSize(396, 243), QPoint(284, 259), context, convert::mechanicsLayout())
{
    setObjectName(QStringLiteral("Form21"));
}
