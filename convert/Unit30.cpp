#include "Unit30.h"

#include "quantities.h"

TForm30 *Form30 = nullptr;

TForm30::TForm30(const calc::Context &context)
    : ConversionScreen(convert::liquidVolume(), QSize(377, 246), QPoint(309, 249), context, convert::measuresLayout())
{
    setObjectName(QStringLiteral("Form30"));
}
