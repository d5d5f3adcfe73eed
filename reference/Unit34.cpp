#include "Unit34.h"

TForm34 *Form34 = nullptr;

TForm34::TForm34(const calc::Context &context)
    : LookupScreen(reference::lakes(),
                   reference::singleValue(QSize(392, 246), QPoint(288, 226), "RzComboBox3", "Label5", true),
                   context)
{
    setObjectName(QStringLiteral("Form34"));
}
