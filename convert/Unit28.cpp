#include "Unit28.h"

#include "quantities.h"

TForm28 *Form28 = nullptr;

TForm28::TForm28(const calc::Context &context)
    : ConversionScreen(convert::areaMeasures(), QSize(377, 246), QPoint(322, 247), context, convert::measuresLayout())
{
    setObjectName(QStringLiteral("Form28"));
}
