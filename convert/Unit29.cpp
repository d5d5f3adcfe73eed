#include "Unit29.h"

#include "quantities.h"

TForm29 *Form29 = nullptr;

TForm29::TForm29(const calc::Context &context)
    : ConversionScreen(convert::solidVolume(), QSize(377, 246), QPoint(316, 254), context, convert::measuresLayout())
{
    setObjectName(QStringLiteral("Form29"));
}
