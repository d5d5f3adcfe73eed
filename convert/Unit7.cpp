#include "Unit7.h"

#include "quantities.h"

TForm7 *Form7 = nullptr;

TForm7::TForm7(const calc::Context &context) : ConversionScreen(convert::mass(), QSize(377, 246), QPoint(232, 254), context)
{
    setObjectName(QStringLiteral("Form7"));
}
