#include "Unit20.h"

#include "quantities.h"

TForm20 *Form20 = nullptr;

TForm20::TForm20() : ConversionScreen(convert::speed(), QSize(386, 237), QPoint(311, 237))
{
    setObjectName(QStringLiteral("Form20"));
}
