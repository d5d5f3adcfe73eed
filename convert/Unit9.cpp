#include "Unit9.h"

#include "quantities.h"

TForm9 *Form9 = nullptr;

TForm9::TForm9(const calc::Context &context) : ConversionScreen(convert::temperature(), QSize(386, 237), QPoint(301, 236), context)
{
    setObjectName(QStringLiteral("Form9"));
    Label7->setText(QStringLiteral("нулей после запятой."));
    Label7->adjustSize();
}
