#include "Unit12.h"

TForm12 *Form12 = nullptr;

TForm12::TForm12(const calc::Context &context)
    : LookupScreen(reference::densities(),
                   reference::singleValue(QSize(377, 247), QPoint(296, 242), "RzComboBox1", "Label3"),
                   context)
{
    setObjectName(QStringLiteral("Form12"));
}
