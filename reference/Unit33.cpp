#include "Unit33.h"

TForm33 *Form33 = nullptr;

TForm33::TForm33(const calc::Context &context)
    : LookupScreen(reference::mountains(),
                   reference::singleValue(QSize(392, 246), QPoint(288, 243), "RzComboBox3", "Label5"),
                   context)
{
    setObjectName(QStringLiteral("Form33"));
}
