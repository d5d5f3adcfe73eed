#include "Unit35.h"

TForm35 *Form35 = nullptr;

TForm35::TForm35(const calc::Context &context)
    : LookupScreen(reference::rivers(),
                   reference::singleValue(QSize(392, 246), QPoint(288, 243), "RzComboBox4", "Label5"),
                   context)
{
    setObjectName(QStringLiteral("Form35"));
}
