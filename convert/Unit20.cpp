#include "Unit20.h"

#include "quantities.h"

TForm20 *Form20 = nullptr;

TForm20::TForm20(const calc::Context &context) : ConversionScreen(convert::speed(), QSize(386, 237), QPoint(311, 237), context)
{
    setObjectName(QStringLiteral("Form20"));
}
